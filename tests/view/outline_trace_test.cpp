// Every family's draw routine hands its outline's segments to PixelLine in order and in the
// caller's colour; its test routine walks the same segments bit for bit through
// PixelLineHit and stops after the first segment whose probe found black, except after the
// last segment of a loop.

#include "view/outline_trace.h"

#include <cmath>
#include <vector>

#include "shapes/angle_outline.h"
#include "shapes/channel_outline.h"
#include "shapes/hss_outline.h"
#include "shapes/parallel_flange_outline.h"
#include "shapes/shape_fixture.h"
#include "shapes/sloped_flange_outline.h"
#include "shapes/tee_outline.h"
#include "view/draw_support.h"

namespace view {
namespace {

using drawtest::ClosesExactly;
using drawtest::Recorder;

class OutlineTrace : public shapetest::ShapeTest {};

struct Family {
  const char* name;
  shapes::Outline (*outline)(int32_t, int32_t, const model::ElementRecord&);
  void (*draw)(int32_t, int32_t, int32_t, int32_t);
  void (*test)(int32_t, int32_t, int32_t);
  std::vector<int> loop_ends;  // the last segment of each loop
};

const Family kFamilies[] = {
    {"parallel-flange I", shapes::ParallelFlangeOutline, DrawParallelFlangeOutline, TestParallelFlangeOutline, {28}},
    {"angle", shapes::AngleOutline, DrawAngleOutline, TestAngleOutline, {10}},
    {"channel", shapes::ChannelOutline, DrawChannelOutline, TestChannelOutline, {20}},
    {"sloped", shapes::SlopedFlangeOutline, DrawSlopedFlangeOutline, TestSlopedFlangeOutline, {36}},
    {"tee", shapes::TeeOutline, DrawTeeOutline, TestTeeOutline, {16}},
    {"hss", shapes::HSSOutline, DrawHSSOutline, TestHSSOutline, {20, 40}},
};

TEST_F(OutlineTrace, EachFamilyDrawsItsOutlinesSegmentsInOrderEachLoopClosed) {
  for (const Family& f : kFamilies) {
    auto& e = Element(6, 203, 305, 13.1f, 7.9f, 31, 14, 9.5f, 19);
    e.Angle = 0.7;
    Recorder rec;
    f.draw(-37, 1234, 1, model::Red);
    const auto listed = shapetest::List(f.outline(-37, 1234, e)).lines;
    ASSERT_EQ(rec.lines.size(), listed.size()) << f.name;
    for (size_t i = 0; i < listed.size(); ++i) {
      EXPECT_EQ(rec.lines[i].x1, listed[i].x1) << f.name << i;
      EXPECT_EQ(rec.lines[i].y2, listed[i].y2) << f.name << i;
    }
    size_t from = 0;
    for (int end : f.loop_ends) {
      EXPECT_TRUE(ClosesExactly(rec.lines, from, end)) << f.name;
      from = end;
    }
    EXPECT_EQ(rec.colours, std::vector<int32_t>(listed.size(), model::Red)) << f.name;
    EXPECT_TRUE(rec.hits.empty()) << f.name;
  }
}

TEST_F(OutlineTrace, EachFamilyStopsRightAfterTheFirstHitButNotAtALoopsEnd) {
  for (const Family& f : kFamilies) {
    auto& e = Element(6, 203, 305, 13.1f, 7.9f, 31, 14, 9.5f, 19);
    e.MirrorSign = -1;
    e.Angle = 2.2;
    Recorder drawn;
    f.draw(-512, 77, 1, 0);
    const int total = f.loop_ends.back();
    ASSERT_EQ(static_cast<int>(drawn.lines.size()), total) << f.name;
    for (int k = 0; k <= total; ++k) {
      model::G.OverlapFound = model::False;
      Recorder rec;
      rec.hit_on = k;
      f.test(-512, 77, 1);
      // A hit on a loop's last segment is seen only after the next segment, if any.
      int want = k == 0 ? total : k;
      if (k == f.loop_ends[0] && f.loop_ends.size() > 1) want = k + 1;
      ASSERT_EQ(static_cast<int>(rec.hits.size()), want) << f.name << " hit on " << k;
      EXPECT_EQ(rec.hits, std::vector(drawn.lines.begin(), drawn.lines.begin() + want)) << f.name;
      EXPECT_EQ(model::G.OverlapFound, k == 0 ? model::False : model::True);
    }
    // Entered with the flag already set: the first segment is still probed, then it stops.
    model::G.OverlapFound = model::True;
    Recorder rec;
    f.test(-512, 77, 1);
    EXPECT_EQ(rec.hits.size(), 1u) << f.name;
  }
}

TEST_F(OutlineTrace, IndicesOutsideTheElementArrayHandOverNothing) {
  Element(15, 100, 200, 10, 8, 20, 14, 10, 20);
  Recorder rec;
  for (const Family& f : kFamilies) {
    for (int32_t index : {-1, 51, 1000}) {
      f.draw(0, 0, index, 0);
      f.test(0, 0, index);
    }
  }
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
  // Index 0 is an entry of the array like any other.
  model::G.Elements[0] = model::G.Elements[1];
  DrawHSSOutline(0, 0, 0, 0);
  EXPECT_EQ(rec.lines.size(), 40u);
}

TEST_F(OutlineTrace, GeometryBeyondSinglePrecisionDrawsAndProbesNothing) {
  auto& e = Element(1, 100, 3.0e38f, 10, 6, -3.0e38f, 13);  // d - k is beyond single precision
  Recorder rec;
  DrawParallelFlangeOutline(0, 0, 1, 0);
  TestParallelFlangeOutline(0, 0, 1);
  e = model::ElementRecord{};
  Element(8, 100, 150, 10, 0, 0).Angle = NAN;
  DrawAngleOutline(0, 0, 1, 0);
  TestAngleOutline(0, 0, 1);
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
}

}  // namespace
}  // namespace view
