// The typed-entry box: typed insertion points, Move targets and Rotate angles, their
// refusals, Esc and F2.

#include "editor/typed_entry.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "editing_fixture.h"
#include "editor/snap.h"
#include "editor/undo.h"
#include "ui/input.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class TypedEntry : public EditingTest {
 protected:
  void Key(int16_t code) { TextEntry_KeyUp(code, 0); }
  void Enter(const std::string& text) {
    sheet().TextEntry.Text = text;
    Key(ui::KeyReturn);
  }
  void StartPlacingNamed(float W = 100, float D = 50) {
    model::ElementRecord e = Plate(W, D, 0, 0);
    e.NameSI = "PL 100x 50";
    e.NameImp = "PL 3.9x 2";
    StartPlacing(e);
  }
  void ExpectEntryDone() {
    EXPECT_EQ(sheet().TextEntry.Text, "");
    EXPECT_TRUE(sheet().Base.HasFocus());
  }
};

TEST_F(TypedEntry, StripSpacesRemovesBlanksOnly) {
  std::string s = " 1 0\t0 ,  2 ";
  StripSpaces(s);
  EXPECT_EQ(s, "10\t0,2");
}

TEST_F(TypedEntry, PlacingTakesTheTypedInsertionPoint) {
  struct Case {
    bool mm;
    const char* text;
    int32_t x, y;
  };
  const Case cases[] = {
      {true, "100,200", 100, 200}, {true, " 1 0 0 , 2 0 0 ", 100, 200}, {true, "2.5,3.5", 2, 4},  // halves to even
      {true, "1,2,3", 1, 3},     // split at the last comma; "1,2" reads as 1
      {false, "4,8", 102, 203},  // 101.6 and 203.2 mm
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    G.ElementCount = 0;
    G.UnitStatus = c.mm ? model::True : model::False;
    StartPlacingNamed();
    Enter(c.text);
    EXPECT_EQ(G.PlaceMode, model::False);
    EXPECT_EQ(E(1).PosX, c.x);
    EXPECT_EQ(E(1).PosY, c.y);
    EXPECT_EQ(sheet().CurrentObject.Text, c.mm ? "PL 100x 50               " : "PL 3.9x 2                ");
    EXPECT_EQ(sheet().TextEntry.BackColor, model::ButtonFace);
    EXPECT_TRUE(sheet().TextEntry.Locked);
    EXPECT_FALSE(sheet().Label1.Visible);
    EXPECT_EQ(G.Modified, model::True);
    EXPECT_EQ(sheet().Caption, "Quorvane -  (Modified)");
    ExpectEntryDone();
  }
}

// The C library's numbers in a comma locale, where one is installed (the windowed program
// takes the user's locale for the whole process); the old locale comes back at the end.
class CommaNumericLocale {
 public:
  CommaNumericLocale() : old_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "ru_RU.UTF-8"})
      if (std::setlocale(LC_NUMERIC, name)) return;
  }
  ~CommaNumericLocale() { std::setlocale(LC_NUMERIC, old_.c_str()); }
  CommaNumericLocale(const CommaNumericLocale&) = delete;
  CommaNumericLocale& operator=(const CommaNumericLocale&) = delete;

 private:
  std::string old_;
};

// The box's comma separates x from y, so its numbers keep the point whatever the user's
// decimal separator: "1,4142" is a point, never a number.
TEST_F(TypedEntry, PlacingKeepsThePointInACommaLocale) {
  platform().UserDecimalSeparator = ",";
  CommaNumericLocale comma;
  struct Case {
    const char* text;
    int32_t x, y;
  };
  for (const Case& c : {Case{"2.5,307", 2, 307}, Case{"1,4142", 1, 4142}, Case{"10.75,0.25", 11, 0}}) {
    SCOPED_TRACE(c.text);
    G.ElementCount = 0;
    G.UnitStatus = model::True;
    StartPlacingNamed();
    Enter(c.text);
    EXPECT_EQ(G.PlaceMode, model::False);
    EXPECT_EQ(E(1).PosX, c.x);
    EXPECT_EQ(E(1).PosY, c.y);
  }
}

TEST_F(TypedEntry, PlacingRefusesTextItCannotTake) {
  const char* texts[] = {"100", ",200", "100,", "-100,200", "10a,20", "", "999400,0", "0,-1"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    G.ElementCount = 0;
    StartPlacingNamed(300);  // 2 x 300 + 999400 reaches 1,000,000
    Enter(text);
    EXPECT_EQ(G.PlaceMode, model::True);
    EXPECT_EQ(G.Modified, model::False);
    EXPECT_EQ(sheet().CurrentObject.Text, "PL 100x 50               ");
    ExpectEntryDone();
  }
  G.ElementCount = 0;
  StartPlacingNamed(300);
  Enter("999399,0");
  EXPECT_EQ(G.PlaceMode, model::False);
  EXPECT_EQ(E(1).PosX, 999399);
}

TEST_F(TypedEntry, ATypedPlacementIsOneUndoStep) {
  ResetUndoHistory();
  StartPlacingNamed();
  Enter("100,200");
  EXPECT_TRUE(sheet().Undo.Enabled);
  Undo_Click();
  EXPECT_EQ(G.ElementCount, 0);
  Redo_Click();
  EXPECT_EQ(G.ElementCount, 1);
  EXPECT_EQ(E(1).PosX, 100);
}

class TypedMove : public TypedEntry {
 protected:
  void SetUp() override {
    TypedEntry::SetUp();
    AddSelected(Plate(100, 50, 300, 400));
    AddSelected(Plate(100, 50, 500, 200));
    Add(Plate(10, 10, 900, 900));
    BeginMove();
  }
};

TEST_F(TypedMove, RelativeAndAbsoluteParts) {
  struct Case {
    const char* text;
    int32_t x1, y1, x2, y2;
  };
  // The selection's lower-left corner is (300, 200); the section's too.
  const Case cases[] = {
      {"+10,-5", 310, 395, 510, 195},
      {"+10,0", 310, 200, 510, 0},  // y absolute: shifted by 0 - 200
      {"0,0", 0, 200, 200, 0},      // the corner to the origin
      {"-20,+30", 280, 430, 480, 230},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    G.Elements[1].PosX = 300;
    G.Elements[1].PosY = 400;
    G.Elements[2].PosX = 500;
    G.Elements[2].PosY = 200;
    G.Elements[1].Selected = G.Elements[2].Selected = model::True;
    BeginMove();
    Enter(c.text);
    EXPECT_EQ(E(1).PosX, c.x1);
    EXPECT_EQ(E(1).PosY, c.y1);
    EXPECT_EQ(E(2).PosX, c.x2);
    EXPECT_EQ(E(2).PosY, c.y2);
    EXPECT_EQ(E(3).PosX, 900);
    EXPECT_EQ(E(1).Selected | E(2).Selected, 0);
    EXPECT_EQ(G.MoveMode, model::False);
    EXPECT_TRUE(sheet().TextEntry.Locked);
    ExpectEntryDone();
  }
}

// In principal-axis mode the stored extents describe the turned section; the typed
// corner is about the section as drawn.
TEST_F(TypedMove, AbsolutePartsUseTheSectionAsDrawn) {
  G.RotAxis = model::False;
  G.XMin = G.YMin = -777;
  Enter("0,0");
  EXPECT_EQ(E(1).PosX, 0);
  EXPECT_EQ(E(2).PosY, 0);
}

TEST_F(TypedMove, AnElementOutOfRangeStaysWhileTheOthersMove) {
  G.Elements[2].PosX = 999500;
  Enter("+600,0");  // element 2 would end at 1,000,100
  EXPECT_EQ(E(1).PosX, 900);
  EXPECT_EQ(E(2).PosX, 999500);
  EXPECT_EQ(E(1).Selected | E(2).Selected, 0);
  EXPECT_EQ(G.MoveMode, model::False);
}

TEST_F(TypedMove, RefusedTextLeavesTheMoveWaiting) {
  for (const char* text : {"10", "a,5", ",5", "5,"}) {
    Enter(text);
    EXPECT_EQ(G.MoveMode, model::True) << text;
    ExpectEntryDone();
  }
  EXPECT_EQ(E(1).PosX, 300);
}

TEST_F(TypedMove, AfterTheBaseClickTypingDoesNothing) {
  Click(300, 400);
  Enter("+10,0");
  EXPECT_EQ(G.MoveMode, model::True);
  EXPECT_EQ(E(1).PosX, 300);
  ExpectEntryDone();
}

TEST_F(TypedMove, ATypedMoveIsOneUndoStep) {
  ResetUndoHistory();
  Enter("+10,-5");
  Undo_Click();
  EXPECT_EQ(E(1).PosX, 300);
  Redo_Click();
  EXPECT_EQ(E(1).PosX, 310);
}

class TypedAngle : public TypedEntry {
 protected:
  void Pivot(float x, float y) {
    BeginRotate();
    Click(x, y);
  }
};

TEST_F(TypedAngle, ATurnAboutThePivotFromTheAngleAtThePivotClick) {
  AddSelected(Plate(100, 50, 100, 100));
  AddSelected(Plate(100, 50, 200, 300, 0.5, -1));
  Pivot(0, 0);
  Enter("90");
  EXPECT_EQ(E(1).PosX, -100);
  EXPECT_EQ(E(1).PosY, 100);
  EXPECT_NEAR(E(1).Angle, 1.5707963, 1e-6);
  // (200, 300) turned a quarter: (-300, 200); a mirrored element's angle turns back.
  EXPECT_EQ(E(2).PosX, -300);
  EXPECT_EQ(E(2).PosY, 200);
  EXPECT_NEAR(E(2).Angle, 0.5 - 1.5707963, 1e-6);
  EXPECT_EQ(G.RotateMode | G.PivotSet | E(1).Selected | E(2).Selected, 0);
  EXPECT_TRUE(sheet().TextEntry.Locked);
  ExpectEntryDone();
}

TEST_F(TypedAngle, AnglesPastAFullTurnLoseOneTurnAndNegativeOnesStay) {
  struct Case {
    const char* text;
    double angle;
  };
  const Case cases[] = {
      {"30", 6.0 + 30 * 3.14159265 / 180 - 6.2831853},  // about 0.2404
      {"-400", 6.0 - 400 * 3.14159265 / 180},           // about -0.98
      {"22.5", 6.0 + 22.5 * 3.14159265 / 180 - 6.2831853},
      {"- 45", 6.0 - 45 * 3.14159265 / 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    G.ElementCount = 0;
    AddSelected(Plate(100, 50, 500, 500, 6.0));
    Pivot(500, 500);
    Enter(c.text);
    EXPECT_NEAR(E(1).Angle, c.angle, 1e-6);
    EXPECT_EQ(E(1).PosX, 500);  // on the pivot: it turns in place
    EXPECT_EQ(E(1).PosY, 500);
  }
}

TEST_F(TypedAngle, ATextWithACommaOrALetterLeavesTheRotateWaiting) {
  AddSelected(Plate(100, 50, 100, 100));
  Pivot(0, 0);
  for (const char* text : {"12,5", "45deg"}) {
    Enter(text);
    EXPECT_EQ(G.RotateMode, model::True) << text;
    EXPECT_EQ(E(1).Angle, 0);
  }
}

// A number past the single-precision range is no angle: turning by it would leave the
// element at (0, 0) with an infinite Angle. It is refused like any other bad text.
TEST_F(TypedAngle, AnAngleBeyondTheNumberRangeLeavesTheRotateWaiting) {
  AddSelected(Plate(100, 50, 100, 100));
  Pivot(0, 0);
  for (const std::string& text : {"1" + std::string(45, '0'), "-1" + std::string(45, '0')}) {
    Enter(text);
    EXPECT_EQ(G.RotateMode, model::True) << text;
    EXPECT_EQ(E(1).PosX, 100);
    EXPECT_EQ(E(1).PosY, 100);
    EXPECT_EQ(E(1).Angle, 0);
  }
  Enter("90");  // and the Rotate still takes a sound angle
  EXPECT_EQ(E(1).PosX, -100);
  EXPECT_EQ(E(1).PosY, 100);
}

TEST_F(TypedAngle, AboveAndBelowThePivotTurnLikeTheRest) {
  AddSelected(Plate(10, 10, 0, 100));
  AddSelected(Plate(10, 10, 0, -100));
  Pivot(0, 0);
  Enter("90");
  EXPECT_EQ(E(1).PosX, -100);
  EXPECT_EQ(E(1).PosY, 0);
  EXPECT_EQ(E(2).PosX, 100);
  EXPECT_EQ(E(2).PosY, 0);
}

// A preview step before the typed angle must not leave the next Rotate's first pass
// thinking its elements were already taken away.
TEST_F(TypedAngle, TheTypedCommitEndsThePreviewAsAClickWould) {
  AddSelected(Plate(100, 50, 300, 300));
  Pivot(200, 200);
  Move(250, 260);
  ASSERT_EQ(G.RotatePreviewStarted, model::True);
  Enter("10");
  EXPECT_EQ(G.RotatePreviewStarted, model::False);
  EXPECT_EQ(G.PreviewShown, model::False);
  EXPECT_EQ(drawtest::CountOf(Base(), model::Red), 0u);
}

TEST_F(TypedAngle, ATypedAngleIsOneUndoStep) {
  AddSelected(Plate(100, 50, 100, 100));
  ResetUndoHistory();
  Pivot(0, 0);
  Enter("90");
  Undo_Click();
  EXPECT_EQ(E(1).PosX, 100);
  EXPECT_EQ(E(1).Angle, 0);
}

TEST_F(TypedEntry, EscCancelsTheCommandAndClearsThePrompt) {
  StartPlacingNamed();
  Key(ui::KeyEscape);
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(sheet().CurrentObject.Text, "");
}

TEST_F(TypedEntry, F2StepsTheSnapChoiceOnlyWhileSomethingFollowsThePointer) {
  Key(ui::KeyF2);  // idle: nothing follows the pointer
  EXPECT_EQ(G.SnapChoice, 0);
  G.OSnapStatus = 1;
  Add(Plate(100, 50, 500, 500));
  BuildSnapPoints();
  StartPlacingNamed();
  Move(605, 555);  // the search takes the stored position, which lags: no match yet
  Move(606, 556);  // own corner (605, 555) lies 7 mm from the other's (600, 550)
  ASSERT_EQ(G.SnapFound, model::True);
  EXPECT_EQ(G.SnapChoiceCount, 8);
  const int expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 1};
  for (int choice : expected) {
    Key(ui::KeyF2);
    EXPECT_EQ(G.SnapChoice, choice);
  }
  // The element is drawn in red at the ghost, the markers at the new source.
  EXPECT_EQ(Pixel(G.SnapTargetX, G.SnapTargetY), model::Red);
  EXPECT_EQ(Pixel(G.SnapSourceX, G.SnapSourceY), model::Red);
}

}  // namespace
}  // namespace editor
