#include "view/float_steps.h"

#include <cmath>

namespace view {

namespace {

constexpr double kTwo24 = 16777216.0;  // from here on a float's unit in the last place exceeds 1

}  // namespace

float RepeatUnitSteps(float v, float step, int64_t count) {
  while (count > 0) {
    const double a = std::fabs(static_cast<double>(v));
    const bool toward_zero = (v > 0 && step < 0) || (v < 0 && step > 0);
    int64_t run = 0;
    if (a >= 2.0 && a < kTwo24) {
      if (toward_zero) {
        // v is a multiple of its unit in the last place, which is at most 1, and every value
        // between v and 1 is at least as fine: all these steps are exact.
        run = static_cast<int64_t>(std::floor(a)) - 1;
      } else {
        // Exact while the value stays below the top of v's binade.
        const double top = std::ldexp(1.0, std::ilogb(a) + 1);
        run = static_cast<int64_t>(std::ceil(top - a)) - 1;
      }
    }
    if (run >= 1) {
      if (run > count) run = count;
      v = static_cast<float>(static_cast<double>(v) + static_cast<double>(step) * static_cast<double>(run));
      count -= run;
      continue;
    }
    const float next = v + step;
    if (next == v) return v;  // too large to move: it stays there for every later step
    v = next;
    --count;
  }
  return v;
}

}  // namespace view
