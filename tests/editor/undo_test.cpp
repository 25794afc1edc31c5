#include "editor/undo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/title.h"
#include "editor_fixture.h"
#include "model/section_fixture.h"
#include "view/redraw.h"

namespace editor {
namespace {

using model::G;
using testing::EditorTest;
using testing::SameRecords;
using testing::Section;

// State k: k plates in use; every one of the 50 records carries k, so a record beyond the
// count that was not restored shows. Even records of odd states are selected.
Section StateOf(int k) {
  Section s{};
  for (int i = 1; i <= model::MaxElements; ++i) {
    s[i] = model::testing::Plate(100, 10, 1000 * k + i, 20 * i);
    s[i].NameSI = "PL" + std::to_string(k) + "-" + std::to_string(i);
    s[i].ElemJ = 100.0f * static_cast<float>(k);
    s[i].Selected = (k % 2 == 1 && i % 2 == 0) ? model::True : model::False;
  }
  return s;
}

// The editor has changed the section into state k and pushes it.
void ChangeTo(int k) {
  G.Elements = StateOf(k);
  G.ElementCount = static_cast<int16_t>(k);
  PushUndoState();
}

void StartAt(int k) {
  G.Elements = StateOf(k);
  G.ElementCount = static_cast<int16_t>(k);
  ResetUndoHistory();
}

class UndoTest : public EditorTest {
 protected:
  void ExpectState(int k) {
    EXPECT_EQ(G.ElementCount, k);
    EXPECT_TRUE(SameRecords(G.Elements, StateOf(k)));
  }
  void ExpectCommands(bool undo, bool redo) {
    EXPECT_EQ(sheet().Undo.Enabled, undo);
    EXPECT_EQ(button(7).Enabled, undo);
    EXPECT_EQ(sheet().Redo.Enabled, redo);
    EXPECT_EQ(button(8).Enabled, redo);
  }
};

TEST_F(UndoTest, FiveChangesThenFourUndosAndFourRedos) {
  StartAt(1);
  ExpectCommands(false, false);
  for (int k = 2; k <= 6; ++k) ChangeTo(k);  // the fifth change drops state 1
  ExpectCommands(true, false);
  struct Step {
    void (*command)();
    int state;
    bool undo, redo;
  };
  const Step steps[] = {
      {Undo_Click, 5, true, true}, {Undo_Click, 4, true, true},
      {Undo_Click, 3, true, true}, {Undo_Click, 2, false, true},  // state 1 is no longer reachable
      {Redo_Click, 3, true, true}, {Redo_Click, 4, true, true},
      {Redo_Click, 5, true, true}, {Redo_Click, 6, true, false},
  };
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(++n);
    s.command();
    ExpectState(s.state);
    ExpectCommands(s.undo, s.redo);
  }
}

TEST_F(UndoTest, AChangeAfterUndoKeepsTheRedoStates) {
  StartAt(1);
  ChangeTo(2);
  ChangeTo(3);
  ChangeTo(4);
  Undo_Click();
  ExpectState(3);
  ChangeTo(9);  // a new change after the undo
  ExpectCommands(true, true);
  Redo_Click();  // back to the state the Undo stepped away from
  ExpectState(4);
  ExpectCommands(true, false);
  Undo_Click();  // the new change is the newest undo state
  ExpectState(9);
  Undo_Click();
  ExpectState(3);
  Undo_Click();
  ExpectState(2);
  ExpectCommands(true, true);
  Undo_Click();
  ExpectState(1);
  ExpectCommands(false, true);
}

TEST_F(UndoTest, AfterAResetTheFirstChangeUndoesToTheDocumentInForce) {
  StartAt(2);
  ChangeTo(3);
  ChangeTo(4);
  StartAt(7);  // a document opened
  ExpectCommands(false, false);
  ChangeTo(8);
  Undo_Click();
  ExpectState(7);
  ExpectCommands(false, true);
  // Undo has nothing to go to now: a stray call keeps the section.
  Undo_Click();
  ExpectState(7);
  Redo_Click();
  ExpectState(8);
  Redo_Click();
  ExpectState(8);
}

TEST_F(UndoTest, UndoToAnEmptySectionClearsDrawingAndResults) {
  G.ElementCount = 0;
  ResetUndoHistory();
  view::RedrawDrawing();
  const std::vector<int32_t> empty = Base().Pixels();
  G.Elements[1] = model::testing::Plate(100, 10, 100, 100);
  G.Elements[2] = model::testing::Plate(100, 10, 300, 100);
  G.ElementCount = 2;
  PushUndoState();
  view::RedrawDrawing();
  EXPECT_FLOAT_EQ(G.SecArea, 2000);  // two 100 x 10 plates
  EXPECT_GT(drawtest::CountOf(Base(), model::Black), 0u);
  Undo_Click();
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_FLOAT_EQ(G.SecArea, 0);
  EXPECT_TRUE(Base().Pixels() == empty);  // grid and axes only
}

TEST_F(UndoTest, RestoredSelectionLeavesTheCutAndCopyButtonsAlone) {
  StartAt(2);
  ChangeTo(3);  // odd: even records selected
  ChangeTo(4);
  Undo_Click();
  ExpectState(3);
  EXPECT_EQ(G.Elements[2].Selected, model::True);
  EXPECT_FALSE(button(10).Enabled);
  EXPECT_FALSE(button(11).Enabled);
  // The redraw offers the menu's Cut and Copy for the selected element.
  EXPECT_TRUE(sheet().Cut.Enabled);
  EXPECT_TRUE(sheet().Copy.Enabled);
}

TEST_F(UndoTest, AnElementNamedLikeTheEmptyMarkIsARealState) {
  // Undo: level 4 holds a state whose element 1 is "##".
  Section marked = StateOf(2);
  marked[1].NameSI = "##";
  StartAt(1);
  G.Elements = marked;
  G.ElementCount = 2;
  PushUndoState();
  ChangeTo(3);
  ChangeTo(4);
  Undo_Click();
  ExpectCommands(true, true);
  Undo_Click();
  EXPECT_EQ(G.ElementCount, 2);
  EXPECT_TRUE(SameRecords(G.Elements, marked));
  // Redo: level 6 holds it.
  Undo_Click();
  ExpectState(1);
  Redo_Click();
  EXPECT_TRUE(SameRecords(G.Elements, marked));
  ExpectCommands(true, true);
}

TEST_F(UndoTest, UndoAndRedoDropManualConstantsBeforeRecalculatingAndWarnOnce) {
  struct Case {
    void (*command)();
    const char* message;
  };
  for (const Case& c : {Case{Undo_Click,
                             "Warning: Manual warping and torsional constant information is not saved "
                             "when using the Undo function."},
                        Case{Redo_Click,
                             "Warning: Manual warping and torsional constant information is not saved "
                             "when using the Redo function."}}) {
    StartAt(2);
    ChangeTo(3);
    if (c.command == Redo_Click) Undo_Click();
    platform().Messages.clear();
    // A single-plate torsion case on a 50 x 10 pick: J would be (50 - 10)^3 * 10 = 640000.
    G.ManualJ = 2;
    G.TorsionPickStep = 1;
    G.TorsionPicks[1] = model::testing::Plate(50, 10, 0, 0);
    G.ManualCw = 3;
    sheet().Torsional.Caption = "Revert to Default Torsional Constant (J)";
    sheet().Warping.Caption = "Revert to Default Warping Constant (Cw)";
    c.command();
    EXPECT_EQ(platform().Messages, std::vector<std::string>{c.message});
    EXPECT_EQ(G.ManualJ, 0);
    EXPECT_EQ(G.ManualCw, 0);
    EXPECT_EQ(G.TorsionPickStep, 1);  // the pick steps are not touched
    EXPECT_EQ(sheet().Torsional.Caption, "Set Torsional Constant (J)...");
    EXPECT_EQ(sheet().Warping.Caption, "Set Warping Constant (Cw)...");
    // The panel shows the summed J of the restored state: 2 or 3 plates of 200 or 300 each.
    const float expected = c.command == Undo_Click ? 2 * 200.0f : 3 * 300.0f;
    EXPECT_FLOAT_EQ(G.SecJ, expected);
  }
  // Without manual constants nothing is said.
  platform().Messages.clear();
  Undo_Click();
  EXPECT_TRUE(platform().Messages.empty());
}

TEST_F(UndoTest, UndoAndRedoMarkTheDocumentChanged) {
  StartAt(1);
  ChangeTo(2);
  G.FileName = "/home/eng/girder.qvn";
  G.Modified = model::False;  // just saved
  ShowTitle();
  Undo_Click();
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(sheet().Caption, "Quorvane - /home/eng/girder.qvn (Modified)");
  G.Modified = model::False;
  ShowTitle();
  Redo_Click();
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(sheet().Caption, "Quorvane - /home/eng/girder.qvn (Modified)");
}

TEST(ShowTitle, FollowsPathAndModifiedState) {
  ui::headless::ScopedHeadless h;
  windows::ResetSheet();
  struct Case {
    const char* file;
    model::Bool16 modified;
    const char* title;
  };
  for (const Case& c :
       {Case{"", model::False, "Quorvane - (Unmodified)"}, Case{"", model::True, "Quorvane -  (Modified)"},
        Case{"C:/beams/a.qvn", model::False, "Quorvane - C:/beams/a.qvn (Unmodified)"},
        Case{"C:/beams/a.qvn", model::True, "Quorvane - C:/beams/a.qvn (Modified)"}}) {
    G.FileName = c.file;
    G.Modified = c.modified;
    ShowTitle();
    EXPECT_EQ(windows::Sheet().Caption, c.title);
  }
  G = model::Globals{};
}

}  // namespace
}  // namespace editor
