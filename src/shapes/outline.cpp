#include "shapes/outline.h"

#include <cmath>

namespace shapes {

Placement::Placement(const model::ElementRecord& e, double X, double Y, Grouping grouping)
    : turn_(e), X_(X), Y_(Y), grouping_(grouping) {}

PlacedPoint Placement::Place(LocalPoint p) const {
  if (grouping_ == Grouping::Factored) {
    // The program's one element transform, the same that places snap points.
    const model::DrawingPoint d = turn_.Place(X_, Y_, p.u, p.v);
    return {static_cast<float>(d.x), static_cast<float>(d.y)};
  }
  const double m = turn_.Mirror(), c = turn_.Cos(), s = turn_.Sin();
  const double x = (X_ + m * c * p.u) - m * s * p.v;
  const double y = (Y_ + p.u * s) + p.v * c;
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

OutlineSegment Outline::Segment(int i) const {
  const int start = loops_ == 2 && i >= loop_end_[0] ? loop_end_[0] : 0;
  const int end = loops_ == 2 && i >= loop_end_[0] ? loop_end_[1] : loop_end_[0];
  const bool closing = i + 1 == end;
  return {points_[i], points_[closing ? start : i + 1], closing};
}

}  // namespace shapes
