#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace model {
namespace {

struct RoundCase {
  float in;
  int16_t digits;
  float out;
};

TEST(RoundToDigits, FollowsTheHalfUpAndCutTowardZeroRules) {
  const RoundCase cases[] = {
      // 0 decimals: nearest, halves upward (also for negative values).
      {2.5f, 0, 3.0f},
      {-2.5f, 0, -2.0f},
      {12.5f, 0, 13.0f},
      {13.5f, 0, 14.0f},
      {0.5f, 0, 1.0f},
      {-0.5f, 0, 0.0f},
      {-3.5f, 0, -3.0f},
      {-2.6f, 0, -3.0f},
      {2.4f, 0, 2.0f},
      // Decimals: positive half up on the scaled single, negative cut toward zero.
      {2.675f, 2, 2.68f},
      {2.665f, 2, 2.67f},
      {2.67f, 2, 2.67f},
      {1.005f, 2, 1.01f},
      {0.125f, 2, 0.13f},
      {-2.378f, 2, -2.37f},
      {-2.375f, 2, -2.37f},
      // Negative decimals round to tens.
      {123.5f, -1, 120.0f},
      {125.0f, -1, 130.0f},
      {1234.5f, -1, 1230.0f},
      {1250.0f, -2, 1300.0f},
      {-1234.5f, -1, -1230.0f},
      {-125.0f, -1, -120.0f},
      // 10^-400 is 0 in double: the scaled value is 0, and so is the result.
      {1234.5f, -400, 0.0f},
      {3.0e38f, -32768, 0.0f},
      {3.0e38f, -38, 3.0e38f},
      // A whole number beyond ten million stays as it is, also once its scaled value no
      // longer fits a single exactly (past 2^24: 10737419 x 100 is 1073741900, held as a
      // single 1073741952).
      {12345678.0f, 2, 12345678.0f},
      {10737419.0f, 2, 10737419.0f},
      {-10737419.0f, 2, -10737419.0f},
      {16777217.0f, 3, 16777217.0f},
      {1.0e30f, 1, 1.0e30f},
  };
  for (const RoundCase& c : cases) {
    float x = c.in;
    RoundToDigits(x, c.digits);
    EXPECT_EQ(x, c.out) << c.in << " to " << c.digits << " decimals";
  }
}

TEST(RoundToDigits, LeavesValuesBeyondTheSingleRangeAlone) {
  float x = 3.0e38f;
  RoundToDigits(x, 2);
  EXPECT_EQ(x, 3.0e38f);
  float nan = std::nanf("");
  RoundToDigits(nan, 2);
  EXPECT_TRUE(std::isnan(nan));
}

TEST(RoundToInt, GoesHalfToEven) {
  const struct {
    double in;
    int out;
  } cases[] = {{2.5, 2}, {-2.5, -2}, {12.5, 12}, {13.5, 14}, {3.5, 4}, {0.5, 0}, {-0.5, 0}, {1.4999, 1}, {-2.6, -3}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToInt16(c.in), c.out) << c.in;
    EXPECT_EQ(RoundToInt32(c.in), c.out) << c.in;
  }
}

TEST(RoundToInt, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(RoundToInt16(40000.0), 32767);
  EXPECT_EQ(RoundToInt16(-40000.0), -32768);
  EXPECT_EQ(RoundToInt32(1e12), 2147483647);
  EXPECT_EQ(RoundToInt32(std::nan("")), 0);
}

// Whole numbers (the view's scale after every drawing call) come back as they are, up to
// the type's limits, and saturate beyond them however large.
TEST(RoundToInt, KeepsWholeNumbersAndSaturatesLargeOnes) {
  const struct {
    double in;
    int32_t out;
  } cases[] = {{0.0, 0},
               {-0.0, 0},
               {-3.0, -3},
               {1200.0, 1200},
               {2147483647.0, 2147483647},
               {-2147483648.0, -2147483647 - 1},
               {2147483648.0, 2147483647},
               {4503599627370495.0, 2147483647},  // just below 2^52
               {4503599627370496.5, 2147483647},  // 2^52 and up: every double is whole
               {-9007199254740993.0, -2147483647 - 1},
               {1e300, 2147483647},
               {2147483646.5, 2147483646}};  // a half, to the even neighbour
  for (const auto& c : cases) EXPECT_EQ(RoundToInt32(c.in), c.out) << c.in;
  EXPECT_EQ(RoundToInt16(-32768.0), -32768);
  EXPECT_EQ(RoundToInt16(32767.0), 32767);
  EXPECT_EQ(RoundToInt16(1e20), 32767);
}

TEST(Min4Max4, TakeTheExtremeAndKeepTheEarlierOnTies) {
  int r = 0;
  Min4(3, 1, 1, 2, r);
  EXPECT_EQ(r, 1);
  Max4(3, 5, 5, 4, r);
  EXPECT_EQ(r, 5);
  Min4(7, 7, 7, 7, r);
  EXPECT_EQ(r, 7);
  // 0 and -0 compare equal, so the sign shows which one was kept: the earlier.
  float f = 1;
  Min4(0.0f, -0.0f, 1.0f, 2.0f, f);
  EXPECT_FALSE(std::signbit(f));
  Min4(-0.0f, 0.0f, 1.0f, 2.0f, f);
  EXPECT_TRUE(std::signbit(f));
  Max4(-1.0f, 0.0f, -0.0f, -2.0f, f);
  EXPECT_FALSE(std::signbit(f));
}

}  // namespace
}  // namespace model
