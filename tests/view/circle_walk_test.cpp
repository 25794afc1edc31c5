#include "view/circle_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace view {
namespace {

using Point = std::pair<int, int>;
using Groups = std::vector<std::vector<Point>>;

constexpr int kW = 40;
constexpr int kH = 30;

Point PixelOf(float x, float y) {
  return {static_cast<int>(std::floor(static_cast<double>(x) + 0.5)),
          static_cast<int>(std::floor(static_cast<double>(y) + 0.5))};
}

// The in-image pixels of each group that has any, in walk order.
void Keep(Groups& out, const float* px, const float* py) {
  std::vector<Point> g;
  for (int i = 0; i < 4; ++i) {
    const Point p = PixelOf(px[i], py[i]);
    if (p.first >= 0 && p.first < kW && p.second >= 0 && p.second < kH) g.push_back(p);
  }
  if (!g.empty()) out.push_back(g);
}

// The circle walk as its definition reads, every pass taken: the oracle.
Groups FullCircle(float cx, float cy, float r) {
  Groups out;
  float x = r, y = 0, acc = 0, odd = 1, lim = 2 * r - 1;
  for (;;) {
    const float a[4] = {cx + y, cx + x, cx - y, cx - x}, b[4] = {cy + x, cy - y, cy - x, cy + y};
    Keep(out, a, b);
    y = y + 1, acc = acc + odd, odd = odd + 2;
    if (static_cast<float>(2 * acc) > lim) x = x - 1, acc = acc - lim, lim = lim - 2;
    if (y > x) break;
    const float c[4] = {cx + x, cx + y, cx - x, cx - y}, d[4] = {cy + y, cy - x, cy - y, cy + x};
    Keep(out, c, d);
  }
  return out;
}

Groups ClippedCircle(float cx, float cy, float r, int64_t* visited = nullptr) {
  Groups out;
  CircleWalk c;
  if (!StartCircleWalk(cx, cy, r, c)) return out;
  int64_t n = 0;
  WalkCircleWithin(c, PixelReach{-1, -1, kW, kH}, [&](const float* px, const float* py) {
    ++n;
    Keep(out, px, py);
    return false;
  });
  if (visited) *visited = n;
  return out;
}

// Every point the walk hands over, relative to the centre, with how often.
std::map<Point, int> Handled(float r) {
  std::map<Point, int> count;
  CircleWalk c;
  EXPECT_TRUE(StartCircleWalk(0, 0, r, c));
  WalkCircleWithin(c, PixelReach{-1e9, -1e9, 1e9, 1e9}, [&](const float* px, const float* py) {
    for (int i = 0; i < 4; ++i) ++count[PixelOf(px[i], py[i])];
    return false;
  });
  return count;
}

TEST(CircleWalk, RadiusThreeHandlesAxisPointsOnceAndTheDiagonalsTwice) {
  std::map<Point, int> want;
  for (Point p : {Point{3, 0}, {-3, 0}, {0, 3}, {0, -3}}) want[p] = 1;
  for (int sx : {-1, 1})
    for (int sy : {-1, 1}) {
      want[{3 * sx, 1 * sy}] = 1;
      want[{1 * sx, 3 * sy}] = 1;
      want[{2 * sx, 2 * sy}] = 2;
    }
  EXPECT_EQ(Handled(3), want);
}

TEST(CircleWalk, RadiusZeroHandlesTheCentreFourTimes) { EXPECT_EQ(Handled(0), (std::map<Point, int>{{{0, 0}, 4}})); }

TEST(CircleWalk, RefusesWhatCouldNeverEnd) {
  CircleWalk c;
  EXPECT_FALSE(StartCircleWalk(0, 0, 8388608.0f, c));
  EXPECT_FALSE(StartCircleWalk(0, 0, INFINITY, c));
  EXPECT_FALSE(StartCircleWalk(NAN, 0, 3, c));
  EXPECT_TRUE(StartCircleWalk(0, 0, 8388607.0f, c));
}

TEST(CircleWalk, ClippedWalkHandsTheImageTheFullWalksGroups) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> unit(0, 1);
  int crossing = 0;
  for (int i = 0; i < 400; ++i) {
    const float r = static_cast<float>(std::pow(10.0, 4.5 * unit(rng)));
    // Centres around the image, up to a radius away, so that the arc passes through it.
    const double angle = 2 * M_PI * unit(rng);
    const double reach = r * (0.9 + 0.2 * unit(rng));
    const float cx = static_cast<float>(20 + reach * std::cos(angle) + 10 * unit(rng));
    const float cy = static_cast<float>(15 + reach * std::sin(angle) + 10 * unit(rng));
    const Groups want = FullCircle(cx, cy, r);
    ASSERT_EQ(ClippedCircle(cx, cy, r), want) << cx << "," << cy << " r " << r;
    if (!want.empty()) ++crossing;
  }
  EXPECT_GT(crossing, 250);
}

TEST(CircleWalk, StopsOnceNoLaterGroupCanReachTheImage) {
  // A circle whose arc crosses the image right at the start of the walk (the group at
  // y = 0 lies on the image's row) ends soon after, not after its 70 000 passes.
  int64_t visited = 0;
  const Groups got = ClippedCircle(20 - 100000.0f, 15, 100000.0f, &visited);
  EXPECT_EQ(got, FullCircle(20 - 100000.0f, 15, 100000.0f));
  EXPECT_FALSE(got.empty());
  EXPECT_LT(visited, 100);
}

}  // namespace
}  // namespace view
