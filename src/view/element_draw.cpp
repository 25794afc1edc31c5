#include "view/element_draw.h"

#include <array>
#include <cmath>

#include "model/characteristic_points.h"
#include "model/globals.h"
#include "model/guards.h"
#include "shapes/angle_outline.h"
#include "shapes/channel_outline.h"
#include "shapes/hss_outline.h"
#include "shapes/outline.h"
#include "shapes/parallel_flange_outline.h"
#include "shapes/sloped_flange_outline.h"
#include "shapes/tee_outline.h"
#include "view/outline_trace.h"
#include "view/pixel_primitives.h"
#include "windows/sheet.h"

namespace view {

namespace {

using model::ElementRecord;
using model::ShapeKind;
using shapes::Grouping;
using shapes::LocalPoint;
using shapes::Outline;
using shapes::PlacedPoint;
using shapes::Placement;

// Everything one call puts on the drawing area, placed and rounded to single precision.
struct Figure {
  ShapeKind kind = ShapeKind::None;
  Outline outline;  // the families' outlines and the plate's four sides
  int circles = 0;  // circular hollow section 2, round bar 1
  float cx = 0, cy = 0;
  std::array<float, 2> radius{};
  std::array<PlacedPoint, 8> handles{};
  int handle_count = 0;

  bool Finite() const {
    if (!outline.Finite()) return false;
    if (!std::isfinite(cx) || !std::isfinite(cy)) return false;
    for (int i = 0; i < circles; ++i)
      if (!std::isfinite(radius[i])) return false;
    for (int i = 0; i < handle_count; ++i)
      if (!std::isfinite(handles[i].x) || !std::isfinite(handles[i].y)) return false;
    return true;
  }
};

// Selection handles: the element's characteristic points, the object snap's too.
void AddHandles(Figure& f, const Placement& place, const ElementRecord& e) {
  const model::CharacteristicPointList list = model::CharacteristicPoints(e);
  for (int k = 0; k < list.count; ++k) {
    const model::LocalUV& p = list.points[static_cast<size_t>(k)];
    f.handles[f.handle_count++] = place.Place({p.u, p.v});
  }
}

Figure FigureOf(int32_t X, int32_t Y, const ElementRecord& e) {
  Figure f;
  f.kind = model::KindOf(e.ShapeType);
  const Placement place(e, X, Y, Grouping::Factored);
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness;
  switch (f.kind) {
    case ShapeKind::ParallelFlangeI:
    case ShapeKind::SlopedFlangeI:
      f.outline = f.kind == ShapeKind::ParallelFlangeI ? shapes::ParallelFlangeOutline(X, Y, e)
                                                       : shapes::SlopedFlangeOutline(X, Y, e);
      break;
    case ShapeKind::Angle:
      f.outline = shapes::AngleOutline(X, Y, e);
      break;
    case ShapeKind::Channel:
      f.outline = shapes::ChannelOutline(X, Y, e);
      break;
    case ShapeKind::Tee:
      f.outline = shapes::TeeOutline(X, Y, e);
      break;
    case ShapeKind::RectangularHSS:
      f.outline = shapes::HSSOutline(X, Y, e);
      break;
    case ShapeKind::Plate: {
      const std::array<LocalPoint, 4> sides = {{{0, 0}, {b, 0}, {b, d}, {0, d}}};
      f.outline.AddLoop(place, sides);
      break;
    }
    case ShapeKind::CircularHSS:
    case ShapeKind::Bar: {
      const PlacedPoint centre = place.Place({d / 2, d / 2});
      f.cx = centre.x;
      f.cy = centre.y;
      f.radius[0] = static_cast<float>(d / 2);
      f.circles = 1;
      if (f.kind == ShapeKind::CircularHSS) {
        f.radius[1] = static_cast<float>((d - (tf + tf)) / 2);
        f.circles = 2;
      }
      break;
    }
    case ShapeKind::None:
      break;
  }
  AddHandles(f, place, e);
  return f;
}

bool InUse(int32_t Index) { return Index >= 1 && Index <= model::ElementsInUse(); }

void DrawOutline(const Figure& f, int32_t Colour) {
  if (f.kind == ShapeKind::CircularHSS || f.kind == ShapeKind::Bar) {
    for (int i = 0; i < f.circles; ++i) PixelCircle(f.cx, f.cy, f.radius[i], Colour);
    return;
  }
  TraceOutline(f.outline, Colour);
}

void PlotHandles(const Figure& f, int32_t Colour) {
  ui::PictureBox& base = windows::Sheet().Base;
  base.DrawWidth = 5;
  for (int i = 0; i < f.handle_count; ++i) base.PSet(f.handles[i].x, f.handles[i].y, Colour);
  base.DrawWidth = 1;
}

// Sets a flag for the life of one call and clears it on every way out.
class FlagScope {
 public:
  explicit FlagScope(model::Bool16& flag) : flag_(flag) {}
  ~FlagScope() { flag_ = model::False; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  model::Bool16& flag_;
};

}  // namespace

void DrawElement(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  FlagScope handles_flag(model::G.IsDrawingHandles);
  if (!InUse(Index)) return;
  const ElementRecord& e = model::G.Elements[Index];
  const Figure f = FigureOf(X, Y, e);
  if (f.kind == ShapeKind::None || !f.Finite()) return;
  DrawOutline(f, Colour);
  model::G.IsDrawingHandles = model::True;
  if (e.Selected != 0) PlotHandles(f, model::Blue);
}

void EraseElement(int32_t X, int32_t Y, int32_t Index) {
  FlagScope erasing_flag(model::G.IsErasing);
  model::G.IsErasing = model::True;
  if (!InUse(Index)) return;
  const ElementRecord& e = model::G.Elements[Index];
  const Figure f = FigureOf(X, Y, e);
  if (f.kind == ShapeKind::None || !f.Finite()) return;
  DrawOutline(f, model::White);
  if (e.Selected != 0) PlotHandles(f, model::White);
}

void TestElementOverlap(int32_t X, int32_t Y, int32_t Index) {
  if (!InUse(Index)) return;
  const Figure f = FigureOf(X, Y, model::G.Elements[Index]);
  if (f.kind == ShapeKind::None || !f.Finite()) return;
  switch (f.kind) {
    case ShapeKind::CircularHSS:
    case ShapeKind::Bar:
      // Every circle is probed, whatever the one before found.
      for (int i = 0; i < f.circles; ++i) PixelCircleHit(f.cx, f.cy, f.radius[i]);
      break;
    case ShapeKind::Plate:
      // All four sides are probed, whatever the one before found.
      ProbeEverySegment(f.outline);
      break;
    default:
      ProbeOutline(f.outline);
      break;
  }
}

}  // namespace view
