#pragma once
// Guards of the property calculation. A property that cannot be formed (a division by
// zero, the root of a negative value, a sum beyond the single range, a bad input) is
// held and shown as 0, never as a non-number, and no count read from the shared state
// can send a loop past the element array.

#include <algorithm>
#include <cmath>

#include "model/globals.h"

namespace model {

// The single nearest to `value`, or 0 when that is not a finite number.
inline float FiniteSingle(double value) {
  const float f = static_cast<float>(value);
  return std::isfinite(f) ? f : 0.0f;
}

// The elements of the section, 1 to this count.
inline int ElementsInUse() { return std::clamp<int>(G.ElementCount, 0, MaxElements); }

}  // namespace model
