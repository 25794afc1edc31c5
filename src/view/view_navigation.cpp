#include "view/view_navigation.h"

#include <cmath>

#include "model/globals.h"
#include "view/redraw.h"
#include "view/view_range.h"
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

// Takes a step's new view only when it stays in the range a document keeps: a step that
// would leave it (a view grown or moved beyond the 32-bit range) does nothing, as the
// million limits do. True when taken.
bool TakeView(float left, float top, float width, float height) {
  if (!ViewInRange(left, top, width, height)) return false;
  ui::Canvas& base = windows::Sheet().Base;
  base.ScaleLeft = left;
  base.ScaleTop = top;
  base.ScaleWidth = width;
  base.ScaleHeight = height;
  return true;
}

// A zoom step: the new view and zoom scale together, or neither (a zoom scale doubled past
// the largest single, or halved to 0, would never come back).
void TakeZoom(float left, float top, float width, float height, float zoom) {
  if (!ZoomScaleInRange(zoom) || !TakeView(left, top, width, height)) return;
  G.ZoomScale = zoom;
  UpdateGridDensity();
}

}  // namespace

void PanViewRight() {
  const ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  if (SL > -Limit) TakeView(SL - SW / 10, ST, SW, SH);
  RedrawDrawing();
}

void PanViewLeft() {
  const ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  if (SL + SW < Limit) TakeView(SL + SW / 10, ST, SW, SH);
  RedrawDrawing();
}

void PanViewDown() {
  const ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  if (ST < Limit) TakeView(SL, ST - SH / 10, SW, SH);
  RedrawDrawing();
}

void PanViewUp() {
  const ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  if (ST + SH > -Limit) TakeView(SL, ST + SH / 10, SW, SH);
  RedrawDrawing();
}

void ZoomViewIn() {
  const ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  // The pixel routines divide by the width and height rounded to whole numbers, so the
  // halved view must keep both at least 1 (the width test alone lets the height vanish).
  if (SW > 1 && SW / 2 >= 1 && std::fabs(SH / 2) >= 1)
    TakeZoom(SL + SW / 4, ST + SH / 4, SW / 2, SH / 2, G.ZoomScale / 2);
  RedrawDrawing();
}

void ZoomViewOut() {
  const ui::Canvas& base = windows::Sheet().Base;
  const float SL = base.ScaleLeft, ST = base.ScaleTop, SW = base.ScaleWidth, SH = base.ScaleHeight;
  if (SW < Limit) TakeZoom(SL - SW / 2, ST - SH / 2, 2 * SW, 2 * SH, 2 * G.ZoomScale);
  RedrawDrawing();
}

}  // namespace view
