#include "shapes/tee_outline.h"

#include "shapes/shape_fixture.h"

namespace shapes {
namespace {

using shapetest::Listing;
using shapetest::Nearest;

class Tee : public shapetest::ShapeTest {};

TEST_F(Tee, HasItsSixteenVerticesFlangeAtTheBottom) {
  Element(9, 200, 100, 10, 8, 20, 14);
  const Listing rec = ListOf(TeeOutline, 0, 0);
  EXPECT_EQ(rec.Vertices(), Nearest({{0, 0},
                                     {200, 0},
                                     {200, 10},
                                     {114, 10},
                                     {109, 12},
                                     {107.3, 13.3},
                                     {106, 15},
                                     {104, 20},
                                     {104, 100},
                                     {96, 100},
                                     {96, 20},
                                     {94, 15},
                                     {92.7, 13.3},
                                     {91, 12},
                                     {86, 10},
                                     {0, 10}}));
  EXPECT_EQ(rec.lines[5].x1, 107.30000305f);
}

TEST_F(Tee, MirroredItRunsClockwiseToTheLeft) {
  Element(10, 200, 100, 10, 8, 20, 14).MirrorSign = -1;
  const Listing rec = ListOf(TeeOutline, 300, 50);
  EXPECT_EQ(rec.Vertices(), Nearest({{300, 50},
                                     {100, 50},
                                     {100, 60},
                                     {186, 60},
                                     {191, 62},
                                     {192.7, 63.3},
                                     {194, 65},
                                     {196, 70},
                                     {196, 150},
                                     {204, 150},
                                     {204, 70},
                                     {206, 65},
                                     {207.3, 63.3},
                                     {209, 62},
                                     {214, 60},
                                     {300, 60}}));
}

TEST_F(Tee, QuarterTurnPointsTheStemToMinusX) {
  Element(9, 200, 100, 10, 8, 20, 14).Angle = model::Pi / 2;
  const Listing rec = ListOf(TeeOutline, 0, 0);
  const auto v = rec.Vertices();
  EXPECT_NEAR(v[1].first, 0, 1e-4);  // flange outer face along the y axis
  EXPECT_NEAR(v[1].second, 200, 1e-4);
  EXPECT_NEAR(v[2].first, -10, 1e-4);   // its inner face at x = -10
  EXPECT_NEAR(v[8].first, -100, 1e-4);  // the stem's end
  EXPECT_NEAR(v[8].second, 104, 1e-4);
}

TEST_F(Tee, FilletReachesThatContradictTheStemAreTracedAsTheyCome) {
  Element(9, 200, 100, 10, 8, 5, 2);
  {
    const Listing rec = ListOf(TeeOutline, 0, 0);
    const auto v = rec.Vertices();
    EXPECT_EQ(std::vector(v.begin() + 3, v.begin() + 8),
              Nearest({{102, 10}, {103, 9}, {103.34, 8.35}, {103.6, 7.5}, {104, 5}}));
  }
  Element(9, 200, 100, 10, 8, 20, 120);
  const Listing rec = ListOf(TeeOutline, 0, 0);
  EXPECT_EQ(rec.Vertices()[3], (std::pair{220.0f, 10.0f}));
  EXPECT_EQ(rec.Vertices()[14], (std::pair{-20.0f, 10.0f}));
}

}  // namespace
}  // namespace shapes
