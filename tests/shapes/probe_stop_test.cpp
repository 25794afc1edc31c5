// The four families' test routines walk the draw routines' segments bit for bit and stop
// after the first segment whose probe found black, except after the last segment of a
// loop.

#include <vector>

#include "shapes/channel_outline.h"
#include "shapes/hss_outline.h"
#include "shapes/shape_fixture.h"
#include "shapes/sloped_flange_outline.h"
#include "shapes/tee_outline.h"
#include "view/draw_support.h"

namespace shapes {
namespace {

using drawtest::Recorder;

class ProbeStop : public shapetest::ShapeTest {};

struct Family {
  const char* name;
  void (*draw)(int32_t, int32_t, int32_t, int32_t);
  void (*test)(int32_t, int32_t, int32_t);
  std::vector<int> loop_ends;  // the last segment of each loop
};

TEST_F(ProbeStop, EachFamilyStopsRightAfterTheFirstHitButNotAtALoopsEnd) {
  const Family families[] = {
      {"channel", DrawChannelOutline, TestChannelOutline, {20}},
      {"sloped", DrawSlopedFlangeOutline, TestSlopedFlangeOutline, {36}},
      {"tee", DrawTeeOutline, TestTeeOutline, {16}},
      {"hss", DrawHSSOutline, TestHSSOutline, {20, 40}},
  };
  for (const Family& f : families) {
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
    model::G.OverlapFound = model::True;
    Recorder rec;
    f.test(-512, 77, 1);
    EXPECT_EQ(rec.hits.size(), 1u) << f.name;
  }
}

TEST_F(ProbeStop, IndicesOutsideTheElementArrayHandOverNothing) {
  Element(15, 100, 200, 10, 8, 20, 14, 10, 20);
  Recorder rec;
  for (int32_t index : {-1, 51}) {
    DrawChannelOutline(0, 0, index, 0);
    TestChannelOutline(0, 0, index);
    DrawSlopedFlangeOutline(0, 0, index, 0);
    TestSlopedFlangeOutline(0, 0, index);
    DrawTeeOutline(0, 0, index, 0);
    TestTeeOutline(0, 0, index);
    DrawHSSOutline(0, 0, index, 0);
    TestHSSOutline(0, 0, index);
  }
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
  // Index 0 is an entry of the array like any other.
  model::G.Elements[0] = model::G.Elements[1];
  DrawHSSOutline(0, 0, 0, 0);
  EXPECT_EQ(rec.lines.size(), 40u);
}

}  // namespace
}  // namespace shapes
