#include "editor/commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/clip_text.h"
#include "editor/undo.h"
#include "editor_fixture.h"
#include "model/section_fixture.h"
#include "ui/headless/actions.h"
#include "ui/input.h"

namespace editor {
namespace {

using model::G;
using model::testing::Plate;
using testing::EditorTest;

// Five plates side by side, each with its own size, so every survivor can be told apart.
void FivePlates() {
  for (int i = 1; i <= 5; ++i) G.Elements[i] = Plate(10.0f * i, 5.0f * i, 100 * i, 100);
  G.ElementCount = 5;
}

// The clipboard text of a copy of plate 1.
std::string WriteClipTextOfFirst() {
  model::ElementRecord e[2];
  e[1] = Plate(10, 5, 100, 100);
  e[1].Selected = model::True;
  return WriteClipText(e, 1);
}

class CommandsTest : public EditorTest {
 protected:
  // Every command reached through a menu item records its item's name instead of running.
  void RecordMenuCommands() {
    windows::SheetForm& s = sheet();
    for (ui::Menu* m : {&s.New, &s.Open, &s.Save, &s.Printr, &s.Exit, &s.Undo, &s.Redo, &s.Cut, &s.Copy, &s.Paste,
                        &s.SelectAll, &s.Contents})
      m->Click = [this, m] { ran.push_back(m->Name()); };
  }
  void KeyUp(int16_t code, int16_t shift) { ui::headless::PressKey(sheet(), code, shift); }
  std::vector<std::string> ran;
};

TEST_F(CommandsTest, EveryMenuItemRunsACommand) {
  int items = 0;
  for (ui::Control* c : sheet().Controls()) {
    if (c->Kind() != ui::ControlKind::Menu) continue;
    auto* m = static_cast<ui::Menu*>(c);
    if (!m->ParentMenu || m->Caption == "-") continue;
    ++items;
    EXPECT_TRUE(static_cast<bool>(m->Click)) << m->Caption;
  }
  EXPECT_EQ(items, 20);
  EXPECT_TRUE(static_cast<bool>(sheet().mnuEdit.Click));
}

TEST_F(CommandsTest, KeyTable) {
  RecordMenuCommands();
  sheet().Base.SetFocus();
  constexpr int16_t Ctrl = ui::CtrlMask, Shift = ui::ShiftMask, Alt = ui::AltMask;
  struct Case {
    int16_t code, shift;
    bool menuOn, buttonOn;  // the state of the command's menu item and toolbar button
    const char* runs;       // "" for nothing
  };
  const Case cases[] = {
      {ui::KeyF1, 0, true, true, "Contents"},
      {ui::KeyF1, Shift | Ctrl, true, true, "Contents"},  // the first rows ignore modifiers
      {'N', Ctrl, true, true, "New"},
      {'O', Ctrl, true, true, "Open"},
      {'S', Ctrl, true, true, "Save"},
      {'P', Ctrl, true, true, "Printr"},
      {'Q', Ctrl, true, true, "Exit"},
      {'A', Ctrl, true, true, "SelectAll"},
      {'S', Ctrl | Alt, true, true, ""},
      {'Z', Ctrl | Shift, true, true, ""},
      {'Z', 0, true, true, ""},
      {'N', Shift, true, true, ""},
      // Z and Y follow the menu items.
      {'Z', Ctrl, true, false, "Undo"},
      {'Z', Ctrl, false, true, ""},
      {'Y', Ctrl, true, false, "Redo"},
      {'Y', Ctrl, false, true, ""},
      // X, C and V follow the toolbar buttons.
      {'X', Ctrl, false, true, "Cut"},
      {'X', Ctrl, true, false, ""},
      {'C', Ctrl, false, true, "Copy"},
      {'C', Ctrl, true, false, ""},
      {'V', Ctrl, false, true, "Paste"},
      {'V', Ctrl, true, false, ""},
      {'B', Ctrl, true, true, ""},
  };
  struct Target {
    int16_t code;
    ui::Menu& item;
    int button;
  };
  const Target targets[] = {{'Z', sheet().Undo, 7},
                            {'Y', sheet().Redo, 8},
                            {'X', sheet().Cut, 10},
                            {'C', sheet().Copy, 11},
                            {'V', sheet().Paste, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " shift " + std::to_string(c.shift));
    for (const Target& t : targets) {
      t.item.Enabled = t.code == c.code ? c.menuOn : true;
      button(t.button).Enabled = t.code == c.code ? c.buttonOn : true;
    }
    ran.clear();
    KeyUp(c.code, c.shift);
    EXPECT_EQ(ran, std::string(c.runs).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.runs});
  }
}

TEST_F(CommandsTest, DelAndShiftDelEraseTheSelection) {
  for (int16_t shift : {int16_t{0}, ui::ShiftMask, ui::CtrlMask}) {
    FivePlates();
    G.Elements[4].Selected = model::True;
    KeyUp(ui::KeyDelete, shift);
    EXPECT_EQ(G.ElementCount, 4) << shift;
    EXPECT_FLOAT_EQ(G.Elements[4].Width, 50) << shift;
  }
}

TEST_F(CommandsTest, ToolbarButtonsRunTheirCommands) {
  RecordMenuCommands();
  platform().OnEveryModal("ShapeBar", [](ui::Form& f) { f.Unload(); });
  platform().OnEveryModal("PlateBar", [](ui::Form& f) { f.Unload(); });
  struct Case {
    const char* key;
    const char* menu;  // the menu item it runs, or "" when it acts itself
    std::function<void()> check;
  };
  ui::PictureBox& base = Base();
  const Case cases[] = {
      {"New", "New", {}},
      {"Open", "Open", {}},
      {"Save", "Save", {}},
      {"Print", "Printr", {}},
      {"Undo", "Undo", {}},
      {"Redo", "Redo", {}},
      {"Cut", "Cut", {}},
      {"Copy", "Copy", {}},
      {"Paste", "Paste", {}},
      {"Shape", "", [&] { EXPECT_EQ(platform().ModalShown.back(), "ShapeBar"); }},
      {"Bar", "", [&] { EXPECT_EQ(platform().ModalShown.back(), "PlateBar"); }},
      {"Erase", "", [] { EXPECT_EQ(G.ElementCount, 4); }},
      {"Move", "", [] { EXPECT_EQ(G.MoveMode, model::True); }},
      {"Rotate", "", [] { EXPECT_EQ(G.RotateMode, model::True); }},
      {"Mirror", "", [] { EXPECT_EQ(G.MirrorMode, model::True); }},
      // From the view 0..1200 by 1000..0.
      {"ZoomIn", "",
       [&] {
         EXPECT_FLOAT_EQ(base.ScaleLeft, 300);
         EXPECT_FLOAT_EQ(base.ScaleTop, 750);
         EXPECT_FLOAT_EQ(base.ScaleWidth, 600);
         EXPECT_FLOAT_EQ(base.ScaleHeight, -500);
       }},
      {"ZoomOut", "",
       [&] {
         EXPECT_FLOAT_EQ(base.ScaleLeft, -600);
         EXPECT_FLOAT_EQ(base.ScaleWidth, 2400);
       }},
      {"PanUp", "", [&] { EXPECT_FLOAT_EQ(base.ScaleTop, 900); }},
      {"PanDown", "", [&] { EXPECT_FLOAT_EQ(base.ScaleTop, 1100); }},
      {"PanLeft", "", [&] { EXPECT_FLOAT_EQ(base.ScaleLeft, 120); }},
      {"PanRight", "", [&] { EXPECT_FLOAT_EQ(base.ScaleLeft, -120); }},
      // Keys are compared exactly.
      {"undo", "", [&] { EXPECT_EQ(G.ElementCount, 5); }},
      {"", "", [&] { EXPECT_EQ(G.ElementCount, 5); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    G.MoveMode = G.RotateMode = G.MirrorMode = model::False;
    FivePlates();
    G.Elements[2].Selected = model::True;
    base.SetScale(0, 1000, 1200, -1000);
    ran.clear();
    G.SnapPointCount = 0;  // stale: every button rebuilds the table first
    ui::ToolbarButton b;
    b.Key = c.key;
    tbToolBar_ButtonClick(b);
    EXPECT_EQ(G.SnapPointCount, 4 * 8);  // eight points of each unselected plate
    if (*c.menu)
      EXPECT_EQ(ran, std::vector<std::string>{c.menu});
    else
      EXPECT_TRUE(ran.empty());
    if (c.check) c.check();
  }
}

TEST_F(CommandsTest, OpeningTheEditMenuSetsOnlyTheMenuItems) {
  struct Case {
    bool selected;
    const char* clipboard;  // null: the clipboard holds no text
    bool pasteBefore;
    bool cutCopy, paste;
  };
  const Case cases[] = {
      {true, "Shape::, W310X97", false, true, true},
      {false, "Shape::", false, false, true},
      {false, "shape::, W310X97", true, false, false},  // letter case counts
      {true, "Shape:, W310X97", true, true, false},
      {true, "", true, true, false},
      {false, nullptr, true, false, true},  // no text: Paste stays as it was
      {false, nullptr, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clipboard ? c.clipboard : "(no text)");
    FivePlates();
    G.Elements[5].Selected = c.selected ? model::True : model::False;
    platform().Clipboard.reset();
    if (c.clipboard) platform().Clipboard = c.clipboard;
    sheet().Cut.Enabled = sheet().Copy.Enabled = !c.cutCopy;
    sheet().Paste.Enabled = c.pasteBefore;
    for (int b : {10, 11, 12}) button(b).Enabled = false;
    sheet().mnuEdit.Click();
    EXPECT_EQ(sheet().Cut.Enabled, c.cutCopy);
    EXPECT_EQ(sheet().Copy.Enabled, c.cutCopy);
    EXPECT_EQ(sheet().Paste.Enabled, c.paste);
    for (int b : {10, 11, 12}) EXPECT_FALSE(button(b).Enabled) << b;
  }
}

TEST_F(CommandsTest, ErasingElementsTwoAndThreeOfFiveKeepsTheOthersWholeAndInOrder) {
  FivePlates();
  G.Elements[2].Selected = G.Elements[3].Selected = model::True;
  const model::ElementRecord first = G.Elements[1], fourth = G.Elements[4], fifth = G.Elements[5];
  EraseSelected();
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.Elements[1], first);
  EXPECT_EQ(G.Elements[2], fourth);
  EXPECT_EQ(G.Elements[3], fifth);
  // Plates 10 x 5, 40 x 20 and 50 x 25.
  EXPECT_FLOAT_EQ(G.SecArea, 50 + 800 + 1250);
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(sheet().Caption, "Quorvane -  (Modified)");
  EXPECT_TRUE(sheet().Undo.Enabled);
  EXPECT_TRUE(button(7).Enabled);
}

TEST_F(CommandsTest, ErasingEverythingLeavesAnEmptySectionThatUndoRestores) {
  FivePlates();
  ResetUndoHistory();
  SelectAll_Click();
  EraseSelected();
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_FLOAT_EQ(G.SecArea, 0);
  sheet().Undo.Click();
  EXPECT_EQ(G.ElementCount, 5);
}

TEST_F(CommandsTest, EraseWithNothingSelectedStillRecordsAnUndoStep) {
  FivePlates();
  ResetUndoHistory();
  G.FileName = "/data/col.qvn";
  G.Modified = model::False;
  sheet().Caption = "Quorvane - /data/col.qvn (Unmodified)";
  EraseSelected();
  EXPECT_EQ(G.ElementCount, 5);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(sheet().Caption, "Quorvane - /data/col.qvn (Unmodified)");
  EXPECT_TRUE(sheet().Undo.Enabled);
  EXPECT_EQ(G.UndoCounts[4], 5);  // the level before equals the current one
  EXPECT_EQ(G.UndoStore[4], G.UndoStore[5]);
}

TEST_F(CommandsTest, SelectAllSelectsAndRedrawsOnly) {
  FivePlates();
  ResetUndoHistory();
  KeyUp('A', ui::CtrlMask);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(G.Elements[i].Selected, model::True) << i;
  EXPECT_TRUE(sheet().Cut.Enabled);
  EXPECT_TRUE(sheet().Copy.Enabled);
  EXPECT_FALSE(button(10).Enabled);
  EXPECT_FALSE(button(11).Enabled);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_FALSE(sheet().Undo.Enabled);
  // Blue handles at the plate corners: the first plate's lower-left corner (100, 100).
  EXPECT_EQ(Base().PixelAt(100, 900), model::Blue);

  G.ElementCount = 0;
  SelectAll_Click();
  EXPECT_EQ(G.ElementCount, 0);
}

// Starts placing a sixth... or whichever next element: the builders leave it unselected,
// last, and current.
void StartPlacing() {
  const int16_t n = static_cast<int16_t>(G.ElementCount + 1);
  G.Elements[n] = Plate(30, 30, 900, 500);
  G.ElementCount = n;
  G.CurrentElement = n;
  G.PlaceMode = model::True;
}

TEST_F(CommandsTest, EscInTheDrawingAreaEndsPlacingWithoutTheNewElement) {
  FivePlates();
  StartPlacing();
  KeyUp(ui::KeyEscape, 0);
  EXPECT_EQ(G.ElementCount, 5);
  EXPECT_EQ(G.PlaceMode, model::False);
}

TEST_F(CommandsTest, CommandsThatChangeTheElementsEndPlacingFirst) {
  struct Case {
    const char* name;
    std::function<void()> command;
    int count;  // after the command and a later Esc
  };
  const Case cases[] = {
      // The history's newest undo state has six real elements: the Esc must keep all six.
      {"Undo", [this] { sheet().Undo.Click(); }, 6},
      {"Erase", [] { EraseSelected(); }, 4},
      {"Cut", [this] { sheet().Cut.Click(); }, 4},
      {"Paste", [this] { sheet().Paste.Click(); }, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FivePlates();
    G.Elements[6] = Plate(60, 60, 100, 400);
    G.ElementCount = 6;
    ResetUndoHistory();
    G.ElementCount = 5;
    PushUndoState();
    G.Elements[5].Selected = model::True;
    platform().Clipboard = WriteClipTextOfFirst();
    StartPlacing();  // element 6 of 6 follows the pointer
    c.command();
    EXPECT_EQ(G.PlaceMode, model::False);
    KeyUp(ui::KeyEscape, 0);
    EXPECT_EQ(G.ElementCount, c.count);
  }
}

TEST_F(CommandsTest, EraseDuringAMoveErasesTheMovingElements) {
  FivePlates();
  G.Elements[2].Selected = G.Elements[4].Selected = model::True;
  tbToolBar_ButtonClick(button(18));  // Move
  ASSERT_EQ(G.MoveMode, model::True);
  sheet().Base.SetFocus();  // Move hands the focus to the entry box
  KeyUp(ui::KeyDelete, 0);
  EXPECT_EQ(G.MoveMode, model::False);
  ASSERT_EQ(G.ElementCount, 3);
  EXPECT_FLOAT_EQ(G.Elements[1].Width, 10);
  EXPECT_FLOAT_EQ(G.Elements[2].Width, 30);
  EXPECT_FLOAT_EQ(G.Elements[3].Width, 50);
}

TEST_F(CommandsTest, F2StepsTheSnapChoiceOnlyForAnElementFollowingThePointer) {
  struct Case {
    bool placing;
    int16_t choice, count;
    int16_t after;
  };
  for (const Case& c :
       {Case{true, 0, 0, 1}, Case{true, 3, 8, 4}, Case{true, 8, 8, 1}, Case{true, 9, 8, 1}, Case{false, 3, 8, 3}}) {
    SCOPED_TRACE(std::to_string(c.choice) + " of " + std::to_string(c.count));
    G.PlaceMode = model::False;
    FivePlates();
    if (c.placing) StartPlacing();
    G.SnapChoice = c.choice;
    G.SnapChoiceCount = c.count;
    KeyUp(ui::KeyF2, 0);
    if (c.placing && c.count > 0) {
      EXPECT_EQ(G.SnapChoiceCount, 8);  // the placed plate's own points
    }
    EXPECT_EQ(G.SnapChoice, c.after);
  }
}

}  // namespace
}  // namespace editor
