#include "view/circle_walk.h"

#include <algorithm>
#include <cmath>

namespace view {

bool StartCircleWalk(float cx, float cy, float r, CircleWalk& c) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return false;
  if (!(std::fabs(r) < kMaxCircleRadius)) return false;
  c = CircleWalk{};
  c.cx = cx;
  c.cy = cy;
  c.x = r;
  c.y = 0;
  c.acc = 0;
  c.odd = 1;
  c.lim = 2 * r - 1;
  return true;
}

namespace detail {

bool InReach(const PixelReach& reach, float x, float y) {
  return x >= reach.left && x <= reach.right && y >= reach.top && y <= reach.bottom;
}

bool CircleCanStillReach(const CircleWalk& c, const PixelReach& reach) {
  const double lo = std::min(c.x, c.y);
  const double hi = std::max(c.x, c.y);
  // The sums centre + offset are rounded to single precision.
  const double margin = 2 + (std::fabs(c.cx) + std::fabs(c.cy) + std::fabs(hi)) * 0x1p-23;
  auto overlaps = [&](double centre, double sign, double from, double to) {
    const double a = centre + sign * lo;
    const double b = centre + sign * hi;
    return std::max(a, b) + margin >= from && std::min(a, b) - margin <= to;
  };
  const bool right = overlaps(c.cx, 1, reach.left, reach.right);
  const bool left = overlaps(c.cx, -1, reach.left, reach.right);
  const bool below = overlaps(c.cy, 1, reach.top, reach.bottom);
  const bool above = overlaps(c.cy, -1, reach.top, reach.bottom);
  return (right || left) && (below || above);
}

}  // namespace detail

}  // namespace view
