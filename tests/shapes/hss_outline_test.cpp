#include "shapes/hss_outline.h"

#include "shapes/shape_fixture.h"

namespace shapes {
namespace {

using shapetest::Listing;
using shapetest::Nearest;
using shapetest::Vertices;

class HSS : public shapetest::ShapeTest {};

Vertices Loop(const Listing& rec, int loop) {
  const Vertices v = rec.Vertices();
  return Vertices(v.begin() + 20 * loop, v.begin() + 20 * (loop + 1));
}

TEST_F(HSS, OuterAndInnerRoundedRectangles) {
  Element(15, 100, 200, 10, 0, 0, 0, 10, 20);
  const Listing rec = ListOf(HSSOutline, 0, 0);
  ASSERT_EQ(rec.lines.size(), 40u);
  EXPECT_EQ(Loop(rec, 0), Nearest({{20, 0},   {80, 0},   {88, 2},   {96, 10},  {99, 16},  {100, 20}, {100, 180},
                                   {99, 184}, {96, 190}, {88, 198}, {80, 200}, {20, 200}, {12, 198}, {4, 190},
                                   {1, 184},  {0, 180},  {0, 20},   {1, 16},   {4, 10},   {12, 2}}));
  EXPECT_EQ(Loop(rec, 1), Nearest({{20, 10},    {80, 10},  {84, 11},  {88, 15},   {89.5, 18}, {90, 20},  {90, 180},
                                   {89.5, 182}, {88, 185}, {84, 189}, {80, 190},  {20, 190},  {16, 189}, {12, 185},
                                   {10.5, 182}, {10, 180}, {10, 20},  {10.5, 18}, {12, 15},   {16, 11}}));
}

TEST_F(HSS, MirroredEveryXIsNegated) {
  Element(16, 100, 200, 10, 0, 0, 0, 10, 20).MirrorSign = -1;
  const Listing rec = ListOf(HSSOutline, 0, 0);
  EXPECT_EQ(rec.lines[0], (shapetest::Segment{-20, 0, -80, 0}));
  EXPECT_EQ(rec.lines[20], (shapetest::Segment{-20, 10, -80, 10}));
}

TEST_F(HSS, AWallThickerThanHalfTheWidthFoldsTheInnerLoop) {
  Element(15, 100, 300, 60, 0, 0, 0, 10, 0);
  const Listing rec = ListOf(HSSOutline, 0, 0);
  EXPECT_EQ(rec.lines[20], (shapetest::Segment{70, 60, 30, 60}));
  EXPECT_EQ(rec.lines[25].x1, 40);  // W5: the inner right side on u = 40
  EXPECT_EQ(rec.lines[35].x1, 60);  // W15: the inner left side on u = 60
}

TEST_F(HSS, NoWallAndEqualRadiiTraceTheOuterLoopTwice) {
  Element(15, 100, 200, 0, 0, 0, 0, 20, 20).Angle = 0.3;
  const Listing rec = ListOf(HSSOutline, 17, 23);
  EXPECT_EQ(std::vector(rec.lines.begin(), rec.lines.begin() + 20),
            std::vector(rec.lines.begin() + 20, rec.lines.end()));
}

TEST_F(HSS, SquareCornersKeepTwentySegmentsALoop) {
  Element(15, 100, 200, 10, 0, 0, 0, 0, 0);
  const Listing rec = ListOf(HSSOutline, 0, 0);
  ASSERT_EQ(rec.lines.size(), 40u);
  int zero = 0;
  for (const auto& s : rec.lines) zero += s.x1 == s.x2 && s.y1 == s.y2;
  EXPECT_EQ(zero, 32);
}

}  // namespace
}  // namespace shapes
