// The parallel-flange I-section and angle outlines: vertex tables, mirrored and turned
// cases, and the test routines' early stop.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/globals.h"
#include "model/sheet.h"
#include "ui/headless/headless_platform.h"
#include "view/angle_outline.h"
#include "view/draw_support.h"
#include "view/parallel_flange_outline.h"

namespace view {
namespace {

using drawtest::ClosesExactly;
using drawtest::Recorder;
using model::G;
using Vertices = std::vector<std::pair<float, float>>;

class Outlines : public ::testing::Test {
 protected:
  void SetUp() override {
    model::ResetSheet();
    G = model::Globals{};
    G.ElementCount = 1;
  }
  model::ElementRecord& I(float d, float b, float tf, float tw, float k, float k1) {
    auto& e = G.Elements[1];
    e.ShapeType = 1;
    e.Depth = d, e.Width = b, e.FlangeThickness = tf, e.WebThickness = tw, e.FilletDepthK = k, e.FilletWidthK1 = k1;
    e.MirrorSign = 1;
    return e;
  }
  model::ElementRecord& Angle(float b, float d, float t) {
    auto& e = G.Elements[1];
    e.ShapeType = 8;
    e.Width = b, e.Depth = d, e.FlangeThickness = t;
    e.MirrorSign = 1;
    return e;
  }
  ui::headless::ScopedHeadless headless_;
};

// Each value is the single-precision number nearest to the decimal written.
Vertices Nearest(std::initializer_list<std::pair<double, double>> v) {
  Vertices out;
  for (auto [x, y] : v) out.push_back({static_cast<float>(x), static_cast<float>(y)});
  return out;
}

TEST_F(Outlines, ParallelFlangeIHasItsTwentyEightVertices) {
  I(200, 100, 10, 6, 20, 13);
  Recorder rec;
  DrawParallelFlangeOutline(1000, 500, 1, model::Red);
  EXPECT_EQ(
      rec.Vertices(),
      Nearest({{1000, 500}, {1100, 500}, {1100, 510}, {1063, 510},     {1058, 512}, {1056.3, 513.3}, {1055, 515},
               {1053, 520}, {1053, 680}, {1055, 685}, {1056.3, 686.7}, {1058, 688}, {1063, 690},     {1100, 690},
               {1100, 700}, {1000, 700}, {1000, 690}, {1037, 690},     {1042, 688}, {1043.7, 686.7}, {1045, 685},
               {1047, 680}, {1047, 520}, {1045, 515}, {1043.7, 513.3}, {1042, 512}, {1037, 510},     {1000, 510}}));
  EXPECT_TRUE(ClosesExactly(rec.lines, 0, rec.lines.size()));
  EXPECT_EQ(rec.colours, std::vector<int32_t>(28, model::Red));
  EXPECT_TRUE(rec.hits.empty());
}

TEST_F(Outlines, ParallelFlangeIMirroredAndTurned) {
  auto& e = I(200, 100, 10, 6, 20, 13);
  e.MirrorSign = -1;
  {
    Recorder rec;
    DrawParallelFlangeOutline(1000, 500, 1, 0);
    const Vertices v = rec.Vertices();
    EXPECT_EQ(v[1], (std::pair{900.0f, 500.0f}));
    EXPECT_EQ(v[3], (std::pair{937.0f, 510.0f}));
    EXPECT_EQ(v[14], (std::pair{900.0f, 700.0f}));
  }
  e.Angle = model::Pi / 6;
  Recorder rec;
  DrawParallelFlangeOutline(1000, 500, 1, 0);
  const Vertices v = rec.Vertices();
  EXPECT_NEAR(v[1].first, 913.3975, 1e-4);
  EXPECT_NEAR(v[1].second, 550, 1e-4);
  EXPECT_NEAR(v[2].first, 918.3975, 1e-4);
  EXPECT_NEAR(v[2].second, 558.6603, 1e-4);
  EXPECT_EQ(v[0], (std::pair{1000.0f, 500.0f}));
}

TEST_F(Outlines, ParallelFlangeIWithoutFilletsKeepsItsTwentyEightSegments) {
  I(200, 100, 10, 6, 10, 3);  // k = tf, k1 = tw / 2
  Recorder rec;
  DrawParallelFlangeOutline(0, 0, 1, 0);
  ASSERT_EQ(rec.lines.size(), 28u);
  int zero = 0;
  for (const auto& s : rec.lines) zero += s.x1 == s.x2 && s.y1 == s.y2;
  EXPECT_EQ(zero, 16);
}

TEST_F(Outlines, AngleHasItsTenVertices) {
  Angle(100, 150, 10);
  Recorder rec;
  DrawAngleOutline(100, 100, 1, model::Black);
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
  EXPECT_TRUE(ClosesExactly(rec.lines, 0, rec.lines.size()));
}

TEST_F(Outlines, AngleMirroredAndTurned) {
  auto& e = Angle(100, 150, 10);
  e.MirrorSign = -1;
  {
    Recorder rec;
    DrawAngleOutline(100, 100, 1, 0);
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
  Recorder rec;
  DrawAngleOutline(100, 100, 1, 0);
  const Vertices v = rec.Vertices();
  const std::pair<double, double> local[] = {{0, 0},   {100, 0}, {100, 10}, {20, 10},  {15, 11},
                                             {13, 13}, {11, 15}, {10, 20},  {10, 150}, {0, 150}};
  for (int i = 0; i < 10; ++i) {
    EXPECT_NEAR(v[i].first, 100 - local[i].second, 1e-3) << i;
    EXPECT_NEAR(v[i].second, 100 + local[i].first, 1e-3) << i;
  }
}

// The test routines probe the draw routine's segments, bit for bit, and stop right after
// the segment whose probe found black, but for the closing segment.
TEST_F(Outlines, TestRoutinesProbeTheDrawnSegmentsAndStopAtTheFirstHit) {
  struct Family {
    void (*draw)(int32_t, int32_t, int32_t, int32_t);
    void (*test)(int32_t, int32_t, int32_t);
    int segments;
  };
  for (const Family& f : {Family{DrawParallelFlangeOutline, TestParallelFlangeOutline, 28},
                          Family{DrawAngleOutline, TestAngleOutline, 10}}) {
    auto& e = f.segments == 28 ? I(310, 165, 9.7f, 5.8f, 22, 12) : Angle(152, 203, 19.1f);
    e.MirrorSign = -1;
    e.Angle = 0.7;
    Recorder drawn;
    f.draw(-37, 1234, 1, 0);
    for (int k = 0; k <= f.segments; ++k) {
      G.OverlapFound = model::False;
      Recorder rec;
      rec.hit_on = k;
      f.test(-37, 1234, 1);
      const size_t want = k == 0 ? f.segments : k;
      ASSERT_EQ(rec.hits.size(), want) << f.segments << " hit on " << k;
      EXPECT_EQ(rec.hits, std::vector(drawn.lines.begin(), drawn.lines.begin() + want));
      EXPECT_EQ(G.OverlapFound, k == 0 ? model::False : model::True);
    }
    // Entered with the flag already set: the first segment is still probed, then it stops.
    G.OverlapFound = model::True;
    Recorder rec;
    f.test(-37, 1234, 1);
    EXPECT_EQ(rec.hits.size(), 1u);
  }
}

TEST_F(Outlines, IndicesOutsideTheElementArrayDrawNothing) {
  I(200, 100, 10, 6, 20, 13);
  Recorder rec;
  for (int32_t index : {-1, 51, 1000}) {
    DrawParallelFlangeOutline(0, 0, index, 0);
    TestParallelFlangeOutline(0, 0, index);
    DrawAngleOutline(0, 0, index, 0);
    TestAngleOutline(0, 0, index);
  }
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
}

TEST_F(Outlines, GeometryBeyondSinglePrecisionDrawsNothing) {
  auto& e = I(200, 100, 10, 6, 20, 13);
  e.FilletDepthK = -3.0e38f;  // d - k is beyond single precision
  e.Depth = 3.0e38f;
  Recorder rec;
  DrawParallelFlangeOutline(0, 0, 1, 0);
  e = model::ElementRecord{};
  Angle(100, 150, 10).Angle = NAN;
  DrawAngleOutline(0, 0, 1, 0);
  TestAngleOutline(0, 0, 1);
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
}

}  // namespace
}  // namespace view
