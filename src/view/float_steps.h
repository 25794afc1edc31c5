#pragma once
// Repeated single-precision steps of one whole unit, as a pixel walk takes them, without
// taking them one by one.

#include <cstdint>

namespace view {

// The value v reaches after `count` single-precision additions of `step` (+1 or -1), each
// rounded to single precision as it is made. Exact: within a binade the additions are
// exact, so they are made in one go, and only the few that cross a binade edge (or meet
// values so large that adding one no longer moves them) are made singly.
float RepeatUnitSteps(float v, float step, int64_t count);

}  // namespace view
