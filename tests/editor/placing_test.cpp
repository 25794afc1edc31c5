// Placing a new element: the ghost on the grid or in whole millimetres, the threshold,
// the pointer tip, the overlap hold and the placing click.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editing_fixture.h"
#include "editor/commands.h"
#include "editor/snap.h"
#include "editor/typed_entry.h"
#include "ui/input.h"
#include "view/grid_axes.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class Placing : public EditingTest {
 protected:
  model::ElementRecord Named(model::ElementRecord e) {
    e.NameSI = "PL 100x 50";
    e.NameImp = "PL 3.9x 2";
    return e;
  }
};

TEST_F(Placing, TheGhostStepsOnTheGridFromTheGhostBeforeTheCurrentOne) {
  G.SnapGrid = 1;  // GridSpacing 100
  StartPlacing(Plate(100, 50, 0, 0));
  struct Step {
    float x;
    int32_t ghost;  // GhostX and PosX after the move
  };
  // Each move is judged against the ghost before the current one; a y of 500 from the
  // start takes the first step at once.
  const Step steps[] = {
      {60, 100},   // y: 500 from 0; 0.6 -> 1
      {150, 200},  // 150 from 0; 1.5 -> 2 (half to even)
      {249, 200},  // 149 from 100; 2.49 -> 2
      {250, 200},  // 50 from 200: not a step
      {351, 400},  // 151 from 200; 3.51 -> 4
      {250, 400},  // 50 from 200: not a step
      {99, 100},   // 101 from 200, straight back to 1
  };
  for (const Step& s : steps) {
    Move(s.x, 500);
    SCOPED_TRACE(s.x);
    EXPECT_EQ(G.GhostX, s.ghost);
    EXPECT_EQ(G.GhostY, 500);
    EXPECT_EQ(E(1).PosX, s.ghost);
  }
}

TEST_F(Placing, WithoutGridSnapTheGhostIsThePointerInWholeMillimetresHalvesToEven) {
  StartPlacing(Plate(100, 50, 0, 0));
  Move(12.5f, 300);
  EXPECT_EQ(E(1).PosX, 12);
  Move(13.5f, 300);
  EXPECT_EQ(E(1).PosX, 14);
  EXPECT_EQ(E(1).PosY, 300);
}

TEST_F(Placing, APointerWithinOneStepOfTheStartMovesNothing) {
  G.SnapGrid = 1;
  StartPlacing(Plate(100, 50, 0, 0));
  Move(60, 60);
  EXPECT_EQ(G.GhostX, 0);
  EXPECT_EQ(G.GhostY, 0);
  EXPECT_EQ(drawtest::CountOf(Base(), model::Red), 0u);
}

TEST_F(Placing, TheElementIsDrawnInRedAtTheGhostAndTheOldGhostIsErased) {
  StartPlacing(Plate(100, 50, 0, 0));
  Move(300, 200);
  // The bottom and top edges of the plate at (300, 200).
  EXPECT_EQ(Pixel(350, 200), model::Red);
  EXPECT_EQ(Pixel(350, 250), model::Red);
  Move(500, 600);
  EXPECT_EQ(Pixel(350, 200), model::White);
  EXPECT_EQ(Pixel(550, 600), model::Red);
  EXPECT_EQ(Pixel(550, 650), model::Red);
}

TEST_F(Placing, TheTipShowsTheGhostOfTheLastAcceptedStep) {
  StartPlacing(Plate(100, 50, 0, 0));
  Move(300, 200);
  ui::Label& tip = sheet().Label1;
  EXPECT_TRUE(tip.Visible);
  EXPECT_EQ(tip.Caption, " 0,  0");  // the ghost where this event began
  Move(300.4f, 200.2f);              // no step: the tip catches up
  EXPECT_EQ(tip.Caption, " 300,  200");
  EXPECT_FLOAT_EQ(tip.Left, 225);
  EXPECT_FLOAT_EQ(tip.Top, 125);
  G.UnitStatus = model::False;
  Move(300, 200);
  EXPECT_EQ(tip.Caption, " 11.81,  7.87");  // 300 / 25.4 = 11.811, 200 / 25.4 = 7.874
}

TEST_F(Placing, TheCoordinateBoxShowsThePointer) {
  struct Case {
    bool mm;
    float x, y;
    const char* text;
  };
  const Case cases[] = {
      {true, 123.7f, 45.2f, " 123,  45"},
      {true, -0.5f, 10, "-1,  10"},
      {false, 100, 50.8f, " 3.94,  2"},
  };
  for (const Case& c : cases) {
    G.UnitStatus = c.mm ? model::True : model::False;
    Move(c.x, c.y);
    EXPECT_EQ(sheet().Coord.Text, c.text);
  }
}

TEST_F(Placing, TheFirstPointerMoveDrawsTheGridOnce) {
  G.ShowGrid = 1;
  G.GridRedrawPending = model::True;
  Move(10, 10);
  EXPECT_EQ(Pixel(300, 300), model::Blue);
  EXPECT_EQ(G.GridRedrawPending, model::False);
  Base().PSet(300, 300, model::White);
  Move(20, 20);
  EXPECT_EQ(Pixel(300, 300), model::White);
}

TEST_F(Placing, TheClickDropsTheElementWhereThePreviewShowedIt) {
  StartPlacing(Named(Plate(100, 50, 0, 0)));
  Move(300.4f, 200.6f);
  Click(310, 220);  // the click's own position plays no part
  EXPECT_EQ(G.PlaceMode, model::False);
  EXPECT_EQ(E(1).PosX, 300);
  EXPECT_EQ(E(1).PosY, 201);
  EXPECT_FALSE(sheet().Label1.Visible);
  EXPECT_EQ(sheet().TextEntry.Text, "");
  EXPECT_EQ(sheet().TextEntry.BackColor, model::ButtonFace);
  EXPECT_TRUE(sheet().TextEntry.Locked);
  EXPECT_EQ(sheet().CurrentObject.Text, "PL 100x 50               ");
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(sheet().Caption, "Quorvane -  (Modified)");
  EXPECT_TRUE(sheet().Undo.Enabled);
  // Redrawn in black.
  EXPECT_EQ(Pixel(350, 201), model::Black);
  EXPECT_EQ(drawtest::CountOf(Base(), model::Red), 0u);
}

TEST_F(Placing, InInchesThePromptShowsTheImperialDesignation) {
  G.UnitStatus = model::False;
  StartPlacing(Named(Plate(100, 50, 0, 0)));
  Move(300, 200);
  Click(300, 200);
  EXPECT_EQ(sheet().CurrentObject.Text, "PL 3.9x 2                ");
}

// Without a pointer step the element was never shown: the click shows it where it is
// made and drops it there, rather than at whatever position its record held.
TEST_F(Placing, AClickBeforeAnyStepPlacesTheElementAtTheClick) {
  G.SnapGrid = 1;
  StartPlacing(Plate(100, 50, 7000, -3000));
  Click(310, 190);  // the nearest grid point is (300, 200)
  EXPECT_EQ(G.PlaceMode, model::False);
  EXPECT_EQ(E(1).PosX, 300);
  EXPECT_EQ(E(1).PosY, 200);
  EXPECT_EQ(Pixel(350, 200), model::Black);
}

TEST_F(Placing, AClickBeforeAnyStepOnAnotherElementPlacesNothing) {
  Add(Plate(200, 100, 400, 400));
  view::RedrawDrawing();
  StartPlacing(Plate(100, 50, 7000, -3000));
  Click(350, 420);  // the plate there would cross the other's left side
  EXPECT_EQ(G.PlaceMode, model::True);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(E(2).PosX, 7000);
}

class OverlapHold : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    Add(Plate(200, 100, 400, 400));  // x 400..600, y 400..500
    view::RedrawDrawing();
    StartPlacing(Plate(100, 50, 0, 0));
    Move(700, 150);  // free, and clear of the axes glyph in the corner
  }
};

TEST_F(OverlapHold, AnOverlappingStepFreezesTheElementInBlackAtItsLastFreePosition) {
  Move(350, 420);  // crosses the other plate's left side
  EXPECT_EQ(E(2).PosX, 700);
  EXPECT_EQ(E(2).PosY, 150);
  EXPECT_EQ(G.PreviewHeld, model::True);
  EXPECT_EQ(G.OverlapFound, model::False);
  EXPECT_EQ(Pixel(750, 150), model::Black);
  EXPECT_EQ(drawtest::CountOf(Base(), model::Red), 0u);
  // The placing click puts it where it froze.
  Click(350, 420);
  EXPECT_EQ(E(2).PosX, 700);
  EXPECT_EQ(E(2).PosY, 150);
  EXPECT_EQ(G.PreviewHeld, model::False);
}

TEST_F(OverlapHold, AFreeStepReleasesTheHoldAndShowsTheElementInRed) {
  Move(350, 420);
  Move(700, 700);
  EXPECT_EQ(G.PreviewHeld, model::False);
  EXPECT_EQ(Pixel(750, 150), model::White);  // the frozen copy is gone
  EXPECT_EQ(Pixel(750, 700), model::Red);
  EXPECT_EQ(E(2).PosY, 700);
}

// The frozen copy is black, like every obstacle: a step that crosses only the copy
// itself must not count as an overlap, or the element could never move on.
TEST_F(OverlapHold, TheFrozenCopyDoesNotBlockItsOwnNextStep) {
  Move(350, 420);
  Move(710, 150);  // its bottom side runs along the frozen copy's bottom side
  EXPECT_EQ(G.PreviewHeld, model::False);
  EXPECT_EQ(E(2).PosX, 710);
  EXPECT_EQ(Pixel(760, 150), model::Red);
  EXPECT_EQ(Pixel(700, 175), model::White);  // the frozen copy's left side
}

TEST_F(OverlapHold, WithTheGuardOffThePreviewPassesOverOtherElements) {
  G.OLapStatus = 0;
  Move(350, 420);
  EXPECT_EQ(E(2).PosX, 350);
  EXPECT_EQ(Pixel(375, 420), model::Red);
}

TEST_F(OverlapHold, EscAfterAHoldLeavesNoHoldForTheNextPreview) {
  Move(350, 420);
  CancelCommand();
  EXPECT_EQ(G.PreviewHeld, model::False);
  EXPECT_EQ(G.ElementCount, 1);
}

TEST_F(Placing, TheGridDotsUnderTheErasedGhostArePaintedAgain) {
  G.ShowGrid = 1;
  G.SnapGrid = 1;
  view::DrawGrid();
  StartPlacing(Plate(100, 50, 0, 0));
  Move(200, 200);
  Move(400, 200);
  // The corners of the plate at (200, 200) lay on grid dots; erasing wiped them.
  EXPECT_EQ(Pixel(200, 200), model::Blue);
  EXPECT_EQ(Pixel(300, 200), model::Blue);
}

TEST_F(Placing, WithoutTheGridNoDotIsPainted) {
  G.SnapGrid = 1;
  StartPlacing(Plate(100, 50, 0, 0));
  Move(200, 200);
  Move(400, 200);
  EXPECT_EQ(drawtest::CountOf(Base(), model::Blue), 0u);
}

}  // namespace
}  // namespace editor

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class PlacingSnap : public EditingTest {};

// The search lags one step behind the pointer; on the first step the element's record
// still holds a position from before (here beside the other plate's corner), which must
// not pull the element back there.
TEST_F(PlacingSnap, TheFirstStepSearchesNoPositionTheElementNeverHad) {
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 500, 500));
  BuildSnapPoints();
  StartPlacing(Plate(100, 50, 605, 555));
  Move(100, 800);
  EXPECT_EQ(G.SnapFound, model::False);
  Click(100, 800);
  EXPECT_EQ(E(2).PosX, 100);
  EXPECT_EQ(E(2).PosY, 800);
}

// F2 before any pointer step would search at that same stale record position, beside the
// other plate's corner, and the click would then carry the element there: both F2 keys
// wait until the element follows the pointer.
TEST_F(PlacingSnap, F2BeforeTheFirstStepSearchesNothing) {
  const std::function<void(int16_t&)> routes[] = {[](int16_t& k) { Base_KeyUp(k, 0); },
                                                  [](int16_t& k) { TextEntry_KeyUp(k, 0); }};
  for (const auto& f2 : routes) {
    G.ElementCount = 0;
    view::RedrawDrawing();
    G.OSnapStatus = 1;
    Add(Plate(100, 50, 500, 500));
    BuildSnapPoints();
    StartPlacing(Plate(100, 50, 605, 555));
    G.GhostX = G.GhostY = 300;  // left by an earlier operation
    int16_t key = ui::KeyF2;
    f2(key);
    EXPECT_EQ(G.SnapFound, model::False);
    EXPECT_EQ(G.SnapChoice, 1);                // advanced all the same
    EXPECT_EQ(Pixel(350, 300), model::White);  // no ghost drawn at the stale ghost
    Click(100, 800);
    EXPECT_EQ(E(2).PosX, 100);
    EXPECT_EQ(E(2).PosY, 800);
  }
}

TEST_F(PlacingSnap, APlacingClickPutsTheElementsPointOntoTheMatchedPoint) {
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 500, 500));
  BuildSnapPoints();
  StartPlacing(Plate(100, 50, 0, 0));
  Move(604, 553);
  Move(605, 555);  // searched at (604, 553): 5 mm from the corner (600, 550)
  ASSERT_EQ(G.SnapFound, model::True);
  EXPECT_EQ(sheet().TextEntry.Text, "5");
  EXPECT_EQ(G.SnapOrigin[2].x, 604);
  Click(605, 555);
  EXPECT_EQ(E(2).PosX, 600);
  EXPECT_EQ(E(2).PosY, 550);
}

}  // namespace
}  // namespace editor
