#include "view/pixel_primitives.h"

#include <cmath>
#include <optional>

#include "model/globals.h"
#include "model/rounding.h"
#include "view/circle_walk.h"
#include "view/line_walk.h"
#include "windows/sheet.h"

namespace view {

namespace {

PrimitiveCapture* g_capture = nullptr;

bool FitsInt32(float v) { return std::isfinite(v) && std::fabs(static_cast<double>(v)) < 2147483647.0; }

// The scale captured as whole numbers for the length of one call, with the drawing area in
// pixel units and held as one batch meanwhile; the destructor puts the whole numbers back
// in user units.
class PixelUnits {
 public:
  explicit PixelUnits(ui::Canvas& base) : base_(base) {
    const float width = base.ScaleWidth;
    const float height = base.ScaleHeight;
    const float left = base.ScaleLeft;
    const float top = base.ScaleTop;
    if (!FitsInt32(width) || !FitsInt32(height) || !FitsInt32(left) || !FitsInt32(top)) return;
    SW = model::RoundToInt32(width);
    SH = model::RoundToInt32(height);
    SL = model::RoundToInt32(left);
    ST = model::RoundToInt32(top);
    if (SW == 0 || SH == 0) return;
    base.ScaleMode = ui::ScaleModes::Pixel;
    batch_.emplace(base);  // one look at the owner's size for the whole walk
    W = base.PixelWidth();
    H = base.PixelHeight();
    ok_ = true;
  }
  ~PixelUnits() {
    if (!ok_) return;
    base_.ScaleMode = ui::ScaleModes::User;
    base_.ScaleLeft = static_cast<float>(SL);
    base_.ScaleWidth = static_cast<float>(SW);
    base_.ScaleTop = static_cast<float>(ST);
    base_.ScaleHeight = static_cast<float>(SH);
  }
  PixelUnits(const PixelUnits&) = delete;
  PixelUnits& operator=(const PixelUnits&) = delete;

  bool ok() const { return ok_; }
  ui::Canvas::Batch& batch() { return *batch_; }
  float Px(float X) const { return static_cast<float>((static_cast<double>(X) - SL) * W / SW); }
  float Py(float Y) const { return static_cast<float>((static_cast<double>(Y) - ST) * H / SH); }
  float Radius(float R) const { return static_cast<float>(std::fabs(static_cast<double>(H) * R / SH)); }
  // Pixels handled farther out than this from the image change nothing (a wide pen's dot
  // reaches half its width around the point).
  PixelReach Reach(int pen_width) const {
    const double pen = pen_width > 1 ? pen_width / 2.0 : 0.0;
    return PixelReach{-1 - pen, -1 - pen, W + pen, H + pen};
  }

  int32_t SL = 0, ST = 0, SW = 0, SH = 0;
  int W = 0, H = 0;

 private:
  ui::Canvas& base_;
  std::optional<ui::Canvas::Batch> batch_;
  bool ok_ = false;
};

bool ProbesSkip() { return model::G.IsRedrawing != 0 || model::G.IsErasing != 0 || model::G.IsDrawingHandles != 0; }

}  // namespace

void PixelLine(float X1, float Y1, float X2, float Y2, int32_t Colour) {
  if (g_capture) return g_capture->Line(X1, Y1, X2, Y2, Colour);
  ui::Canvas& base = windows::Sheet().Base;
  PixelUnits units(base);
  if (!units.ok()) return;
  ui::Canvas::Batch& pixels = units.batch();
  LineWalk w;
  if (!StartLineWalk(units.Px(X1), units.Py(Y1), units.Px(X2), units.Py(Y2), w)) return;
  // The canvas is in pixel units meanwhile: each pixel is set as PSet would, and the last
  // one becomes the current position, as after the PSets.
  const PixelReach reach = units.Reach(base.DrawWidth);
  HandledSpan span;
  if (base.DrawWidth > 1) {
    // Each dot of a wide pen records itself.
    span = WalkLineWithin(w, reach, [&](float x, float y) {
      pixels.PSetInPixels(x, y, Colour);
      return false;
    });
  } else {
    // What a one-pixel walk set lies between its first and last pixel, recorded once.
    span = WalkLineWithin(w, reach, [&](float x, float y) {
      pixels.PSetInPixelsUnrecorded(x, y, Colour);
      return false;
    });
    if (span.any) pixels.RecordWithin(span.first_x, span.first_y, span.last_x, span.last_y);
  }
  if (!span.any) return;
  base.CurrentX = span.last_x;
  base.CurrentY = span.last_y;
}

void PixelLineHit(float X1, float Y1, float X2, float Y2) {
  if (g_capture) return g_capture->LineHit(X1, Y1, X2, Y2);
  const bool skip = ProbesSkip();
  ui::Canvas& base = windows::Sheet().Base;
  PixelUnits units(base);
  if (!units.ok()) return;
  // Reading has no effect of its own: with the skip rule on, nothing could come of the walk.
  if (skip) return;
  ui::Canvas::Batch& pixels = units.batch();
  LineWalk w;
  if (!StartLineWalk(units.Px(X1), units.Py(Y1), units.Px(X2), units.Py(Y2), w)) return;
  WalkLineWithin(w, units.Reach(1), [&](float x, float y) {
    if (pixels.PointInPixels(x, y) != model::Black) return false;
    model::G.OverlapFound = model::True;
    return true;
  });
}

void PixelCircle(float CX, float CY, float R, int32_t Colour) {
  if (g_capture) return g_capture->Circle(CX, CY, R, Colour);
  ui::Canvas& base = windows::Sheet().Base;
  PixelUnits units(base);
  if (!units.ok()) return;
  ui::Canvas::Batch& pixels = units.batch();
  CircleWalk c;
  if (!StartCircleWalk(units.Px(CX), units.Py(CY), units.Radius(R), c)) return;
  bool any = false;
  float lastX = 0, lastY = 0;
  auto walk = [&](auto set) {
    WalkCircleWithin(c, units.Reach(base.DrawWidth), [&](const float* px, const float* py) {
      for (int i = 0; i < 4; ++i) set(px[i], py[i]);
      any = true;
      lastX = px[3];
      lastY = py[3];
      return false;
    });
  };
  // Every pixel handled lies within the radius of the centre on both axes, the sums rounded
  // as the walk rounds them. A one-pixel circle whose square lies in the image is recorded
  // by that square; one the image cuts, pixel by pixel, so that an arc across a corner of
  // the view records no more than its own pixels; each dot of a wide pen records itself.
  const float left = c.cx - c.x, right = c.cx + c.x, top = c.cy - c.x, bottom = c.cy + c.x;
  if (base.DrawWidth > 1) {
    walk([&](float x, float y) { pixels.PSetInPixels(x, y, Colour); });
  } else if (pixels.InImage(left, top) && pixels.InImage(right, bottom)) {
    walk([&](float x, float y) { pixels.PSetInPixelsUnrecorded(x, y, Colour); });
    if (any) pixels.RecordWithin(left, top, right, bottom);
  } else {
    walk([&](float x, float y) { pixels.PSetOnePixel(x, y, Colour); });
  }
  if (any) {  // as after the PSets
    base.CurrentX = lastX;
    base.CurrentY = lastY;
  }
}

void PixelCircleHit(float CX, float CY, float R) {
  if (g_capture) return g_capture->CircleHit(CX, CY, R);
  const bool skip = ProbesSkip();
  ui::Canvas& base = windows::Sheet().Base;
  PixelUnits units(base);
  if (!units.ok()) return;
  if (skip) return;
  ui::Canvas::Batch& pixels = units.batch();
  CircleWalk c;
  if (!StartCircleWalk(units.Px(CX), units.Py(CY), units.Radius(R), c)) return;
  WalkCircleWithin(c, units.Reach(1), [&](const float* px, const float* py) {
    bool black = false;
    for (int i = 0; i < 4; ++i) black = (pixels.PointInPixels(px[i], py[i]) == model::Black) || black;
    if (!black) return false;
    model::G.OverlapFound = model::True;
    return true;
  });
}

ScopedPrimitiveCapture::ScopedPrimitiveCapture(PrimitiveCapture& capture) : previous_(g_capture) {
  g_capture = &capture;
}

ScopedPrimitiveCapture::~ScopedPrimitiveCapture() { g_capture = previous_; }

}  // namespace view
