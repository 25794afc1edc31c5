// The parallel-flange I-section and angle outlines: vertex tables, mirrored and turned
// cases, and outlines beyond single precision.

#include <cmath>

#include "shapes/angle_outline.h"
#include "shapes/parallel_flange_outline.h"
#include "shapes/shape_fixture.h"

namespace shapes {
namespace {

using model::G;
using shapetest::Listing;
using shapetest::Nearest;
using shapetest::Vertices;

class Outlines : public shapetest::ShapeTest {
 protected:
  model::ElementRecord& I(float d, float b, float tf, float tw, float k, float k1) {
    return Element(1, b, d, tf, tw, k, k1);
  }
  model::ElementRecord& Angle(float b, float d, float t) { return Element(8, b, d, t, 0, 0); }
};

TEST_F(Outlines, ParallelFlangeIHasItsTwentyEightVertices) {
  I(200, 100, 10, 6, 20, 13);
  const Listing rec = ListOf(ParallelFlangeOutline, 1000, 500);
  EXPECT_EQ(
      rec.Vertices(),
      Nearest({{1000, 500}, {1100, 500}, {1100, 510}, {1063, 510},     {1058, 512}, {1056.3, 513.3}, {1055, 515},
               {1053, 520}, {1053, 680}, {1055, 685}, {1056.3, 686.7}, {1058, 688}, {1063, 690},     {1100, 690},
               {1100, 700}, {1000, 700}, {1000, 690}, {1037, 690},     {1042, 688}, {1043.7, 686.7}, {1045, 685},
               {1047, 680}, {1047, 520}, {1045, 515}, {1043.7, 513.3}, {1042, 512}, {1037, 510},     {1000, 510}}));
}

TEST_F(Outlines, ParallelFlangeIMirroredAndTurned) {
  auto& e = I(200, 100, 10, 6, 20, 13);
  e.MirrorSign = -1;
  {
    const Listing rec = ListOf(ParallelFlangeOutline, 1000, 500);
    const Vertices v = rec.Vertices();
    EXPECT_EQ(v[1], (std::pair{900.0f, 500.0f}));
    EXPECT_EQ(v[3], (std::pair{937.0f, 510.0f}));
    EXPECT_EQ(v[14], (std::pair{900.0f, 700.0f}));
  }
  e.Angle = model::Pi / 6;
  const Listing rec = ListOf(ParallelFlangeOutline, 1000, 500);
  const Vertices v = rec.Vertices();
  EXPECT_NEAR(v[1].first, 913.3975, 1e-4);
  EXPECT_NEAR(v[1].second, 550, 1e-4);
  EXPECT_NEAR(v[2].first, 918.3975, 1e-4);
  EXPECT_NEAR(v[2].second, 558.6603, 1e-4);
  EXPECT_EQ(v[0], (std::pair{1000.0f, 500.0f}));
}

TEST_F(Outlines, ParallelFlangeIWithoutFilletsKeepsItsTwentyEightSegments) {
  I(200, 100, 10, 6, 10, 3);  // k = tf, k1 = tw / 2
  const Listing rec = ListOf(ParallelFlangeOutline, 0, 0);
  ASSERT_EQ(rec.lines.size(), 28u);
  int zero = 0;
  for (const auto& s : rec.lines) zero += s.x1 == s.x2 && s.y1 == s.y2;
  EXPECT_EQ(zero, 16);
}

TEST_F(Outlines, AngleHasItsTenVertices) {
  Angle(100, 150, 10);
  const Listing rec = ListOf(AngleOutline, 100, 100);
  EXPECT_EQ(rec.Vertices(), Nearest({{100, 100},
                                     {200, 100},
                                     {200, 110},
                                     {120, 110},
                                     {115, 111},
                                     {113, 113},
                                     {111, 115},
                                     {110, 120},
                                     {110, 250},
                                     {100, 250}}));
}

TEST_F(Outlines, AngleMirroredAndTurned) {
  auto& e = Angle(100, 150, 10);
  e.MirrorSign = -1;
  {
    const Listing rec = ListOf(AngleOutline, 100, 100);
    EXPECT_EQ(rec.Vertices(), Nearest({{100, 100},
                                       {0, 100},
                                       {0, 110},
                                       {80, 110},
                                       {85, 111},
                                       {87, 113},
                                       {89, 115},
                                       {90, 120},
                                       {90, 250},
                                       {100, 250}}));
  }
  // A quarter turn: the u leg points up, the v leg to the left (x = X - v, y = Y + u).
  e.MirrorSign = 1;
  e.Angle = 1.570796325;
  const Listing rec = ListOf(AngleOutline, 100, 100);
  const Vertices v = rec.Vertices();
  const std::pair<double, double> local[] = {{0, 0},   {100, 0}, {100, 10}, {20, 10},  {15, 11},
                                             {13, 13}, {11, 15}, {10, 20},  {10, 150}, {0, 150}};
  for (int i = 0; i < 10; ++i) {
    EXPECT_NEAR(v[i].first, 100 - local[i].second, 1e-3) << i;
    EXPECT_NEAR(v[i].second, 100 + local[i].first, 1e-3) << i;
  }
}

TEST_F(Outlines, GeometryBeyondSinglePrecisionMakesTheOutlineUnusable) {
  auto& e = I(200, 100, 10, 6, 20, 13);
  EXPECT_TRUE(ParallelFlangeOutline(0, 0, e).Finite());
  e.FilletDepthK = -3.0e38f;  // d - k is beyond single precision
  e.Depth = 3.0e38f;
  EXPECT_FALSE(ParallelFlangeOutline(0, 0, e).Finite());
  Angle(100, 150, 10).Angle = NAN;
  EXPECT_FALSE(AngleOutline(0, 0, G.Elements[1]).Finite());
}

}  // namespace
}  // namespace shapes
