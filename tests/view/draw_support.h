#pragma once
// Helpers for the drawing tests: a drawing area of a chosen pixel size and scale, and a
// recorder that sees the calls the outlines make of the pixel primitives.

#include <cmath>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "model/globals.h"
#include "ui/control.h"
#include "ui/form.h"
#include "view/pixel_primitives.h"
#include "windows/sheet.h"

namespace drawtest {

// The main window's drawing area, w by h pixels inside its frame, cleared to white, with
// the user scale given.
inline ui::PictureBox& DrawingArea(int w, int h, float left, float top, float width, float height) {
  ui::PictureBox& base = windows::Sheet().Base;
  base.Width = static_cast<float>((w + 4) * ui::TwipsPerPixel);
  base.Height = static_cast<float>((h + 4) * ui::TwipsPerPixel);
  base.BackColor = model::White;
  base.Cls();
  base.SetScale(left, top, width, height);
  base.DrawWidth = 1;
  return base;
}

using PixelSet = std::set<std::pair<int, int>>;

inline PixelSet PixelsOf(const ui::Canvas& c, int32_t colour) {
  PixelSet out;
  const std::vector<int32_t>& pixels = c.Pixels();
  const int w = c.PixelWidth();
  for (size_t i = 0; i < pixels.size(); ++i)
    if (pixels[i] == colour) out.insert({static_cast<int>(i % w), static_cast<int>(i / w)});
  return out;
}

inline size_t CountOf(const ui::Canvas& c, int32_t colour) {
  size_t n = 0;
  for (int32_t p : c.Pixels()) n += p == colour;
  return n;
}

struct Segment {
  float x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

struct Circle {
  float cx, cy, r;
  friend bool operator==(const Circle&, const Circle&) = default;
};

// Records every primitive call. A probe call numbered hit_on (from 1) sets OverlapFound,
// as a probe that met a black pixel would.
class Recorder : public view::PrimitiveCapture {
 public:
  Recorder() : scope_(*this) {}
  void Line(float x1, float y1, float x2, float y2, int32_t colour) override {
    lines.push_back({x1, y1, x2, y2});
    colours.push_back(colour);
  }
  void LineHit(float x1, float y1, float x2, float y2) override {
    hits.push_back({x1, y1, x2, y2});
    Probed();
  }
  void Circle(float cx, float cy, float r, int32_t colour) override {
    circles.push_back({cx, cy, r});
    colours.push_back(colour);
  }
  void CircleHit(float cx, float cy, float r) override {
    circle_hits.push_back({cx, cy, r});
    Probed();
  }

  // The first ends of the drawn segments: the vertices of a one-loop outline in order.
  std::vector<std::pair<float, float>> Vertices() const {
    std::vector<std::pair<float, float>> out;
    for (const Segment& s : lines) out.push_back({s.x1, s.y1});
    return out;
  }

  int hit_on = 0;
  std::vector<Segment> lines, hits;
  std::vector<drawtest::Circle> circles, circle_hits;
  std::vector<int32_t> colours;

 private:
  void Probed() {
    ++probes_;
    if (probes_ == hit_on) model::G.OverlapFound = model::True;
  }
  int probes_ = 0;
  view::ScopedPrimitiveCapture scope_;
};

// Every segment joins the end of the one before; the last closes back to the first.
inline bool ClosesExactly(const std::vector<Segment>& s, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) {
    const Segment& next = s[i + 1 < to ? i + 1 : from];
    if (s[i].x2 != next.x1 || s[i].y2 != next.y1) return false;
  }
  return true;
}

}  // namespace drawtest
