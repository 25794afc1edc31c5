#include "view/pixel_primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "view/draw_support.h"
#include "windows/sheet.h"

namespace view {
namespace {

using drawtest::DrawingArea;
using drawtest::PixelSet;
using drawtest::PixelsOf;
using model::G;

class PixelPrimitives : public ::testing::Test {
 protected:
  void SetUp() override {
    windows::ResetSheet();
    G = model::Globals{};
  }
  ui::headless::ScopedHeadless headless_;
};

// One unit a pixel, y up: pixel column X, pixel row 10 - Y.
ui::PictureBox& UnitArea() { return DrawingArea(20, 10, 0, 10, 20, -10); }

TEST_F(PixelPrimitives, LineSetsTheWalksPixels) {
  auto& base = UnitArea();
  // A longer span of 2.5 pixels: 3.5 rounds to 4 points.
  PixelLine(1, 8, 3.5f, 7, model::Black);
  EXPECT_EQ(PixelsOf(base, model::Black), (PixelSet{{1, 2}, {2, 2}, {3, 3}, {4, 3}}));
  // One of 1.5 pixels: 2.5 rounds to 2 points, and the second end is not reached.
  base.Cls();
  PixelLine(1, 8, 2, 6.5f, model::Red);
  EXPECT_EQ(PixelsOf(base, model::Red), (PixelSet{{1, 2}, {2, 3}}));
  // A segment whose ends meet sets the one pixel under them.
  base.Cls();
  PixelLine(7.2f, 3.1f, 7.2f, 3.1f, model::Black);
  EXPECT_EQ(PixelsOf(base, model::Black), (PixelSet{{7, 7}}));
  // Right to left along a row.
  base.Cls();
  PixelLine(9, 5, 6, 5, model::Black);
  EXPECT_EQ(PixelsOf(base, model::Black), (PixelSet{{6, 5}, {7, 5}, {8, 5}, {9, 5}}));
}

// The Qt backend repaints when the revision moves: every primitive that sets a pixel
// must move it, a probe never, and each call must see the drawing area's size of the
// moment.
TEST_F(PixelPrimitives, DrawingMovesTheRevisionProbingDoesNotAndEachCallFollowsTheSize) {
  auto& base = UnitArea();
  uint64_t before = base.Revision();
  PixelLineHit(1, 1, 15, 8);
  PixelCircleHit(10, 5, 3);
  PixelLine(30, 1, 40, 8, model::Black);  // beyond the right edge
  EXPECT_EQ(base.Revision(), before);
  PixelLine(1, 1, 15, 8, model::Black);
  EXPECT_GT(base.Revision(), before);
  before = base.Revision();
  PixelCircle(10, 5, 3, model::Red);
  EXPECT_GT(base.Revision(), before);
  // Twice as wide, the scale kept: a unit becomes two pixels across.
  base.Width = static_cast<float>((40 + 4) * ui::TwipsPerPixel);
  PixelLine(0, 2, 20, 2, model::Blue);
  const PixelSet blue = PixelsOf(base, model::Blue);
  EXPECT_EQ(blue.size(), 40u);
  EXPECT_TRUE(blue.count({39, 8}));
}

// Each pixel is set by PSet in pixel units, so the current position ends at the last
// pixel walked, in pixels; a walk that sets nothing leaves it alone.
TEST_F(PixelPrimitives, TheCurrentPositionEndsAtTheLastPixelWalked) {
  auto& base = UnitArea();
  PixelLine(1, 8, 3.5f, 7, model::Black);  // pixels (1, 2), (2, 2), (3, 3), (4, 3)
  EXPECT_EQ(base.CurrentX, 4);
  EXPECT_EQ(base.CurrentY, 3);
  PixelLine(30, 1, 40, 8, model::Black);  // wholly beyond the right edge
  EXPECT_EQ(base.CurrentX, 4);
  EXPECT_EQ(base.CurrentY, 3);
  // A radius of 1 pixel walks one group, whose last pixel is (cx - x, cy + y) = (10 - 1, 5 + 0).
  PixelCircle(10, 5, 1, model::Black);
  EXPECT_EQ(base.CurrentX, 9);
  EXPECT_EQ(base.CurrentY, 5);
}

TEST_F(PixelPrimitives, EveryPrimitiveLeavesTheScaleAtWholeNumbers) {
  auto& base = DrawingArea(40, 30, 12.5f, 62.5f, 37.5f, -62.5f);
  PixelLine(20, 20, 30, 30, model::Black);
  EXPECT_EQ(base.ScaleLeft, 12);
  EXPECT_EQ(base.ScaleTop, 62);
  EXPECT_EQ(base.ScaleWidth, 38);
  EXPECT_EQ(base.ScaleHeight, -62);
  EXPECT_EQ(base.ScaleMode, ui::ScaleModes::User);
  for (auto call :
       {+[] { PixelLineHit(1, 1, 2, 2); }, +[] { PixelCircle(5, 5, 2, 0); }, +[] { PixelCircleHit(5, 5, 2); }}) {
    base.SetScale(13.5f, 2.5f, 100.5f, -99.5f);
    call();
    EXPECT_EQ(base.ScaleLeft, 14);
    EXPECT_EQ(base.ScaleTop, 2);
    EXPECT_EQ(base.ScaleWidth, 100);
    EXPECT_EQ(base.ScaleHeight, -100);
  }
}

TEST_F(PixelPrimitives, AViewThatWouldRoundToNothingIsLeftAloneAndNothingIsDrawn) {
  auto& base = DrawingArea(20, 10, 0, 10, 0.4f, -10);
  PixelLine(0, 0, 0.3f, 10, model::Black);
  PixelCircle(0.2f, 5, 3, model::Black);
  EXPECT_TRUE(PixelsOf(base, model::Black).empty());
  EXPECT_EQ(base.ScaleWidth, 0.4f);
  base.SetScale(0, 10, 20, -0.5f);  // -0.5 rounds to 0 as well
  PixelLineHit(0, 0, 20, 10);
  EXPECT_EQ(base.ScaleHeight, -0.5f);
  base.SetScale(NAN, 10, 20, -10);
  PixelLine(0, 0, 20, 10, model::Black);
  EXPECT_TRUE(PixelsOf(base, model::Black).empty());
  EXPECT_EQ(G.OverlapFound, model::False);
}

TEST_F(PixelPrimitives, EndsThatAreNotNumbersDrawNothing) {
  auto& base = UnitArea();
  PixelLine(NAN, 1, 5, 5, model::Black);
  PixelLine(1, 1, INFINITY, 5, model::Black);
  PixelCircle(5, 5, NAN, model::Black);
  PixelCircle(5, 5, 1.0e30f, model::Black);
  EXPECT_TRUE(PixelsOf(base, model::Black).empty());
}

TEST_F(PixelPrimitives, ProbeFindsBlackOnItsWalkAndNeverClearsTheFlag) {
  auto& base = UnitArea();
  base.SetPixel(8, 5, model::Black);
  PixelLineHit(2, 5, 7, 5);  // stops one short of the black pixel
  EXPECT_EQ(G.OverlapFound, model::False);
  PixelLineHit(2, 5, 12, 5);
  EXPECT_EQ(G.OverlapFound, model::True);
  // Over white it leaves the flag as it was, true included.
  PixelLineHit(2, 2, 12, 2);
  EXPECT_EQ(G.OverlapFound, model::True);
  // Other colours are no hit.
  G.OverlapFound = model::False;
  base.SetPixel(4, 2, model::Red);
  PixelLineHit(2, 2, 12, 2);
  EXPECT_EQ(G.OverlapFound, model::False);
}

TEST_F(PixelPrimitives, ProbesCountNothingWhileRedrawingErasingOrDrawingHandles) {
  auto& base = UnitArea();
  base.SetPixel(5, 5, model::Black);
  for (model::Bool16 model::Globals::*flag :
       {&model::Globals::IsRedrawing, &model::Globals::IsErasing, &model::Globals::IsDrawingHandles}) {
    G.OverlapFound = model::False;
    G.*flag = model::True;
    PixelLineHit(0, 5, 10, 5);
    PixelCircleHit(5, 7, 2);
    EXPECT_EQ(G.OverlapFound, model::False);
    G.*flag = model::False;
  }
  PixelCircleHit(5, 7, 2);
  EXPECT_EQ(G.OverlapFound, model::True);
}

TEST_F(PixelPrimitives, CircleOfRadiusThree) {
  auto& base = UnitArea();
  PixelCircle(10, 5, 3, model::Black);
  PixelSet want;
  for (auto [dx, dy] : {std::pair{3, 0}, {0, 3}, {3, 1}, {1, 3}, {2, 2}})
    for (int sx : {-1, 1})
      for (int sy : {-1, 1}) want.insert({10 + sx * dx, 5 + sy * dy});
  EXPECT_EQ(PixelsOf(base, model::Black), want);
  // Radius 0: the centre alone.
  base.Cls();
  PixelCircle(4, 4, 0, model::Black);
  EXPECT_EQ(PixelsOf(base, model::Black), (PixelSet{{4, 6}}));
  // A negative radius is drawn with its magnitude.
  base.Cls();
  PixelCircle(10, 5, -3, model::Black);
  EXPECT_EQ(PixelsOf(base, model::Black), want);
}

TEST_F(PixelPrimitives, CircleRadiusFollowsTheVerticalScaleAlone) {
  // Two pixels a unit across, one a unit up: the centre moves with both, the radius with
  // the vertical factor only, so a bar stays round on screen.
  auto& base = DrawingArea(40, 10, 0, 10, 20, -10);
  PixelCircle(5, 5, 3, model::Black);
  PixelSet want;
  for (auto [dx, dy] : {std::pair{3, 0}, {0, 3}, {3, 1}, {1, 3}, {2, 2}})
    for (int sx : {-1, 1})
      for (int sy : {-1, 1}) want.insert({10 + sx * dx, 5 + sy * dy});
  EXPECT_EQ(PixelsOf(base, model::Black), want);
}

TEST_F(PixelPrimitives, AWidePenJustOutsideTheImageStillReachesIn) {
  auto& base = UnitArea();
  base.DrawWidth = 5;
  // Pixel row -2: each dot of radius 2.5 reaches row 0 at dx = -1, 0, 1 (1 + 4 <= 6.25).
  PixelLine(2, 12, 6, 12, model::Black);
  PixelSet row0;
  for (int x = 1; x <= 7; ++x) row0.insert({x, 0});
  EXPECT_EQ(PixelsOf(base, model::Black), row0);
}

TEST_F(PixelPrimitives, EnormousSegmentsAtADeepZoomDrawTheirVisiblePartAtOnce) {
  // 100 pixels a unit: a segment 20 000 units long is two million pixels.
  auto& base = DrawingArea(64, 48, 0, 0.48f, 0.64f, -0.48f);
  base.SetScale(0, 1, 1, -1);  // whole numbers: 64 by 48 pixels a unit
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 20; ++i) PixelLine(-10000, 0.5f, 10000, 0.5f, model::Black);
  PixelLine(0.25f, -20000, 0.25f, 20000, model::Black);
  PixelLine(-7000, -5000, 7000.5f, 5000.5f, model::Black);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  PixelSet row, column;
  for (int x = 0; x < 64; ++x) row.insert({x, 24});
  for (int y = 0; y < 48; ++y) column.insert({16, y});
  const PixelSet black = PixelsOf(base, model::Black);
  for (auto p : row) EXPECT_TRUE(black.count(p)) << p.first;
  for (auto p : column) EXPECT_TRUE(black.count(p)) << p.second;
  EXPECT_LT(ms, 1000);
}

// The rectangle of the pixels in `set`; empty for none.
ui::PixelRect BoxOf(const PixelSet& set) {
  ui::PixelRect box;
  for (auto [x, y] : set) box.Unite(ui::PixelRect{x, y, x + 1, y + 1});
  return box;
}

// The Qt widget repaints what the drawing area records as changed: each primitive records
// the rectangle of the pixels it set, from the pixels' own rows and columns.
TEST_F(PixelPrimitives, EachPrimitiveRecordsTheRectangleOfThePixelsItSet) {
  struct Case {
    const char* what;
    std::function<void()> draw;
    ui::PixelRect area;
  };
  const std::vector<Case> cases = {
      {"a short segment", [] { PixelLine(1, 8, 3.5f, 7, model::Black); }, {1, 2, 5, 4}},
      {"right to left", [] { PixelLine(9, 5, 6, 5, model::Black); }, {6, 5, 10, 6}},
      // From x -5 to 30 on row 5: the image's 20 columns of it.
      {"cut by both sides", [] { PixelLine(-5, 5, 30, 5, model::Black); }, {0, 5, 20, 6}},
      {"a point", [] { PixelLine(7.2f, 3.1f, 7.2f, 3.1f, model::Black); }, {7, 7, 8, 8}},
      {"beyond the right edge", [] { PixelLine(30, 1, 40, 8, model::Black); }, {}},
      // The pixels of CircleOfRadiusThree, three each way of (10, 5).
      {"a circle", [] { PixelCircle(10, 5, 3, model::Black); }, {7, 2, 14, 9}},
      // Centre pixel (1, 5), radius 3: columns -2 to 4, of which 0 to 4 are in the image.
      {"a circle cut by the left edge", [] { PixelCircle(1, 5, 3, model::Black); }, {0, 2, 5, 9}},
      // Centre pixel (18, 1), radius 3: of columns 15 to 21 and rows -2 to 4, the image
      // holds 15 to 19 and 0 to 4, and the circle has pixels on each of those edges: (15, 1),
      // (19, 4), (18, 4), (15, 0).
      {"a circle cut by a corner", [] { PixelCircle(18, 9, 3, model::Black); }, {15, 0, 20, 5}},
      // Six pixels, x 2 to 7 on row 0; radius 1.5 takes in (1, 1) as 1 + 1 <= 2.25, so each
      // dot is a 3 x 3 square, its top row outside.
      {"a wide pen along the top edge",
       [] {
         windows::Sheet().Base.DrawWidth = 3;
         PixelLine(2, 10, 7, 10, model::Black);
       },
       {1, 0, 9, 2}},
      // AWidePenJustOutsideTheImageStillReachesIn: row 0 from x 1 to 7.
      {"a wide pen above the image",
       [] {
         windows::Sheet().Base.DrawWidth = 5;
         PixelLine(2, 12, 6, 12, model::Black);
       },
       {1, 0, 8, 1}},
      {"a probe", [] { PixelLineHit(1, 1, 15, 8); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto& base = UnitArea();
    base.TakeChanges();
    c.draw();
    const std::vector<ui::PixelRect> areas = base.TakeChanges().Areas;
    const PixelSet set = PixelsOf(base, model::Black);
    EXPECT_EQ(BoxOf(set), c.area);  // the case's own figure is right
    EXPECT_EQ(areas, c.area.Empty() ? std::vector<ui::PixelRect>{} : std::vector<ui::PixelRect>{c.area});
  }
}

// Segments and circles of every slope and size, in and across the edges of a small image,
// at a few scales and pens: every pixel set lies in a recorded rectangle, and a primitive
// that stays inside the image records no pixel more than its own.
TEST_F(PixelPrimitives, EveryPixelAPrimitiveSetsLiesInWhatItRecords) {
  std::mt19937 random(31);
  std::uniform_real_distribution<float> along(-12, 36), up(-8, 18), radius(0, 14);
  struct View {
    float left, top, width, height;
  };
  const View views[] = {{0, 10, 20, -10}, {0, 10, 40, -20}, {3, 8, 5, -4}};
  int checked = 0;
  for (const View& v : views)
    for (int pen : {1, 3, 5})
      for (int i = 0; i < 300; ++i) {
        auto& base = DrawingArea(24, 16, v.left, v.top, v.width, v.height);
        base.DrawWidth = static_cast<int16_t>(pen);
        base.TakeChanges();
        const bool circle = i % 3 == 0;
        const float a = along(random), b = up(random), c = along(random), d = up(random);
        if (circle) {
          PixelCircle(a, b, radius(random), model::Black);
        } else {
          PixelLine(a, b, c, d, model::Black);
        }
        const std::vector<ui::PixelRect> areas = base.TakeChanges().Areas;
        const PixelSet set = PixelsOf(base, model::Black);
        const std::string what = std::string(circle ? "circle" : "segment") + " " + std::to_string(a) + ", " +
                                 std::to_string(b) + ", " + std::to_string(c) + ", " + std::to_string(d) + " pen " +
                                 std::to_string(pen);
        for (auto [x, y] : set) {
          ASSERT_TRUE(std::any_of(
              areas.begin(), areas.end(),
              [x, y](const ui::PixelRect& r) { return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom; }))
              << what << ": pixel " << x << ", " << y;
        }
        const ui::PixelRect box = BoxOf(set);
        const bool inside = box.Left > 0 && box.Top > 0 && box.Right < 24 && box.Bottom < 16;
        if (pen == 1 && inside) {
          EXPECT_EQ(areas, std::vector<ui::PixelRect>{box}) << what;
        }
        checked += !set.empty();
      }
  EXPECT_GT(checked, 1000);  // most of them set something
}

}  // namespace
}  // namespace view
