#pragma once
// The section the benchmarks work on: 50 mixed elements of every family in a 10 by 5
// grid of cells 120 mm wide and 195 mm high from (10, 10), some turned, some mirrored,
// one in seven selected.

#include <cstdint>

#include "model/globals.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace bench {

struct Dims {
  int16_t code;
  float b, d, tf, tw, k, k1, ri, ro;
};

// Small standard shapes, plates and bars, so that 50 of them fit the default view.
constexpr Dims kKinds[] = {
    {1, 100, 180, 8, 5.3f, 18, 12, 0, 0},  // parallel-flange I
    {2, 85, 152, 9, 5.8f, 22, 0, 0, 0},    // sloped-flange I
    {6, 70, 180, 9.3f, 6, 25, 0, 0, 0},    // channel
    {8, 90, 90, 8, 8, 0, 0, 0, 0},         // angle
    {9, 100, 90, 8, 6, 18, 12, 0, 0},      // tee
    {15, 100, 150, 6, 0, 0, 0, 6, 12},     // rectangular hollow section
    {17, 100, 100, 5, 0, 0, 0, 0, 0},      // circular hollow section
    {50, 100, 12, 0, 0, 0, 0, 0, 0},       // plate
    {51, 40, 40, 0, 0, 0, 0, 0, 0},        // round bar
    {4, 90, 160, 7, 5, 16, 10, 0, 0},      // parallel-flange I (another code)
};

inline void BuildSection() {
  model::Globals& G = model::G;
  G = model::Globals{};
  G.ElementCount = 50;
  for (int i = 1; i <= 50; ++i) {
    const Dims& k = kKinds[(i - 1) % 10];
    auto& e = G.Elements[i];
    e.ShapeType = k.code;
    e.Width = k.b, e.Depth = k.d, e.FlangeThickness = k.tf, e.WebThickness = k.tw;
    e.FilletDepthK = k.k, e.FilletWidthK1 = k.k1, e.InnerRadius = k.ri, e.OuterRadius = k.ro;
    const int col = (i - 1) % 10, row = (i - 1) / 10;
    e.PosX = 10 + 120 * col;
    e.PosY = 10 + 195 * row;
    // Every third element turned a little, every fourth mirrored (and shifted to stay in
    // its cell), one in seven selected.
    if (i % 3 == 0) e.Angle = 0.2;
    e.MirrorSign = i % 4 == 0 ? -1 : 1;
    if (e.MirrorSign < 0) e.PosX += 110;
    e.Selected = i % 7 == 0 ? model::True : model::False;
  }
}

// The main window's drawing area on the headless platform, w by h pixels, cleared white.
inline ui::PictureBox& DrawingArea(int w, int h) {
  static ui::headless::ScopedHeadless headless;
  static bool built = false;
  if (!built) {
    windows::ResetSheet();
    built = true;
  }
  ui::PictureBox& base = windows::Sheet().Base;
  base.Width = static_cast<float>((w + 4) * ui::TwipsPerPixel);
  base.Height = static_cast<float>((h + 4) * ui::TwipsPerPixel);
  base.BackColor = model::White;
  base.Cls();
  return base;
}

}  // namespace bench
