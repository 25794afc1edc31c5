#include "view/grid_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "draw_support.h"
#include "view/redraw.h"
#include "view_fixture.h"

namespace view {
namespace {

using drawtest::PixelsOf;
using model::G;
using Pixel = std::pair<int, int>;

class GridAndAxes : public testing::DefaultView {};

TEST_F(GridAndAxes, DefaultGridHasElevenColumnsAndTenRows) {
  DrawGrid();
  std::set<Pixel> expected;
  for (int x = 100; x <= 1100; x += 100)
    for (int y = 1000; y >= 100; y -= 100) expected.insert({x, 1000 - y});
  EXPECT_EQ(PixelsOf(Base(), model::Blue), expected);
  EXPECT_EQ(expected.size(), 110u);
}

TEST_F(GridAndAxes, GridStaysOffWhenHiddenTooDenseOrBadlySpaced) {
  for (auto setup : {+[] { G.ShowGrid = 0; }, +[] { G.ShowGrid = 2; }, +[] { G.GridTooDense = model::True; },
                     +[] { G.GridSpacing = 0; }, +[] { G.GridSpacing = -5; }}) {
    SetUp();
    setup();
    DrawGrid();
    EXPECT_TRUE(PixelsOf(Base(), model::Blue).empty());
  }
}

// A view read back with a non-finite or far-off scale gets no grid and no axes, and
// leaves the axis labels as they were.
TEST_F(GridAndAxes, AViewBeyondABillionUnitsOrNotFiniteHasNoGridAndNoAxes) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float left, top, width, height;
  } views[] = {
      {NAN, 1000, 1200, -1000},  {0, NAN, 1200, -1000},     {0, 1000, inf, -1000},    {0, 1000, 1200, -inf},
      {2e9f, 1000, 1200, -1000}, {0, -1.5e9f, 1200, -1000}, {0, 1000, 1.1e9f, -1000}, {0, 1000, 1200, -2e9f},
  };
  for (const auto& v : views) {
    SetUp();
    Base().SetScale(v.left, v.top, v.width, v.height);
    windows::Sheet().XaxisL.Left = 7;
    DrawGrid();
    DrawAxes();
    EXPECT_TRUE(PixelsOf(Base(), model::Blue).empty()) << v.left << " " << v.top << " " << v.width << " " << v.height;
    EXPECT_TRUE(PixelsOf(Base(), model::Black).empty()) << v.left << " " << v.top << " " << v.width << " " << v.height;
    EXPECT_FLOAT_EQ(windows::Sheet().XaxisL.Left, 7);
  }
  // A billion units is still a view.
  SetUp();
  Base().SetScale(-1e9f, 1000, 1200, -1000);
  DrawAxes();
  EXPECT_FALSE(PixelsOf(Base(), model::Black).empty());
}

// Dots closer than two pixels, along either axis, are not drawn at all; two pixels apart
// they are.
TEST_F(GridAndAxes, AGridWhoseDotsWouldLieCloserThanTwoPixelsIsNotDrawn) {
  const struct {
    int16_t spacing;
    float width, height;
    size_t dots;
  } cases[] = {
      {1, 1200, -1000, 0},          // one pixel apart
      {2, 1200, -1000, 599 * 500},  // columns 2..1198, rows 1000..2
      {10, 100000, -1000, 0},       // 0.12 pixels across
      {5, 1200, -3000, 0},          // 1.67 pixels down
      {100, 1200, -1000, 110},      // the default grid
  };
  for (const auto& c : cases) {
    SetUp();
    G.GridSpacing = c.spacing;
    Base().SetScale(0, 1000, c.width, c.height);
    DrawGrid();
    EXPECT_EQ(PixelsOf(Base(), model::Blue).size(), c.dots) << c.spacing << " " << c.width << " " << c.height;
  }
}

TEST_F(GridAndAxes, GlobalAxesGlyphSitsAtItsOrigin) {
  windows::SheetForm& sheet = windows::Sheet();
  DrawAxes();
  // Origin (65, 100): dotted black lines up to (65, 200) and right to (165, 100).
  const std::set<Pixel> black = PixelsOf(Base(), model::Black);
  EXPECT_TRUE(black.count({65, 900}));
  EXPECT_TRUE(black.count({65, 899}));
  EXPECT_FALSE(black.count({65, 898}));  // the dotted pen skips two
  EXPECT_TRUE(black.count({66, 900}));
  EXPECT_TRUE(black.count({69, 900}));
  EXPECT_FALSE(black.count({165, 900}));  // the last pixel is left out
  EXPECT_FALSE(black.count({65, 800}));
  EXPECT_FLOAT_EQ(sheet.YaxisL.Left, 40);
  EXPECT_FLOAT_EQ(sheet.YaxisL.Top, 205);
  EXPECT_FLOAT_EQ(sheet.XaxisL.Left, 150);
  EXPECT_FLOAT_EQ(sheet.XaxisL.Top, 90);
  EXPECT_TRUE(sheet.XaxisL.Visible);
  EXPECT_FALSE(sheet.PxAxisL.Visible);
  EXPECT_TRUE(PixelsOf(Base(), model::Red).empty());
}

TEST_F(GridAndAxes, PrincipalModeAddsTheTiltedSymbolAndItsLabels) {
  windows::SheetForm& sheet = windows::Sheet();
  G.RotAxis = model::False;
  DrawAxes();
  EXPECT_FALSE(sheet.XaxisL.Visible);
  EXPECT_FALSE(sheet.YaxisL.Visible);
  EXPECT_TRUE(sheet.PxAxisL.Visible && sheet.PyAxisL.Visible && sheet.PaxisPhiL.Visible);
  EXPECT_FLOAT_EQ(sheet.PxAxisL.Left, 140);
  EXPECT_FLOAT_EQ(sheet.PxAxisL.Top, 155);
  EXPECT_FLOAT_EQ(sheet.PyAxisL.Left, 20);
  EXPECT_FLOAT_EQ(sheet.PyAxisL.Top, 180);
  EXPECT_FLOAT_EQ(sheet.PaxisPhiL.Left, 160);
  EXPECT_FLOAT_EQ(sheet.PaxisPhiL.Top, 127);
  // Red leans left of the vertical from the origin, blue above the horizontal.
  // Both dotted lines start at the origin: black first, then red, then blue on top. The
  // red one climbs steeply (30 pixels left over 96 up), so its second pixel lies straight
  // above the origin, over the black axis.
  EXPECT_EQ(Base().PixelAt(65, 900), model::Blue);
  EXPECT_EQ(Base().PixelAt(65, 899), model::Red);
  EXPECT_EQ(Base().PixelAt(66, 900), model::Blue);
}

TEST_F(GridAndAxes, ZoomedGlyphScalesWithZoomScale) {
  Base().SetScale(300, 750, 600, -500);  // one zoom in: two pixels a unit
  G.ZoomScale = 0.5f;
  DrawAxes();
  // Origin (300 + 32.5, 250 + 50) = (332.5, 300): column 65, row 900 again.
  EXPECT_EQ(Base().PixelAt(65, 900), model::Black);
  EXPECT_FLOAT_EQ(windows::Sheet().YaxisL.Left, 332.5f - 12.5f);
}

// A file may hold any finite zoom scale: near the largest single the glyph lies some 1e40
// units right of the view, beyond what a single holds. Its labels and the pen's last
// position stay finite (held at the largest single), and nothing of it shows.
TEST_F(GridAndAxes, AGlyphBeyondTheSingleRangeStaysFiniteAndOutOfSight) {
  for (const model::Bool16 axes : {model::True, model::False}) {
    SetUp();
    const windows::SheetForm& sheet = windows::Sheet();
    G.RotAxis = axes;
    G.ZoomScale = std::numeric_limits<float>::max();
    DrawAxes();
    for (const ui::Label* label : {&sheet.XaxisL, &sheet.YaxisL, &sheet.PxAxisL, &sheet.PyAxisL, &sheet.PaxisPhiL}) {
      EXPECT_TRUE(std::isfinite(label->Left)) << label->Name();
      EXPECT_TRUE(std::isfinite(label->Top)) << label->Name();
    }
    EXPECT_TRUE(std::isfinite(Base().CurrentX));
    EXPECT_TRUE(std::isfinite(Base().CurrentY));
    EXPECT_TRUE(PixelsOf(Base(), model::Black).empty());
    EXPECT_TRUE(PixelsOf(Base(), model::Red).empty());
    EXPECT_TRUE(PixelsOf(Base(), model::Blue).empty());
  }
}

TEST_F(GridAndAxes, HiddenGlyphLeavesLabelsAsTheyWere) {
  windows::SheetForm& sheet = windows::Sheet();
  G.ShowXY = 0;
  sheet.XaxisL.Visible = false;
  sheet.XaxisL.Left = 7;
  DrawAxes();
  EXPECT_FALSE(sheet.XaxisL.Visible);
  EXPECT_FLOAT_EQ(sheet.XaxisL.Left, 7);
  EXPECT_TRUE(PixelsOf(Base(), model::Black).empty());
}

TEST_F(GridAndAxes, RedrawSetsPasteFromTheClipboardText) {
  windows::SheetForm& sheet = windows::Sheet();
  headless_.platform.Clipboard = "Shape::,PL 200x 12#";
  RedrawDrawing();
  EXPECT_TRUE(sheet.Paste.Enabled);
  headless_.platform.Clipboard = "shape::,PL 200x 12#";
  RedrawDrawing();
  EXPECT_FALSE(sheet.Paste.Enabled);
  sheet.Paste.Enabled = true;
  headless_.platform.Clipboard.reset();  // no text: left as it was
  RedrawDrawing();
  EXPECT_TRUE(sheet.Paste.Enabled);
}

}  // namespace
}  // namespace view
