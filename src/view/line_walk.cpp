#include "view/line_walk.h"

#include <algorithm>
#include <cmath>

#include "model/rounding.h"
#include "view/float_steps.h"

namespace view {

namespace {

// From 2^25 on, adding one to a float leaves it where it is: a walk that starts there on
// an axis stays there on that axis.
constexpr double kStuck = 33554432.0;

// How far the walk can stray from the ideal line while it is near the image. Along the
// major axis it moves one pixel a step, exactly once its coordinate is small (at most two
// pixels of drift from the far end). Across, the count of diagonal steps after k steps
// stays within 1.5 + k 2^-22 of k minor / major: the error term stays within
// [2(minor - major), 2 minor] and each rounded addition is off by at most 2^-24 of that;
// one more pixel of drift comes from the minor coordinate's own additions.
constexpr double kMajorSlack = 3.0;
double MinorSlack(int64_t n) { return 4.0 + std::ldexp(static_cast<double>(n), -21); }

// The steps k (real) for which start + sign * rate * k lies within [lo, hi]; false when
// none does.
bool StepsWithin(double start, double sign, double rate, double lo, double hi, double& kmin, double& kmax) {
  if (rate == 0) {
    kmin = -INFINITY;
    kmax = INFINITY;
    return start >= lo && start <= hi;
  }
  if (sign > 0) {
    kmin = (lo - start) / rate;
    kmax = (hi - start) / rate;
  } else {
    kmin = (start - hi) / rate;
    kmax = (start - lo) / rate;
  }
  return true;
}

}  // namespace

bool StartLineWalk(float px1, float py1, float px2, float py2, LineWalk& w) {
  if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2)) return false;
  const float dx = std::fabs(px2 - px1);
  const float dy = std::fabs(py2 - py1);
  float span;
  w = LineWalk{};
  if (dx > dy) {
    w.x_major = true;
    span = dx + 1;
    w.e = 2 * dy - dx;
    w.e1 = 2 * dy;
    w.e2 = 2 * (dy - dx);
    w.s1x = 1;
    w.s1y = 0;
    w.major_span = dx;
    w.minor_span = dy;
  } else {
    w.x_major = false;
    span = dy + 1;
    w.e = 2 * dx - dy;
    w.e1 = 2 * dx;
    w.e2 = 2 * (dx - dy);
    w.s1x = 0;
    w.s1y = 1;
    w.major_span = dy;
    w.minor_span = dx;
  }
  w.s2x = 1;
  w.s2y = 1;
  if (px1 > px2) {
    w.s1x = -w.s1x;
    w.s2x = -w.s2x;
  }
  if (py1 > py2) {
    w.s1y = -w.s1y;
    w.s2y = -w.s2y;
  }
  if (!(span < 2147483648.0f)) return false;  // the count would not fit in 32 bits
  w.n = model::RoundToInt32(span);
  w.x = px1;
  w.y = py1;
  return true;
}

StepRange ReachableSteps(const LineWalk& w, const PixelReach& reach) {
  StepRange out;
  if (w.n <= 0) return out;
  const double major0 = w.x_major ? w.x : w.y;
  const double minor0 = w.x_major ? w.y : w.x;
  if (std::fabs(major0) >= kStuck || std::fabs(minor0) >= kStuck) return out;  // stuck far outside
  const double major_sign = w.x_major ? w.s2x : w.s2y;
  const double minor_sign = w.x_major ? w.s2y : w.s2x;
  const double major_lo = w.x_major ? reach.left : reach.top;
  const double major_hi = w.x_major ? reach.right : reach.bottom;
  const double minor_lo = w.x_major ? reach.top : reach.left;
  const double minor_hi = w.x_major ? reach.bottom : reach.right;
  const double rate = w.major_span > 0 ? static_cast<double>(w.minor_span) / w.major_span : 0;
  const double slack = MinorSlack(w.n);

  double a0, a1, b0, b1;
  StepsWithin(major0, major_sign, 1.0, major_lo - kMajorSlack, major_hi + kMajorSlack, a0, a1);
  if (!StepsWithin(minor0, minor_sign, rate, minor_lo - slack, minor_hi + slack, b0, b1)) return out;
  const double lo = std::max({0.0, a0, b0});
  const double hi = std::min({static_cast<double>(w.n) - 1, a1, b1});
  if (!(lo <= hi)) return out;
  out.first = static_cast<int64_t>(std::ceil(lo));
  out.last = static_cast<int64_t>(std::floor(hi));
  return out;
}

bool AdvanceLineWalk(LineWalk& w, int64_t k) {
  if (k <= 0) return true;
  // The error term alone decides which step is taken, so it is run on its own, counting
  // the diagonal steps; a value that an addition no longer moves stays for good.
  float e = w.e;
  const float e1 = w.e1;
  const float e2 = w.e2;
  int64_t diagonal = 0;
  int64_t taken = 0;
  const int64_t limit = std::min(k, kMaxSkippedSteps);
  while (taken < limit) {
    // Both sums are formed before the choice, which keeps the loop's chain short.
    const float up = e + e1;
    const float down = e + e2;
    const bool diag = !(e < 0);
    const float next = diag ? down : up;
    if (next == e) {
      if (diag) diagonal += k - taken;
      taken = k;
      break;
    }
    e = next;
    diagonal += diag;
    ++taken;
  }
  if (taken < k) return false;
  w.e = e;
  // The major coordinate moves every step, the minor one on the diagonal steps.
  if (w.x_major) {
    w.x = RepeatUnitSteps(w.x, w.s2x, k);
    w.y = RepeatUnitSteps(w.y, w.s2y, diagonal);
  } else {
    w.y = RepeatUnitSteps(w.y, w.s2y, k);
    w.x = RepeatUnitSteps(w.x, w.s2x, diagonal);
  }
  return true;
}

}  // namespace view
