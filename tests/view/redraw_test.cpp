#include "view/redraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/properties.h"
#include "view/layout.h"
#include "view/pixel_primitives.h"
#include "view_fixture.h"

namespace view {
namespace {

using model::G;

class Redraw : public testing::DefaultView {
 protected:
  // A 200 x 100 plate with its lower-left corner at (x, y).
  void AddPlate(int32_t x, int32_t y, bool selected = false) {
    model::ElementRecord& p = G.Elements[++G.ElementCount];
    p = model::ElementRecord{};
    p.ShapeType = 50;
    p.Width = 200;
    p.Depth = 100;
    p.FlangeThickness = 100;
    p.WebThickness = 200;
    p.MirrorSign = 1;
    p.PosX = x;
    p.PosY = y;
    p.ElemArea = 20000;
    p.ElemIx = 200.0f * 100 * 100 * 100 / 12;
    p.ElemIy = 200.0f * 200 * 200 * 100 / 12;
    p.CentroidX = 100;
    p.CentroidY = 50;
    p.Selected = selected ? model::True : model::False;
  }
};

TEST_F(Redraw, DrawsEveryElementInBlackAndRecalculates) {
  G.UnitStatus = model::True;
  G.SIPrec = 2;
  AddPlate(610, 510);  // off the grid, so no dot covers the corners
  AddPlate(210, 210);
  RedrawDrawing();
  EXPECT_EQ(Base().PixelAt(610, 490), model::Black);  // corners of both plates
  EXPECT_EQ(Base().PixelAt(210, 790), model::Black);
  EXPECT_EQ(Base().PixelAt(710, 440), model::White);  // inside a plate
  EXPECT_FALSE(G.IsRedrawing);
  EXPECT_FLOAT_EQ(G.SecArea, 40000);
  EXPECT_EQ(windows::Sheet().Area.Caption, " 40000");
}

TEST_F(Redraw, WithNoElementsTheResultsPanelKeepsWhatItShowed) {
  windows::Sheet().Area.Caption = " 123";
  G.SecArea = 123;
  RedrawDrawing();
  EXPECT_EQ(windows::Sheet().Area.Caption, " 123");
  EXPECT_FLOAT_EQ(G.SecArea, 123);
}

TEST_F(Redraw, OnlyEverEnablesCutAndCopy) {
  windows::SheetForm& sheet = windows::Sheet();
  AddPlate(600, 500);
  sheet.Cut.Enabled = sheet.Copy.Enabled = false;  // as a command that deselects leaves them
  RedrawDrawing();
  EXPECT_FALSE(sheet.Cut.Enabled);
  EXPECT_FALSE(sheet.Copy.Enabled);
  G.Elements[1].Selected = model::True;
  RedrawDrawing();
  EXPECT_TRUE(sheet.Cut.Enabled);
  EXPECT_TRUE(sheet.Copy.Enabled);
  G.Elements[1].Selected = model::False;
  RedrawDrawing();
  EXPECT_TRUE(sheet.Cut.Enabled);  // the commands that deselect disable them, not the redraw
}

TEST_F(Redraw, BlackGlobalAxesBlockAProbeButThePrincipalSymbolDoesNot) {
  G.RotAxis = model::False;
  G.ShowGrid = 0;
  RedrawDrawing();
  // The vertical axis runs up from (65, 100) with two pixels on, two off: 48 pixels up
  // (y = 148) is on.
  G.OverlapFound = model::False;
  PixelLineHit(50, 148, 80, 148);
  EXPECT_TRUE(G.OverlapFound);
  // Across the red line only (it leans left from the origin), left of the black axis.
  G.OverlapFound = model::False;
  PixelLineHit(30, 180, 60, 180);
  EXPECT_FALSE(G.OverlapFound);
  int redCrossed = 0;  // the probe did pass over the red line (near x = 40 at that height)
  for (int px = 30; px < 60; ++px) redCrossed += Base().PixelAt(px, 820) == model::Red;
  EXPECT_GT(redCrossed, 0);
  // Across the blue line only (it rises slightly from the origin), above the black axis.
  G.OverlapFound = model::False;
  // Column 121 is 56 pixels along the dotted line, so it carries a dot (two on, two off).
  PixelLineHit(121, 105, 121, 140);
  EXPECT_FALSE(G.OverlapFound);
  int blueCrossed = 0;
  for (int py = 860; py < 895; ++py) blueCrossed += Base().PixelAt(121, py) == model::Blue;
  EXPECT_GT(blueCrossed, 0);
}

// A count read from a damaged document or a bad paste never sends the redraw past the
// element array; the fifty elements it has are drawn.
TEST_F(Redraw, ACountBeyondTheArrayDrawsTheFiftyElements) {
  for (int16_t count : {51, 32767}) {
    SetUp();
    for (int i = 1; i < model::MaxElements; ++i) AddPlate(10, 20);
    AddPlate(610, 510);  // the fiftieth, off the grid
    G.ElementCount = count;
    windows::Sheet().Cut.Enabled = false;  // as a command that deselects leaves it
    RedrawDrawing();
    EXPECT_EQ(Base().PixelAt(10, 980), model::Black) << count;  // the first plate's corner
    EXPECT_EQ(Base().PixelAt(610, 490), model::Black) << count;
    EXPECT_FALSE(windows::Sheet().Cut.Enabled) << count;
  }
}

// The channel warping case shows its e0 message on every recalculation. A redraw asked
// for while that box is open (a resize of the main window) must not run a second
// recalculation inside the first: the elements are back as drawn while the box waits,
// the redraw follows once the box is closed, and no box opens inside another.
class RedrawDuringAMessage : public Redraw {
 protected:
  void SetUp() override {
    Redraw::SetUp();
    AddPlate(300, 300);
    AddPlate(600, 300);
    G.Elements[1].Angle = 0.2;
    G.RotAxis = model::False;
    // Flange 300 x 20, web 500 x 10: e0 = 128.4 mm.
    G.ManualCw = 4;
    G.WarpPickStep = 2;
    G.WarpPicks[1].Width = 300;
    G.WarpPicks[1].Depth = 20;
    G.WarpPicks[2].Width = 10;
    G.WarpPicks[2].Depth = 500;
  }
};

TEST_F(RedrawDuringAMessage, WaitsForTheRecalculationAndThenRunsOnce) {
  int open = 0, deepest = 0, resized = 0;
  std::vector<std::pair<double, double>> anglesWhileOpen;
  headless_.platform.WhileMessageOpen = [&](const std::string&) {
    ++open;
    deepest = std::max(deepest, open);
    anglesWhileOpen.emplace_back(G.Elements[1].Angle, G.Elements[2].Angle);
    if (resized++ == 0) {
      windows::Sheet().Width += 600;  // the user widens the window behind the box
      Form_Resize();
    }
    --open;
  };
  RedrawDrawing();

  // One box for the first recalculation, one for the redraw that the resize asked for.
  ASSERT_EQ(headless_.platform.Messages.size(), 2u);
  EXPECT_EQ(std::stod(headless_.platform.Messages[0]), std::stod(headless_.platform.Messages[1]));
  EXPECT_NEAR(std::stod(headless_.platform.Messages[0]), 128.4, 0.05);
  EXPECT_EQ(deepest, 1);
  for (const auto& [a1, a2] : anglesWhileOpen) {
    EXPECT_EQ(a1, 0.2);
    EXPECT_EQ(a2, 0.0);
  }
  EXPECT_EQ(G.Elements[1].Angle, 0.2);
  EXPECT_EQ(G.Elements[2].Angle, 0.0);
  EXPECT_EQ(G.Elements[1].PosX, 300);
  EXPECT_EQ(G.Elements[2].PosX, 600);
  EXPECT_FALSE(G.Recalculating);
  EXPECT_FALSE(G.RedrawRunning);
  EXPECT_FALSE(G.RedrawRequested);
  // The layout of the resize took effect at once.
  EXPECT_FLOAT_EQ(windows::Sheet().Base.Width, windows::Sheet().Width - 2700);
}

// A recalculation asked for directly (Undo, Cut) while one runs does nothing: the running
// one owns the turned elements.
TEST_F(RedrawDuringAMessage, ARecalculationInsideAnotherDoesNothing) {
  int calls = 0;
  headless_.platform.WhileMessageOpen = [&](const std::string&) {
    if (calls++ == 0) model::RecalcProperties();
  };
  model::RecalcProperties();
  EXPECT_EQ(headless_.platform.Messages.size(), 1u);
  EXPECT_EQ(G.Elements[1].Angle, 0.2);
  EXPECT_EQ(G.Elements[2].Angle, 0.0);
}

// An exception out of the box's event loop reaches the handler that shows it to the user,
// and the program goes on: the next redraw and recalculation must still run.
TEST_F(RedrawDuringAMessage, AnExceptionWhileTheBoxIsOpenLeavesTheNextRedrawRunning) {
  headless_.platform.WhileMessageOpen = [](const std::string&) { throw std::runtime_error("behind the box"); };
  EXPECT_THROW(RedrawDrawing(), std::runtime_error);
  EXPECT_FALSE(G.Recalculating);
  EXPECT_FALSE(G.RedrawRunning);

  headless_.platform.WhileMessageOpen = nullptr;
  headless_.platform.Messages.clear();
  RedrawDrawing();
  EXPECT_EQ(headless_.platform.Messages.size(), 1u);  // the e0 box again: it recalculated
  EXPECT_EQ(G.Elements[1].Angle, 0.2);
  EXPECT_EQ(G.Elements[2].Angle, 0.0);
}

}  // namespace
}  // namespace view
