#include "view/element_draw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "view/draw_support.h"
#include "view/outline_trace.h"
#include "windows/sheet.h"

namespace view {
namespace {

using drawtest::DrawingArea;
using drawtest::PixelSet;
using drawtest::PixelsOf;
using drawtest::Recorder;
using drawtest::Segment;
using model::G;

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    windows::ResetSheet();
    G = model::Globals{};
  }
  // Appends an element and returns its index.
  int Add(int16_t code, float b, float d, float tf = 10, float tw = 8) {
    const int i = ++G.ElementCount;
    auto& e = G.Elements[i];
    e.ShapeType = code;
    e.Width = b, e.Depth = d, e.FlangeThickness = tf, e.WebThickness = tw;
    e.FilletDepthK = 2 * tf, e.FilletWidthK1 = tw, e.InnerRadius = tf, e.OuterRadius = 2 * tf;
    e.MirrorSign = 1;
    return i;
  }
  // 800 by 400 pixels, one a millimetre: column X + 300, row 350 - Y.
  ui::PictureBox& Area() { return DrawingArea(800, 400, -300, 350, 800, -400); }
  ui::headless::ScopedHeadless headless_;
};

// The dot of pen width 5 around each point, as the drawing area plots it.
PixelSet Dots(std::initializer_list<std::pair<int, int>> centres) {
  PixelSet out;
  for (auto [x, y] : centres)
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (dx * dx + dy * dy <= 6.25) out.insert({x + dx, y + dy});
  return out;
}

TEST_F(Dispatch, ChoosesTheOutlineByShapeType) {
  struct Case {
    int16_t code;
    size_t lines, circles;
  };
  // A negative code is below 6 and not 2: a parallel-flange I-section.
  const Case cases[] = {{-1, 28, 0}, {-32768, 28, 0}, {0, 28, 0}, {4, 28, 0}, {18, 28, 0}, {2, 36, 0},
                        {6, 20, 0},  {7, 20, 0},      {8, 10, 0}, {9, 16, 0}, {10, 16, 0}, {15, 40, 0},
                        {16, 40, 0}, {17, 0, 2},      {50, 4, 0}, {51, 0, 1}, {11, 0, 0},  {12, 0, 0},
                        {14, 0, 0},  {19, 0, 0},      {49, 0, 0}, {52, 0, 0}};
  for (const Case& c : cases) {
    G = model::Globals{};
    const int i = Add(c.code, 100, 200);
    Recorder rec;
    DrawElement(10, 20, i, model::Red);
    EXPECT_EQ(rec.lines.size(), c.lines) << c.code;
    EXPECT_EQ(rec.circles.size(), c.circles) << c.code;
    EXPECT_EQ(rec.colours, std::vector<int32_t>(c.lines + c.circles, model::Red)) << c.code;
    EraseElement(10, 20, i);
    TestElementOverlap(10, 20, i);
    EXPECT_EQ(rec.hits.size(), c.lines) << c.code;
    EXPECT_EQ(rec.circle_hits.size(), c.circles) << c.code;
  }
}

TEST_F(Dispatch, SelectedPlateWithItsEightHandles) {
  auto& base = Area();
  const int i = Add(50, 200, 10);
  G.Elements[i].Selected = model::True;
  {
    Recorder rec;
    DrawElement(100, 50, i, model::Black);
    EXPECT_EQ(rec.lines,
              (std::vector<Segment>{{100, 50, 300, 50}, {300, 50, 300, 60}, {300, 60, 100, 60}, {100, 60, 100, 50}}));
  }
  DrawElement(100, 50, i, model::Black);
  // (100, 50), (300, 50), (300, 60), (100, 60), (200, 50), (200, 60), (300, 55), (100, 55)
  EXPECT_EQ(PixelsOf(base, model::Blue),
            Dots({{400, 300}, {600, 300}, {600, 290}, {400, 290}, {500, 300}, {500, 290}, {600, 295}, {400, 295}}));
  EXPECT_EQ(base.DrawWidth, 1);
  EXPECT_EQ(G.IsDrawingHandles, model::False);
}

TEST_F(Dispatch, MirroredAndTurnedPlateHandles) {
  auto& base = Area();
  const int i = Add(50, 200, 10);
  auto& e = G.Elements[i];
  e.Selected = model::True;
  e.MirrorSign = -1;
  DrawElement(100, 50, i, model::Black);
  // Reflected about x = 100: the handle (b, 0) at (-100, 50).
  EXPECT_EQ(base.PixelAt(200, 300), model::Blue);
  EXPECT_EQ(base.PixelAt(600, 300), model::White);
  EXPECT_EQ(base.PixelAt(500, 300), model::White);
  base.Cls();
  e.MirrorSign = 1;
  e.Angle = model::Pi / 2;
  DrawElement(100, 50, i, model::Black);
  EXPECT_EQ(base.PixelAt(400, 100), model::Blue);  // (b, 0) at (100, 250)
}

TEST_F(Dispatch, PreviewGetsBlueHandlesAndErasingLeavesTheAreaWhite) {
  auto& base = Area();
  for (int16_t code : {1, 2, 6, 8, 9, 15, 17, 50, 51}) {
    G = model::Globals{};
    const int i = Add(code, 120, 180);
    G.Elements[i].Selected = model::True;
    G.Elements[i].Angle = 0.4;
    DrawElement(-50, 20, i, model::Red);
    EXPECT_GT(drawtest::CountOf(base, model::Red), 0u) << code;
    EXPECT_GT(drawtest::CountOf(base, model::Blue), 0u) << code;
    EraseElement(-50, 20, i);
    EXPECT_EQ(drawtest::CountOf(base, model::White), 800u * 400u) << code;
    EXPECT_EQ(G.IsErasing, model::False);
    EXPECT_EQ(base.DrawWidth, 1);
  }
}

TEST_F(Dispatch, UnselectedElementLeavesThePenAlone) {
  Area().DrawWidth = 3;
  const int i = Add(50, 20, 10);
  Recorder rec;
  DrawElement(0, 0, i, 0);
  EXPECT_EQ(windows::Sheet().Base.DrawWidth, 3);
}

TEST_F(Dispatch, CircularHollowSectionAndBar) {
  const int chs = Add(17, 100, 100, 10);
  G.Elements[chs].Selected = model::True;
  {
    Recorder rec;
    DrawElement(0, 0, chs, model::Black);
    EXPECT_EQ(rec.circles, (std::vector<drawtest::Circle>{{50, 50, 50}, {50, 50, 40}}));
  }
  auto& base = Area();
  DrawElement(0, 0, chs, model::Black);
  // Handles on the outer circle: (50, 0), (50, 100), (100, 50), (0, 50).
  for (auto [x, y] : {std::pair{350, 350}, {350, 250}, {400, 300}, {300, 300}})
    EXPECT_EQ(base.PixelAt(x, y), model::Blue);
  G.Elements[chs].FlangeThickness = 60;
  G.Elements[chs].Selected = model::False;
  Recorder rec;
  DrawElement(0, 0, chs, model::Black);
  EXPECT_EQ(rec.circles[1].r, -10);  // drawn with its magnitude
  G.Elements[chs].FlangeThickness = 0;
  DrawElement(0, 0, chs, model::Black);
  EXPECT_EQ(rec.circles[2], rec.circles[3]);
  const int bar = Add(51, 30, 30);
  DrawElement(7, 8, bar, model::Black);
  EXPECT_EQ(rec.circles.back(), (drawtest::Circle{22, 23, 15}));
}

TEST_F(Dispatch, PlatesAndHollowCirclesProbeEveryPart) {
  const int plate = Add(50, 200, 10);
  const int chs = Add(17, 100, 100, 10);
  Recorder rec;
  rec.hit_on = 1;
  TestElementOverlap(100, 50, plate);
  EXPECT_EQ(rec.hits.size(), 4u);
  EXPECT_EQ(G.OverlapFound, model::True);
  TestElementOverlap(0, 0, chs);
  EXPECT_EQ(rec.circle_hits.size(), 2u);
  EXPECT_EQ(G.OverlapFound, model::True);
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.circles.empty());
}

// What the draw routines set, the test routines find: on the real drawing area each outline
// drawn in black is reported as an overlap at the same place and none a little away.
TEST_F(Dispatch, EveryOutlineFindsItselfOnTheDrawingArea) {
  auto& base = Area();
  for (int16_t code : {1, 2, 6, 8, 9, 15, 17, 50, 51}) {
    G = model::Globals{};
    base.Cls();
    const int i = Add(code, 120, 180, 12, 9);
    G.Elements[i].Angle = 1.1;
    G.Elements[i].MirrorSign = -1;
    DrawElement(-20, 10, i, model::Black);
    TestElementOverlap(-20 + 250, 10, i);
    EXPECT_EQ(G.OverlapFound, model::False) << code;
    TestElementOverlap(-20, 10, i);
    EXPECT_EQ(G.OverlapFound, model::True) << code;
  }
}

// Each standard-shape family is drawn, erased and probed through its own outline routines:
// the dispatcher hands over exactly what the family's draw and test routine hand over for
// the same element, and its test stops on the same segment after a hit.
TEST_F(Dispatch, EachFamilyGoesThroughItsOutlineRoutines) {
  struct Case {
    int16_t code;
    void (*draw)(int32_t, int32_t, int32_t, int32_t);
    void (*test)(int32_t, int32_t, int32_t);
  };
  const Case cases[] = {
      {-1, DrawParallelFlangeOutline, TestParallelFlangeOutline},
      {18, DrawParallelFlangeOutline, TestParallelFlangeOutline},
      {8, DrawAngleOutline, TestAngleOutline},
      {7, DrawChannelOutline, TestChannelOutline},
      {2, DrawSlopedFlangeOutline, TestSlopedFlangeOutline},
      {10, DrawTeeOutline, TestTeeOutline},
      {16, DrawHSSOutline, TestHSSOutline},
  };
  for (const Case& c : cases) {
    G = model::Globals{};
    const int i = Add(c.code, 120, 180, 12, 9);
    G.Elements[i].Angle = 0.9;
    G.Elements[i].MirrorSign = -1;
    Recorder routine;
    c.draw(-40, 25, i, model::Red);
    c.draw(-40, 25, i, model::White);
    routine.hit_on = 3;
    c.test(-40, 25, i);
    G.OverlapFound = model::False;
    Recorder dispatched;
    DrawElement(-40, 25, i, model::Red);
    EraseElement(-40, 25, i);
    dispatched.hit_on = 3;
    TestElementOverlap(-40, 25, i);
    EXPECT_EQ(dispatched.lines, routine.lines) << c.code;
    EXPECT_EQ(dispatched.colours, routine.colours) << c.code;
    EXPECT_EQ(dispatched.hits.size(), 3u) << c.code;
    EXPECT_EQ(dispatched.hits, routine.hits) << c.code;
    EXPECT_TRUE(dispatched.circles.empty()) << c.code;
  }
}

// A figure is drawn whole or not at all: a selected hollow section whose outline fits in
// single precision but whose corner handle (b, d) does not (at 45 degrees it lies
// (b + d) / sqrt 2 = 3.54e38 up) draws no outline and is not probed either; nor is an I
// whose outline alone overflows.
TEST_F(Dispatch, AFigureWithAnyPointBeyondSinglePrecisionIsNeitherDrawnNorProbed) {
  auto& base = Area();
  const int hss = Add(15, 2.5e38f, 2.5e38f, 0);
  G.Elements[hss].OuterRadius = G.Elements[hss].InnerRadius = 0.5e38f;  // its outline reaches 3.29e38
  G.Elements[hss].Angle = model::Pi / 4;
  G.Elements[hss].Selected = model::True;
  const int i = Add(1, 100, 3.0e38f);
  G.Elements[i].FilletDepthK = -3.0e38f;  // d - k overflows, every handle is finite
  G.Elements[i].Selected = model::True;
  Recorder rec;
  for (int index : {hss, i}) {
    DrawElement(0, 0, index, model::Black);
    EraseElement(0, 0, index);
    TestElementOverlap(0, 0, index);
  }
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
  // Neither plotted a handle.
  EXPECT_EQ(drawtest::CountOf(base, model::Blue), 0u);
}

TEST_F(Dispatch, IndicesNotInUseDrawNothingAndLeaveTheFlagsClear) {
  auto& base = Area();
  Add(50, 200, 10);
  G.Elements[2] = G.Elements[1];  // a slot above ElementCount
  Recorder rec;
  for (int32_t index : {-5, 0, 2, 51, 100000}) {
    G.IsDrawingHandles = model::True;
    DrawElement(0, 0, index, 0);
    EXPECT_EQ(G.IsDrawingHandles, model::False);
    G.IsErasing = model::True;
    EraseElement(0, 0, index);
    EXPECT_EQ(G.IsErasing, model::False);
    TestElementOverlap(0, 0, index);
  }
  EXPECT_TRUE(rec.lines.empty());
  EXPECT_TRUE(rec.hits.empty());
  EXPECT_EQ(base.DrawWidth, 1);
}

TEST_F(Dispatch, GeometryThatIsNotANumberDrawsNothingAtAll) {
  auto& base = Area();
  const int i = Add(50, 200, 10);
  G.Elements[i].Selected = model::True;
  G.Elements[i].Angle = NAN;
  DrawElement(0, 0, i, model::Black);
  G.Elements[i].Angle = 0;
  G.Elements[i].Depth = INFINITY;
  DrawElement(0, 0, i, model::Black);
  // An I whose fillet alone overflows still draws neither outline nor handles.
  const int j = Add(1, 100, 200);
  G.Elements[j].Selected = model::True;
  G.Elements[j].FilletDepthK = -3.0e38f;
  G.Elements[j].Depth = 3.0e38f;
  DrawElement(0, 0, j, model::Black);
  EXPECT_EQ(drawtest::CountOf(base, model::White), 800u * 400u);
  EXPECT_EQ(G.IsDrawingHandles, model::False);
}

}  // namespace
}  // namespace view
