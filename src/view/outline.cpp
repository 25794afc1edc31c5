#include "view/outline.h"

#include <cmath>

#include "model/globals.h"
#include "model/placement.h"
#include "view/pixel_primitives.h"

namespace view {

Placement::Placement(const model::ElementRecord& e, double X, double Y, Grouping grouping)
    : e_(e), X_(X), Y_(Y), grouping_(grouping), m_(e.MirrorSign), c_(std::cos(e.Angle)), s_(std::sin(e.Angle)) {}

PlacedPoint Placement::Place(LocalPoint p) const {
  if (grouping_ == Grouping::Factored) {
    // The program's one element transform, the same that places snap points.
    const model::DrawingPoint d = model::PlaceLocalPoint(e_, X_, Y_, p.u, p.v);
    return {static_cast<float>(d.x), static_cast<float>(d.y)};
  }
  const double x = (X_ + m_ * c_ * p.u) - m_ * s_ * p.v;
  const double y = (Y_ + p.u * s_) + p.v * c_;
  return {static_cast<float>(x), static_cast<float>(y)};
}

void Outline::AddLoop(const Placement& placement, std::span<const LocalPoint> loop) {
  if (loops_ == 2 || count_ + static_cast<int>(loop.size()) > kMaxPoints) {
    finite_ = false;
    return;
  }
  for (const LocalPoint& p : loop) {
    const PlacedPoint q = placement.Place(p);
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) finite_ = false;
    points_[count_++] = q;
  }
  loop_end_[loops_++] = count_;
}

void Outline::Draw(int32_t colour) const {
  if (!finite_) return;
  int start = 0;
  for (int l = 0; l < loops_; ++l) {
    const int end = loop_end_[l];
    for (int i = start; i < end; ++i) {
      const PlacedPoint& a = points_[i];
      const PlacedPoint& b = points_[i + 1 < end ? i + 1 : start];
      PixelLine(a.x, a.y, b.x, b.y, colour);
    }
    start = end;
  }
}

void Outline::Test() const { Probe(true); }

void Outline::TestEverySegment() const { Probe(false); }

void Outline::Probe(bool stop_early) const {
  if (!finite_) return;
  int start = 0;
  for (int l = 0; l < loops_; ++l) {
    const int end = loop_end_[l];
    for (int i = start; i < end; ++i) {
      const PlacedPoint& a = points_[i];
      const bool closing = i + 1 == end;
      const PlacedPoint& b = points_[closing ? start : i + 1];
      PixelLineHit(a.x, a.y, b.x, b.y);
      if (stop_early && !closing && model::G.OverlapFound != 0) return;
    }
    start = end;
  }
}

bool IsElementSlot(int32_t Index) { return Index >= 0 && Index <= model::MaxElements; }

void DrawOutline(OutlineOf outline, int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  if (!IsElementSlot(Index)) return;
  outline(X, Y, model::G.Elements[Index]).Draw(Colour);
}

void TestOutline(OutlineOf outline, int32_t X, int32_t Y, int32_t Index) {
  if (!IsElementSlot(Index)) return;
  outline(X, Y, model::G.Elements[Index]).Test();
}

}  // namespace view
