#include "view/view_range.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace view {

namespace {

// The whole number a file gives back for v: to the nearest, a half to the even neighbour.
double Whole(float v) { return std::nearbyint(static_cast<double>(v)); }

}  // namespace

bool ViewEdgeInRange(float v) {
  if (!std::isfinite(v)) return false;
  const double whole = Whole(v);
  return whole >= std::numeric_limits<int32_t>::min() && static_cast<float>(whole) < 2147483648.0f;
}

bool ViewInRange(float left, float top, float width, float height) {
  return ViewEdgeInRange(left) && ViewEdgeInRange(top) && ViewEdgeInRange(width) && ViewEdgeInRange(height) &&
         Whole(width) >= 1 && Whole(height) <= -1;
}

bool ZoomScaleInRange(float zoom) { return std::isfinite(zoom) && zoom > 0; }

}  // namespace view
