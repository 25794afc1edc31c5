// Move, Rotate and Mirror by pointer: the first clicks, the previews, the commits and Esc.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "editing_fixture.h"
#include "editor/bearing.h"
#include "editor/commands.h"
#include "ui/input.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

constexpr double Pi = 3.14159265;

// A pointer at a bearing of `degrees` from (cx, cy), 100 mm away.
struct Polar {
  float x, y;
};
Polar At(double cx, double cy, double degrees) {
  const double a = degrees * std::acos(-1.0) / 180;
  return {static_cast<float>(cx + 100 * std::cos(a)), static_cast<float>(cy + 100 * std::sin(a))};
}

class Modes : public EditingTest {
 protected:
  void ExpectCommitted() {
    EXPECT_EQ(G.Modified, model::True);
    EXPECT_EQ(sheet().Caption, "Quorvane -  (Modified)");
    EXPECT_TRUE(sheet().Undo.Enabled);
    EXPECT_EQ(sheet().CurrentObject.Text, "");
    EXPECT_FALSE(button(10).Enabled);
    EXPECT_FALSE(button(11).Enabled);
    for (int i = 1; i <= G.ElementCount; ++i) EXPECT_EQ(E(i).Selected, model::False) << i;
    EXPECT_EQ(G.MoveMode | G.MoveBaseSet | G.RotateMode | G.PivotSet | G.MirrorMode | G.MirrorFirstSet, 0);
    EXPECT_EQ(G.PreviewShown, model::False);
    EXPECT_EQ(G.SnapFound, model::False);
    EXPECT_EQ(G.PreviewHeld, model::False);
  }
};

TEST_F(Modes, BeginCommandsNeedASelection) {
  Add(Plate(100, 50, 500, 500));
  BeginMove();
  BeginRotate();
  BeginMirror();
  EXPECT_EQ(G.MoveMode | G.RotateMode | G.MirrorMode, 0);
  EXPECT_EQ(sheet().CurrentObject.Text, "");
  G.Elements[1].Selected = model::True;
  BeginMove();
  EXPECT_EQ(G.MoveMode, model::True);
  EXPECT_EQ(sheet().CurrentObject.Text,
            "Click in Drawing Area to select Move base point or use Text Entry Area to right.");
  EXPECT_EQ(sheet().TextEntry.BackColor, model::White);
  EXPECT_FALSE(sheet().TextEntry.Locked);
  EXPECT_TRUE(sheet().TextEntry.HasFocus());
  BeginRotate();
  EXPECT_EQ(sheet().CurrentObject.Text, "Click in Drawing Area to set rotation pivot point.");
  BeginMirror();
  EXPECT_EQ(sheet().CurrentObject.Text, "Click in Drawing Area to set object Mirror base point.");
  // Mirror, then Rotate, then Move: the first mode on takes the click.
  Click(600, 300);
  EXPECT_EQ(G.MirrorFirstSet, model::True);
  EXPECT_EQ(G.PivotSet | G.MoveBaseSet, 0);
}

TEST_F(Modes, PromptsStayAwayWhileQuickHelpIsOff) {
  G.ShowHelp = model::False;
  AddSelected(Plate(100, 50, 500, 500));
  BeginMove();
  EXPECT_EQ(sheet().CurrentObject.Text, "");
}

TEST_F(Modes, AFirstClickWithNothingSelectedEndsTheMode) {
  AddSelected(Plate(100, 50, 500, 500));
  BeginMove();
  BeginRotate();
  BeginMirror();
  G.Elements[1].Selected = model::False;
  Click(10, 10);  // mirror: its prompt still shows
  EXPECT_EQ(G.MirrorMode, model::False);
  EXPECT_EQ(sheet().CurrentObject.Text,
            "Now move cursor to preview mirror axis, then click in Drawing Area to Mirror object.");
  Click(10, 10);  // rotate: nothing shows
  EXPECT_EQ(G.RotateMode, model::False);
  Click(10, 10);  // move: the entry box is shut and its prompt shows
  EXPECT_EQ(G.MoveMode, model::False);
  EXPECT_EQ(sheet().CurrentObject.Text, "Now click in Drawing Area for final location of object.");
  EXPECT_TRUE(sheet().TextEntry.Locked);
}

TEST_F(Modes, MoveFollowsThePointerByTheOffsetFromTheBase) {
  AddSelected(Plate(100, 50, 500, 500));
  Add(Plate(100, 50, 100, 700));
  BeginMove();
  Click(520.3f, 510.6f);
  EXPECT_EQ(G.MoveBaseX, 520.3f);
  EXPECT_EQ(G.MoveBaseY, 510.6f);
  Move(600, 300);
  // Offset (600 - 520.3, 300 - 510.6): the preview at (579.7, 289.4), drawn at (580, 289).
  EXPECT_DOUBLE_EQ(G.PreviewPos[1].x, 500 + (600 - static_cast<double>(520.3f)));
  EXPECT_EQ(Pixel(600, 289), model::Red);
  EXPECT_EQ(Pixel(530, 500), model::White);  // erased at its own place
  EXPECT_EQ(Pixel(150, 700), model::Black);  // the other one stays
  Click(0, 0);
  EXPECT_EQ(E(1).PosX, 580);
  EXPECT_EQ(E(1).PosY, 289);
  EXPECT_FALSE(sheet().Label1.Visible);
  ExpectCommitted();
}

TEST_F(Modes, AMoveCommitRoundsHalvesToEven) {
  AddSelected(Plate(100, 50, 500, 500));
  for (double preview : {12.5, 13.5}) {
    G.Elements[1].Selected = model::True;
    BeginMove();
    Click(0, 0);
    G.PreviewPos[1] = {preview, preview};
    Click(0, 0);
    EXPECT_EQ(E(1).PosX, preview == 12.5 ? 12 : 14);
  }
}

TEST_F(Modes, AMoveSnapsItsPointOntoTheOtherElementsPoint) {
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 100, 100));          // stays: a corner at (200, 100)
  AddSelected(Plate(100, 50, 400, 100));  // moves by the pointer
  BeginMove();
  Click(400, 100);
  Move(205, 103);  // its corner (205, 103) is 5.8 mm from (200, 100)
  EXPECT_EQ(G.SnapFound, model::True);
  EXPECT_EQ(G.SnapTargetX, 200);
  EXPECT_EQ(G.SnapTargetY, 100);
  EXPECT_EQ(G.SnapSourceX, 205);
  EXPECT_EQ(G.SnapSourceY, 103);
  EXPECT_EQ(Pixel(200, 100), model::Red);  // the markers
  EXPECT_EQ(sheet().TextEntry.Text, "");   // a move shows no distance
  Click(205, 103);
  EXPECT_EQ(E(2).PosX, 200);
  EXPECT_EQ(E(2).PosY, 100);
  ExpectCommitted();
}

TEST_F(Modes, EverySelectedElementTakesTheSameSnapCorrection) {
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 100, 100));
  AddSelected(Plate(100, 50, 400, 100));
  AddSelected(Plate(50, 50, 400, 400));
  BeginMove();
  Click(400, 100);
  Move(205, 103);
  Click(205, 103);
  EXPECT_EQ(E(2).PosX, 200);
  EXPECT_EQ(E(3).PosX, 200);
  EXPECT_EQ(E(3).PosY, 400);
}

// Each commit right after its first click, before any pointer step: nothing moves.
TEST_F(Modes, ACommitBeforeAnyPreviewStepLeavesTheElementsWhereTheyAre) {
  struct Case {
    const char* what;
    void (*begin)();
  };
  const Case cases[] = {{"move", BeginMove}, {"rotate", BeginRotate}, {"mirror", BeginMirror}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    G.ElementCount = 0;
    AddSelected(Plate(100, 50, 500, 500));
    AddSelected(Plate(100, 50, 100, 700));
    G.PreviewPos = {};  // what no click has set
    c.begin();
    Click(300, 300);
    Click(400, 400);
    EXPECT_EQ(E(1).PosX, 500);
    EXPECT_EQ(E(1).PosY, 500);
    EXPECT_EQ(E(2).PosX, 100);
    EXPECT_EQ(E(2).PosY, 700);
    EXPECT_EQ(E(1).Angle, 0);
    EXPECT_EQ(E(1).MirrorSign, 1);
  }
}

// A match from an earlier operation, or one found before the object snap was switched
// off, must not throw the elements onto its correction.
TEST_F(Modes, AStaleSnapMatchIsNotApplied) {
  AddSelected(Plate(100, 50, 500, 500));
  G.OSnapStatus = 1;
  G.SnapFound = model::True;
  G.SnapOrigin[1] = {0, 0};
  G.SnapSourceX = G.SnapSourceY = 50;
  BeginMove();
  Click(500, 500);
  G.OSnapStatus = 0;
  Move(600, 600);
  Click(600, 600);
  EXPECT_EQ(E(1).PosX, 600);
  EXPECT_EQ(E(1).PosY, 600);
  // Found while on, then switched off before the commit.
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 100, 100));
  G.Elements[1].Selected = model::True;
  BeginMove();
  Click(600, 600);
  Move(205, 103);
  ASSERT_EQ(G.SnapFound, model::True);
  G.OSnapStatus = 0;
  Click(205, 103);
  EXPECT_EQ(E(1).PosX, 205);
  EXPECT_EQ(E(1).PosY, 103);
}

TEST_F(Modes, RotateTurnsAboutThePivotInStepsOfTheRotateSnap) {
  G.RotateSnap = 15;
  AddSelected(Plate(100, 20, 300, 300));
  BeginRotate();
  Click(200, 300);  // the insertion point lies at bearing 0, 100 mm away
  EXPECT_EQ(G.RotateStartBearing[1], 0);
  EXPECT_EQ(sheet().CurrentObject.Text, "Now click drawing area to rotate object, or use Text Entry Area to right.");
  EXPECT_TRUE(sheet().TextEntry.HasFocus());
  const double b30 = 30 * Pi / 180, b45 = 45 * Pi / 180;
  Polar p = At(200, 300, 30.5);
  Move(p.x, p.y);
  EXPECT_DOUBLE_EQ(E(1).Angle, b30);
  EXPECT_DOUBLE_EQ(G.PreviewPos[1].x, 300 - 100.0 + 100 * std::cos(b30));
  EXPECT_DOUBLE_EQ(G.PreviewPos[1].y, 300 - 0.0 + 100 * std::sin(b30));
  EXPECT_EQ(sheet().Label1.Caption, " 30 Degrees");
  p = At(200, 300, 44.5);  // 44 is no multiple of 15
  Move(p.x, p.y);
  EXPECT_DOUBLE_EQ(E(1).Angle, b30);
  EXPECT_EQ(sheet().Label1.Caption, " 30 Degrees");
  p = At(200, 300, 45.5);
  Move(p.x, p.y);
  EXPECT_DOUBLE_EQ(E(1).Angle, b45);
  EXPECT_EQ(sheet().Label1.Caption, " 45 Degrees");
  EXPECT_FLOAT_EQ(sheet().Label1.Left, static_cast<float>(std::lround(p.x) - 75));
  Click(p.x, p.y);
  // 200 + 100 cos 45 = 270.71, 300 + 100 sin 45 = 370.71.
  EXPECT_EQ(E(1).PosX, 271);
  EXPECT_EQ(E(1).PosY, 371);
  EXPECT_DOUBLE_EQ(E(1).Angle, b45);
  EXPECT_TRUE(sheet().TextEntry.Locked);
  EXPECT_EQ(G.RotatePreviewStarted, model::False);
  ExpectCommitted();
}

TEST_F(Modes, AMirroredElementTurnsItsAngleTheOtherWay) {
  model::ElementRecord e = Plate(100, 20, 300, 300, 1.0, -1);
  AddSelected(e);
  BeginRotate();
  Click(200, 300);
  const Polar p = At(200, 300, 30.5);
  Move(p.x, p.y);
  EXPECT_DOUBLE_EQ(E(1).Angle, 1.0 - 30 * Pi / 180);
}

TEST_F(Modes, APointerLevelWithOrAboveThePivotTurnsNothing) {
  AddSelected(Plate(100, 20, 300, 300));
  BeginRotate();
  Click(200, 300);
  Move(250, 300);
  Move(200, 350);
  EXPECT_EQ(E(1).Angle, 0);
  EXPECT_EQ(G.RotatePreviewStarted, model::False);
  EXPECT_EQ(Pixel(320, 300), model::Red);  // shown in red where it stands
}

// Element 1 turns freely; element 2 would hit the obstacle at the new angle. The whole
// selection stays at the previous step, angles included, so the rotation stays rigid.
TEST_F(Modes, ARotateStepThatHitsAnObstacleKeepsTheWholeSelectionAtThePreviousStep) {
  AddSelected(Plate(50, 10, 500, 500));
  AddSelected(Plate(50, 10, 700, 500));
  Add(Plate(100, 100, 595, 620));  // its left side crosses element 2 turned by 90 degrees
  view::RedrawDrawing();
  BeginRotate();
  Click(600, 500);
  const Polar p = At(600, 500, 90.5);
  Move(p.x, p.y);
  EXPECT_EQ(E(1).Angle, 0);
  EXPECT_EQ(E(2).Angle, 0);
  EXPECT_EQ(G.PreviewPos[1].x, 500);
  EXPECT_EQ(G.PreviewPos[2].x, 700);
  EXPECT_EQ(G.PreviewHeld, model::True);
  EXPECT_EQ(Pixel(510, 500), model::Red);  // held where they were
  EXPECT_EQ(Pixel(710, 500), model::Red);
  Click(p.x, p.y);
  EXPECT_EQ(E(1).PosX, 500);
  EXPECT_EQ(E(2).PosX, 700);
  EXPECT_EQ(E(1).Angle, 0);
}

TEST_F(Modes, PivotBearings) {
  struct Case {
    double dx, dy, bearing;
  };
  const double half = Pi / 2;
  const Case cases[] = {
      {-1, 1, half + (half - std::atan(1.0))},
      {1, -1, half - std::atan(1.0) + 4.712388975},
      {-1, -1, std::atan(1.0) + Pi},
      {3, 4, std::atan(4.0 / 3)},
      {0, 5, half},
      {0, -5, 4.712388975},
      {0, 0, 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Bearing(c.dx, c.dy), c.bearing) << c.dx << ", " << c.dy;
}

// Straight above the pivot and on the pivot: the one turns with the others, the other
// stays put.
TEST_F(Modes, AnElementAboveOrOnThePivotTurnsLikeTheOthers) {
  AddSelected(Plate(10, 10, 500, 600));
  AddSelected(Plate(10, 10, 500, 500));
  BeginRotate();
  Click(500, 500);
  Click(500, 500);  // commit at once: nothing turned
  EXPECT_EQ(E(1).PosX, 500);
  EXPECT_EQ(E(1).PosY, 600);
  G.Elements[1].Selected = G.Elements[2].Selected = model::True;
  BeginRotate();
  Click(500, 500);
  const Polar p = At(500, 500, 90.5);  // a quarter turn: (500, 600) goes to (400, 500)
  Move(p.x, p.y);
  Click(p.x, p.y);
  EXPECT_EQ(E(1).PosX, 400);
  EXPECT_EQ(E(1).PosY, 500);
  EXPECT_EQ(E(2).PosX, 500);
  EXPECT_EQ(E(2).PosY, 500);
}

TEST_F(Modes, MirrorChoosesTheAxisNearerThePointerDirection) {
  struct Case {
    int n;
    bool vertical;
  };
  const Case cases[] = {{45, true}, {90, true},  {135, true},  {225, true},  {270, true},  {300, true},  {315, true},
                        {1, false}, {44, false}, {136, false}, {179, false}, {224, false}, {316, false}, {330, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    G.ElementCount = 0;
    AddSelected(Plate(100, 20, 300, 300, 0.5));
    BeginMirror();
    Click(500, 200);
    const Polar p = At(500, 200, c.n + 0.5);
    Move(p.x, p.y);
    EXPECT_EQ(E(1).MirrorSign, -1);
    if (c.vertical) {
      EXPECT_EQ(G.PreviewPos[1].x, 700);
      EXPECT_EQ(G.PreviewPos[1].y, 300);
      EXPECT_EQ(E(1).Angle, 0.5);
    } else {
      EXPECT_EQ(G.PreviewPos[1].x, 300);
      EXPECT_EQ(G.PreviewPos[1].y, 100);
      EXPECT_EQ(E(1).Angle, 0.5 + Pi);
    }
    CancelCommand();
  }
}

TEST_F(Modes, MirrorAboutAVerticalAxisThenAHorizontalOne) {
  AddSelected(Plate(100, 20, 300, 300));
  BeginMirror();
  Click(500, 200);
  Polar p = At(500, 200, 80.5);
  Move(p.x, p.y);
  // The blue dotted axis x = 500 across the view, the mirrored plate over x 600..700.
  int blue = 0;
  for (int row = 0; row < 1000; ++row) blue += Base().PixelAt(500, row) == model::Blue;
  EXPECT_EQ(blue, 500);  // two set, two skipped
  EXPECT_EQ(Pixel(620, 300), model::Red);
  p = At(500, 200, 10.5);
  Move(p.x, p.y);
  EXPECT_EQ(Pixel(620, 300), model::White);
  EXPECT_EQ(Pixel(320, 100), model::Red);  // over y 80..100
  EXPECT_EQ(Pixel(320, 80), model::Red);
  Click(p.x, p.y);
  EXPECT_EQ(E(1).PosX, 300);
  EXPECT_EQ(E(1).PosY, 100);
  EXPECT_EQ(E(1).MirrorSign, -1);
  EXPECT_DOUBLE_EQ(E(1).Angle, Pi);
  EXPECT_EQ(Pixel(320, 80), model::Black);
  ExpectCommitted();
}

TEST_F(Modes, MirrorWithThePointerLevelWithTheFirstPointDoesNothing) {
  AddSelected(Plate(100, 20, 300, 300));
  BeginMirror();
  Click(500, 200);
  Move(600, 200);
  Move(500, 250);
  EXPECT_EQ(E(1).MirrorSign, 1);
}

class Esc : public Modes {};

TEST_F(Esc, PuttingBackEveryModeWithoutMarkingTheDocument) {
  struct Case {
    const char* what;
    void (*run)();
  };
  const Case cases[] = {
      {"move after the base click",
       [] {
         BeginMove();
         Base_MouseDown(1, 0, 500, 500);
         Base_MouseMove(0, 0, 650, 650);
       }},
      {"rotate after the pivot click",
       [] {
         BeginRotate();
         Base_MouseDown(1, 0, 400, 400);
         const Polar p = At(400, 400, 100.5);
         Base_MouseMove(0, 0, p.x, p.y);
       }},
      {"mirror after the first click",
       [] {
         BeginMirror();
         Base_MouseDown(1, 0, 400, 400);
         const Polar p = At(400, 400, 10.5);
         Base_MouseMove(0, 0, p.x, p.y);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    G.ElementCount = 0;
    AddSelected(Plate(100, 20, 500, 500, 0.25));
    c.run();
    CancelCommand();
    EXPECT_EQ(E(1).PosX, 500);
    EXPECT_EQ(E(1).PosY, 500);
    EXPECT_EQ(E(1).Angle, 0.25);
    EXPECT_EQ(E(1).MirrorSign, 1);
    EXPECT_EQ(E(1).Selected, model::False);
    EXPECT_EQ(G.MoveMode | G.MoveBaseSet | G.RotateMode | G.PivotSet | G.MirrorMode | G.MirrorFirstSet, 0);
    EXPECT_EQ(G.PreviewShown | G.RotatePreviewStarted | G.SnapChoice, 0);
    EXPECT_FALSE(sheet().Label1.Visible);
    EXPECT_TRUE(sheet().TextEntry.Locked);
    EXPECT_TRUE(sheet().Base.HasFocus());
    EXPECT_EQ(sheet().CurrentObject.Text, "");
    EXPECT_EQ(G.Modified, model::False);
    EXPECT_FALSE(sheet().Undo.Enabled);
    EXPECT_EQ(Pixel(500, 500), model::Black);  // redrawn where it stands
    EXPECT_EQ(drawtest::CountOf(Base(), model::Red), 0u);
  }
}

TEST_F(Esc, WhilePlacingDropsTheElementBeingPlaced) {
  Add(Plate(100, 20, 500, 500));
  StartPlacing(Plate(50, 50, 0, 0));
  Move(200, 200);
  CancelCommand();
  EXPECT_EQ(G.ElementCount, 1);
  EXPECT_EQ(G.PlaceMode, model::False);
  EXPECT_EQ(Pixel(225, 200), model::White);
}

// Only the element being placed is dropped: never a real one, never below none.
TEST_F(Esc, DropsOnlyTheElementBeingPlaced) {
  struct Case {
    const char* what;
    int16_t count, current;
    model::Bool16 placing;
    int16_t after;
  };
  const Case cases[] = {
      {"not placing", 3, 3, model::False, 3},
      {"placing flag with another element current", 3, 2, model::True, 3},
      {"placing flag with no elements", 0, 0, model::True, 0},
      {"placing the last one", 3, 3, model::True, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    G.ElementCount = 0;
    for (int i = 0; i < c.count; ++i) Add(Plate(10, 10, 100 * i + 200, 500));
    G.CurrentElement = c.current;
    G.PlaceMode = c.placing;
    CancelCommand();
    EXPECT_EQ(G.ElementCount, c.after);
    EXPECT_EQ(G.PlaceMode, model::False);
  }
}

}  // namespace
}  // namespace editor

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class MoveHold : public EditingTest {};

TEST_F(MoveHold, AMoveOntoAnotherElementHoldsTheSelectionInRedAtItsLastFreePlace) {
  AddSelected(Plate(100, 50, 100, 600));
  Add(Plate(200, 100, 500, 580));  // x 500..700, y 580..680
  view::RedrawDrawing();
  BeginMove();
  Click(100, 600);
  Move(300, 600);  // free: the preview at (300, 600)
  EXPECT_EQ(Pixel(320, 600), model::Red);
  Move(450, 600);  // x 450..550 crosses the other's left side
  EXPECT_EQ(G.PreviewHeld, model::True);
  EXPECT_EQ(G.PreviewPos[1].x, 300);
  EXPECT_EQ(Pixel(320, 600), model::Red);
  Click(450, 600);  // the commit takes the held preview
  EXPECT_EQ(E(1).PosX, 300);
  EXPECT_EQ(G.PreviewHeld, model::False);
}

TEST_F(MoveHold, TheSnapMarkersOfAStepAreErasedAtTheNextAcceptedStep) {
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 100, 100));
  AddSelected(Plate(100, 50, 400, 100));
  BeginMove();
  Click(400, 100);
  Move(205, 103);
  ASSERT_EQ(Pixel(200, 100), model::Red);
  Move(600, 400);  // no match here
  EXPECT_EQ(G.SnapFound, model::False);
  EXPECT_EQ(Pixel(200, 100), model::Black);  // the other's corner, drawn again
  EXPECT_NE(Pixel(205, 103), model::Red);
}

// Settings that only an edited settings store can hold: a grid step or a rotate snap of 0
// work as 1.
TEST_F(MoveHold, AZeroGridStepOrRotateSnapWorksAsOne) {
  G.SnapGrid = 1;
  G.GridSpacing = 0;
  G.ShowGrid = 1;
  StartPlacing(Plate(100, 50, 0, 0));
  Move(300.4f, 200.6f);
  EXPECT_EQ(E(1).PosX, 300);
  EXPECT_EQ(E(1).PosY, 201);
  Click(300, 200);
  G.RotateSnap = 0;
  G.Elements[1].Selected = model::True;
  BeginRotate();
  Click(200, 200);
  Move(250, 260);
  EXPECT_NE(E(1).Angle, 0);
}

// F2 during a Move shows the moving elements again where the move preview has them: at
// their own place before the first step, at the step's place after it; never at an offset
// from a ghost that an earlier command left.
TEST_F(Modes, F2DuringAMoveRedrawsTheSelectionWhereThePreviewHasIt) {
  G.OSnapStatus = 1;
  AddSelected(Plate(100, 50, 200, 200));
  BeginMove();
  G.GhostX = G.GhostY = G.PrevGhostX = G.PrevGhostY = 700;  // left by an earlier command
  Click(200, 200);
  int16_t f2 = ui::KeyF2;
  Base_KeyUp(f2, 0);
  EXPECT_EQ(Pixel(750, 700), model::White);
  EXPECT_EQ(Pixel(220, 200), model::Red);  // an edge, away from the handles
  Move(300, 300);
  Base_KeyUp(f2, 0);
  EXPECT_EQ(Pixel(750, 700), model::White);
  EXPECT_EQ(Pixel(320, 300), model::Red);
  Click(300, 300);
  EXPECT_EQ(E(1).PosX, 300);
  EXPECT_EQ(E(1).PosY, 300);
}

}  // namespace
}  // namespace editor
