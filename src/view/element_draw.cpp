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

// A standard-shape family's outline routines: its draw routine and its test routine, and
// the outline they trace, which the figure's check looks at before anything is drawn.
// Plates, round bars and circular hollow sections have none; they are drawn here.
struct Family {
  Outline (*outline)(int32_t X, int32_t Y, const ElementRecord& e);
  void (*draw)(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
  void (*test)(int32_t X, int32_t Y, int32_t Index);
};

const Family* FamilyOf(ShapeKind kind) {
  static constexpr Family kParallelFlange{shapes::ParallelFlangeOutline, DrawParallelFlangeOutline,
                                          TestParallelFlangeOutline};
  static constexpr Family kAngle{shapes::AngleOutline, DrawAngleOutline, TestAngleOutline};
  static constexpr Family kChannel{shapes::ChannelOutline, DrawChannelOutline, TestChannelOutline};
  static constexpr Family kSlopedFlange{shapes::SlopedFlangeOutline, DrawSlopedFlangeOutline, TestSlopedFlangeOutline};
  static constexpr Family kTee{shapes::TeeOutline, DrawTeeOutline, TestTeeOutline};
  static constexpr Family kHSS{shapes::HSSOutline, DrawHSSOutline, TestHSSOutline};
  switch (kind) {
    case ShapeKind::ParallelFlangeI:
      return &kParallelFlange;
    case ShapeKind::Angle:
      return &kAngle;
    case ShapeKind::Channel:
      return &kChannel;
    case ShapeKind::SlopedFlangeI:
      return &kSlopedFlange;
    case ShapeKind::Tee:
      return &kTee;
    case ShapeKind::RectangularHSS:
      return &kHSS;
    case ShapeKind::CircularHSS:
    case ShapeKind::Plate:
    case ShapeKind::Bar:
    case ShapeKind::None:
      break;
  }
  return nullptr;
}

// One element's figure at an insertion point: what the dispatcher puts on the drawing area
// itself (a plate's sides, the circles, the handles), placed and rounded to single
// precision, and whether the family's outline is finite. A figure with any point that is
// not finite is drawn, erased and probed as nothing at all, so it is checked whole before
// the first pixel.
struct Figure {
  ShapeKind kind = ShapeKind::None;
  const Family* family = nullptr;
  bool family_outline_finite = true;
  Outline sides;    // a plate's four sides
  int circles = 0;  // circular hollow section 2, round bar 1
  float cx = 0, cy = 0;
  std::array<float, 2> radius{};
  std::array<PlacedPoint, 8> handles{};
  int handle_count = 0;

  bool Finite() const {
    if (!family_outline_finite || !sides.Finite()) return false;
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
  f.family = FamilyOf(f.kind);
  if (f.family != nullptr) f.family_outline_finite = f.family->outline(X, Y, e).Finite();
  const Placement place(e, X, Y, Grouping::Factored);
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness;
  if (f.kind == ShapeKind::Plate) {
    const std::array<LocalPoint, 4> sides = {{{0, 0}, {b, 0}, {b, d}, {0, d}}};
    f.sides.AddLoop(place, sides);
  }
  if (f.kind == ShapeKind::CircularHSS || f.kind == ShapeKind::Bar) {
    const PlacedPoint centre = place.Place({d / 2, d / 2});
    f.cx = centre.x;
    f.cy = centre.y;
    f.radius[0] = static_cast<float>(d / 2);
    f.circles = 1;
    if (f.kind == ShapeKind::CircularHSS) {
      f.radius[1] = static_cast<float>((d - (tf + tf)) / 2);
      f.circles = 2;
    }
  }
  AddHandles(f, place, e);
  return f;
}

bool InUse(int32_t Index) { return Index >= 1 && Index <= model::ElementsInUse(); }

// The family's draw routine, or the plate's sides, or the circles.
void DrawOutline(const Figure& f, int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  if (f.family != nullptr) {
    f.family->draw(X, Y, Index, Colour);
    return;
  }
  for (int i = 0; i < f.circles; ++i) PixelCircle(f.cx, f.cy, f.radius[i], Colour);
  TraceOutline(f.sides, Colour);
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
  DrawOutline(f, X, Y, Index, Colour);
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
  DrawOutline(f, X, Y, Index, model::White);
  if (e.Selected != 0) PlotHandles(f, model::White);
}

void TestElementOverlap(int32_t X, int32_t Y, int32_t Index) {
  if (!InUse(Index)) return;
  const Figure f = FigureOf(X, Y, model::G.Elements[Index]);
  if (f.kind == ShapeKind::None || !f.Finite()) return;
  if (f.family != nullptr) {
    f.family->test(X, Y, Index);
    return;
  }
  // Every circle and all four sides of a plate are probed, whatever the one before found.
  for (int i = 0; i < f.circles; ++i) PixelCircleHit(f.cx, f.cy, f.radius[i]);
  ProbeEverySegment(f.sides);
}

}  // namespace view
