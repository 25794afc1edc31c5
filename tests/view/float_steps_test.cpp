#include "view/float_steps.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace view {
namespace {

float OneByOne(float v, float step, int64_t count) {
  for (int64_t i = 0; i < count; ++i) v = v + step;
  return v;
}

TEST(RepeatUnitSteps, MatchesSingleAdditionsAcrossBinadesAndNearTheTopOfSinglePrecision) {
  const float starts[] = {0.0f,        -0.0f,       0.1f,         -0.3f,       0.7f,        1.5f,
                          2.5f,        -2.5f,       123.456f,     -999.875f,   1000.3f,     8388607.5f,
                          8388608.0f,  16777215.0f, 16777216.0f,  16777218.0f, 16777222.0f, -16777218.0f,
                          33554432.0f, 33554436.0f, -33554432.0f, 1.0e9f,      4194303.7f,  -4194304.3f};
  const int64_t counts[] = {0, 1, 2, 3, 7, 100, 1000, 65536, 300001};
  for (float v : starts)
    for (float step : {1.0f, -1.0f})
      for (int64_t n : counts) {
        const float want = OneByOne(v, step, n);
        EXPECT_EQ(RepeatUnitSteps(v, step, n), want) << v << " " << step << " " << n;
      }
}

TEST(RepeatUnitSteps, LongRunsUpToAndBeyondTwoToTheTwentyFour) {
  // From 16 777 000.25 upward the values round at 2^23 and stop at 2^24.
  for (float v : {16777000.25f, 8300000.125f, -8388000.5f, 1.0f / 3.0f})
    for (float step : {1.0f, -1.0f}) {
      const int64_t n = 20000000;
      EXPECT_EQ(RepeatUnitSteps(v, step, n), OneByOne(v, step, n)) << v << " " << step;
    }
}

}  // namespace
}  // namespace view
