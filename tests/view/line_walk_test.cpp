#include "view/line_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "model/rounding.h"

namespace view {
namespace {

using Pixels = std::vector<std::pair<int, int>>;

constexpr int kW = 64;
constexpr int kH = 48;

std::pair<int, int> PixelOf(float x, float y) {
  return {static_cast<int>(std::floor(static_cast<double>(x) + 0.5)),
          static_cast<int>(std::floor(static_cast<double>(y) + 0.5))};
}

bool Inside(std::pair<int, int> p) { return p.first >= 0 && p.first < kW && p.second >= 0 && p.second < kH; }

// The walk as its definition reads, every one of its n steps taken: the oracle.
Pixels FullWalk(float px1, float py1, float px2, float py2) {
  const float dx = std::fabs(px2 - px1), dy = std::fabs(py2 - py1);
  float e, e1, e2, s1x, s1y, s2x = 1, s2y = 1, span;
  if (dx > dy) {
    span = dx + 1, e = 2 * dy - dx, e1 = 2 * dy, e2 = 2 * (dy - dx), s1x = 1, s1y = 0;
  } else {
    span = dy + 1, e = 2 * dx - dy, e1 = 2 * dx, e2 = 2 * (dx - dy), s1x = 0, s1y = 1;
  }
  if (px1 > px2) s1x = -s1x, s2x = -s2x;
  if (py1 > py2) s1y = -s1y, s2y = -s2y;
  const int32_t n = model::RoundToInt32(span);
  float x = px1, y = py1;
  Pixels out;
  for (int32_t i = 0; i < n; ++i) {
    const auto p = PixelOf(x, y);
    if (Inside(p)) out.push_back(p);
    if (e < 0) {
      e = e + e1, x = x + s1x, y = y + s1y;
    } else {
      e = e + e2, x = x + s2x, y = y + s2y;
    }
  }
  return out;
}

Pixels ClippedWalk(float px1, float py1, float px2, float py2, int64_t* handled = nullptr) {
  LineWalk w;
  Pixels out;
  if (!StartLineWalk(px1, py1, px2, py2, w)) return out;
  int64_t count = 0;
  WalkLineWithin(w, PixelReach{-1, -1, kW, kH}, [&](float x, float y) {
    ++count;
    const auto p = PixelOf(x, y);
    if (Inside(p)) out.push_back(p);
    return false;
  });
  if (handled) *handled = count;
  return out;
}

TEST(LineWalk, StepCountsFollowTheLongerSpanPlusOneHalfToEven) {
  LineWalk w;
  ASSERT_TRUE(StartLineWalk(0, 0, 2.5f, 1, w));
  EXPECT_EQ(w.n, 4);  // 3.5 rounds to 4
  EXPECT_TRUE(w.x_major);
  ASSERT_TRUE(StartLineWalk(0, 0, 1, 1.5f, w));
  EXPECT_EQ(w.n, 2);  // 2.5 rounds to 2
  EXPECT_FALSE(w.x_major);
  ASSERT_TRUE(StartLineWalk(3.2f, 4.7f, 3.2f, 4.7f, w));
  EXPECT_EQ(w.n, 1);
  // dx = dy takes the y-major branch: e starts at dx and e2 is 0, so every step is diagonal.
  ASSERT_TRUE(StartLineWalk(0, 0, 5, -5, w));
  EXPECT_FALSE(w.x_major);
  EXPECT_EQ(w.e, 5.0f);
  EXPECT_EQ(w.e2, 0.0f);
  EXPECT_EQ(ClippedWalk(0, 10, 5, 5), (Pixels{{0, 10}, {1, 9}, {2, 8}, {3, 7}, {4, 6}, {5, 5}}));
  // Right to left: x steps by -1 and y by 0.
  ASSERT_TRUE(StartLineWalk(9, 3, 6, 3, w));
  EXPECT_EQ(w.s1x, -1.0f);
  EXPECT_EQ(w.s1y, 0.0f);
  EXPECT_EQ(ClippedWalk(9, 3, 6, 3), (Pixels{{9, 3}, {8, 3}, {7, 3}, {6, 3}}));
}

TEST(LineWalk, RefusesEndsThatAreNotNumbersAndCountsBeyondThirtyTwoBits) {
  LineWalk w;
  EXPECT_FALSE(StartLineWalk(NAN, 0, 1, 1, w));
  EXPECT_FALSE(StartLineWalk(0, 0, INFINITY, 1, w));
  EXPECT_FALSE(StartLineWalk(-2.0e9f, 0, 2.0e9f, 0, w));
  EXPECT_TRUE(StartLineWalk(-1.0e9f, 0, 1.0e9f, 0, w));
  EXPECT_EQ(w.n, 2000000000);  // 2e9 + 1 is 2e9 in single precision
}

TEST(LineWalk, AdvancingLandsOnTheVeryStateOfTheStepByStepWalk) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> pos(-3000, 3000);
  for (int trial = 0; trial < 300; ++trial) {
    LineWalk w;
    ASSERT_TRUE(StartLineWalk(pos(rng), pos(rng), pos(rng) * 20, pos(rng) * 7, w));
    LineWalk stepped = w;
    const int64_t k = std::uniform_int_distribution<int64_t>(0, w.n - 1)(rng);
    for (int64_t i = 0; i < k; ++i) StepLine(stepped);
    LineWalk advanced = w;
    ASSERT_TRUE(AdvanceLineWalk(advanced, k));
    EXPECT_EQ(advanced.x, stepped.x) << trial;
    EXPECT_EQ(advanced.y, stepped.y) << trial;
    EXPECT_EQ(advanced.e, stepped.e) << trial;
  }
}

// Any segment, however long or far out, hands the image exactly the pixels of the full
// walk, in the same order.
TEST(LineWalk, ClippedWalkSetsTheFullWalksPixelsInsideTheImage) {
  std::mt19937 rng(2024);
  std::uniform_real_distribution<float> near(-60, 120);
  std::uniform_real_distribution<double> unit(0, 1);
  int crossing = 0;
  auto check = [&](float x1, float y1, float x2, float y2) {
    const Pixels want = FullWalk(x1, y1, x2, y2);
    const Pixels got = ClippedWalk(x1, y1, x2, y2);
    ASSERT_EQ(got, want) << x1 << "," << y1 << " -> " << x2 << "," << y2;
    if (!want.empty()) ++crossing;
  };
  for (int i = 0; i < 2000; ++i) check(near(rng), near(rng), near(rng), near(rng));
  // Long segments through or past the image, at every slope, from far outside.
  for (int i = 0; i < 600; ++i) {
    const double length = std::pow(10.0, 2 + 3.3 * unit(rng));
    const double angle = 2 * M_PI * unit(rng);
    const double along = length * unit(rng);
    const double cx = 32 + 80 * (unit(rng) - 0.5), cy = 24 + 60 * (unit(rng) - 0.5);
    const float x1 = static_cast<float>(cx - along * std::cos(angle));
    const float y1 = static_cast<float>(cy - along * std::sin(angle));
    const float x2 = static_cast<float>(cx + (length - along) * std::cos(angle));
    const float y2 = static_cast<float>(cy + (length - along) * std::sin(angle));
    check(x1, y1, x2, y2);
  }
  // Nearly axis-parallel ones, whose error terms barely move.
  for (int i = 0; i < 200; ++i) {
    const float x1 = static_cast<float>(-1.0e5 * unit(rng)), y = near(rng);
    check(x1, y, static_cast<float>(1.0e5 * unit(rng)), y + static_cast<float>(3 * (unit(rng) - 0.5)));
    check(y, x1, y + static_cast<float>(3 * (unit(rng) - 0.5)), static_cast<float>(1.0e5 * unit(rng)));
  }
  EXPECT_GT(crossing, 1500);  // most of them do reach the image
}

TEST(LineWalk, ClippedWalkHandlesNoMoreThanTheImageNeeds) {
  int64_t handled = 0;
  const Pixels got = ClippedWalk(-1.0e6f, 20.25f, 1.0e6f, 30.75f, &handled);
  EXPECT_EQ(got.size(), static_cast<size_t>(kW));
  EXPECT_LT(handled, 200);
  // A segment that passes the image by keeps nothing.
  EXPECT_TRUE(ClippedWalk(-1.0e6f, 200, 1.0e6f, 300, &handled).empty());
  EXPECT_EQ(handled, 0);
}

TEST(LineWalk, FarStartsBeyondSinglePrecisionStepsStayWhereTheFullWalkStays) {
  // Past 2^25 adding one leaves a float unchanged: the full walk never leaves its start.
  EXPECT_TRUE(ClippedWalk(4.0e7f, 10, -4.0e7f, 12).empty());
  // Just above 2^24 it moves once by two, then on by ones into the image: 16.8 million
  // steps, compared with every one taken.
  for (float start : {16777218.0f, 16777216.0f, 16777220.0f}) {
    const float y1 = 10.5f, x2 = -10, y2 = 30.25f;
    EXPECT_EQ(ClippedWalk(start, y1, x2, y2), FullWalk(start, y1, x2, y2)) << start;
  }
  EXPECT_FALSE(FullWalk(16777218.0f, 20, -10, 20).empty());
}

TEST(LineWalk, VeryLongRunsOfTheErrorTermAreFollowedExactly) {
  // A shallow line twelve million pixels long that crosses the image near its end.
  const float x1 = -1.2e7f + 0.3f, y1 = -35.2f, x2 = 100.7f, y2 = 40.9f;
  EXPECT_EQ(ClippedWalk(x1, y1, x2, y2), FullWalk(x1, y1, x2, y2));
  // And a steep one that does at a third of its way.
  const float a1 = -3.0e6f, b1 = -9.0e6f + 0.7f, a2 = 6.0e6f, b2 = 1.8e7f;
  EXPECT_EQ(ClippedWalk(a1, b1, a2, b2), FullWalk(a1, b1, a2, b2));
}

// Segments of sixteen to eighteen million pixels whose error term reaches beyond 2^24,
// where its additions round: once for the slopes near one, over and over for the one whose
// minor span has a half. Ends at whole and half pixels and just below a half; the
// image at one end or in the middle; each segment walked both ways.
TEST(LineWalk, LongSegmentsWhoseErrorTermRoundsAreFollowedExactly) {
  const float segments[][4] = {
      {-16000011.0f, -5999979.5f, 30.0f, 21.0f},           // slope 0.375: 1.6 million rounded steps
      {40.499996f, 10.5f, -15999977.0f, 15999990.0f},      // slope -1 + 2.3e-6
      {-9000001.0f, -9000010.0f, 9000049.0f, 9000036.0f},  // nearly diagonal, through the image
  };
  for (const auto& s : segments) {
    for (bool reverse : {false, true}) {
      const float x1 = reverse ? s[2] : s[0], y1 = reverse ? s[3] : s[1];
      const float x2 = reverse ? s[0] : s[2], y2 = reverse ? s[1] : s[3];
      const Pixels want = FullWalk(x1, y1, x2, y2);
      EXPECT_FALSE(want.empty());
      EXPECT_EQ(ClippedWalk(x1, y1, x2, y2), want) << x1 << "," << y1 << " -> " << x2 << "," << y2;
    }
  }
}

}  // namespace
}  // namespace view
