#include "view/view_navigation.h"

#include <cmath>

#include "model/globals.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace view {

using model::G;

namespace {

constexpr float Limit = 1000000;

void UpdateGridDensity() {
  const ui::Canvas& base = windows::Sheet().Base;
  // A spacing below 1 can only come from a bad stored setting; no grid then.
  G.GridTooDense =
      G.GridSpacing < 1 || base.ScaleWidth / static_cast<float>(G.GridSpacing) > 200.0f ? model::True : model::False;
}

}  // namespace

void PanViewRight() {
  ui::Canvas& base = windows::Sheet().Base;
  if (base.ScaleLeft > -Limit) base.ScaleLeft = base.ScaleLeft - base.ScaleWidth / 10;
  RedrawDrawing();
}

void PanViewLeft() {
  ui::Canvas& base = windows::Sheet().Base;
  if (base.ScaleLeft + base.ScaleWidth < Limit) base.ScaleLeft = base.ScaleLeft + base.ScaleWidth / 10;
  RedrawDrawing();
}

void PanViewDown() {
  ui::Canvas& base = windows::Sheet().Base;
  if (base.ScaleTop < Limit) base.ScaleTop = base.ScaleTop - base.ScaleHeight / 10;
  RedrawDrawing();
}

void PanViewUp() {
  ui::Canvas& base = windows::Sheet().Base;
  if (base.ScaleTop + base.ScaleHeight > -Limit) base.ScaleTop = base.ScaleTop + base.ScaleHeight / 10;
  RedrawDrawing();
}

void ZoomViewIn() {
  ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  // The pixel routines divide by the width and height rounded to whole numbers, so the
  // halved view must keep both at least 1 (the width test alone lets the height vanish).
  if (SW > 1 && SW / 2 >= 1 && std::fabs(SH / 2) >= 1) {
    base.ScaleLeft = SL + SW / 4;
    base.ScaleTop = ST + SH / 4;
    base.ScaleWidth = SW / 2;
    base.ScaleHeight = SH / 2;
    G.ZoomScale = G.ZoomScale / 2;
    UpdateGridDensity();
  }
  RedrawDrawing();
}

void ZoomViewOut() {
  ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  if (SW < Limit) {
    base.ScaleLeft = SL - SW / 2;
    base.ScaleTop = ST - SH / 2;
    base.ScaleWidth = 2 * SW;
    base.ScaleHeight = 2 * SH;
    G.ZoomScale = 2 * G.ZoomScale;
    UpdateGridDensity();
  }
  RedrawDrawing();
}

}  // namespace view
