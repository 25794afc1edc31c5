#include "editor/undo.h"

#include <string>

#include "editor/command_end.h"
#include "editor/title.h"
#include "model/case_state.h"
#include "model/globals.h"
#include "model/properties.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

namespace {

constexpr int Current = 5;

void CopyLevel(int from, int to) {
  G.UndoStore[to] = G.UndoStore[from];
  G.UndoCounts[to] = G.UndoCounts[from];
  G.UndoEmpty[to] = G.UndoEmpty[from];
}

void MarkEmpty(int level) {
  G.UndoStore[level][1].NameSI = "##";
  G.UndoCounts[level] = 0;
  G.UndoEmpty[level] = true;
}

void StoreCurrent() {
  G.UndoStore[Current] = G.Elements;
  G.UndoCounts[Current] = G.ElementCount;
  G.UndoEmpty[Current] = false;
}

void RestoreCurrent() {
  G.Elements = G.UndoStore[Current];
  G.ElementCount = G.UndoCounts[Current];
}

// A menu item and its toolbar button are always switched together.
void EnableCommand(ui::Menu& item, int button, bool enabled) {
  item.Enabled = enabled;
  windows::SheetForm& sheet = windows::Sheet();
  if (static_cast<int>(sheet.tbToolBar.Buttons.size()) >= button) sheet.tbToolBar.Button(button).Enabled = enabled;
}

// The manual torsion and warping constants describe picked elements that a step through
// the history may no longer hold, so they go before the section is recalculated.
bool DropManualConstants() {
  if (G.ManualJ == 0 && G.ManualCw == 0) return false;
  model::ResetTorsionWarpingCases();
  return true;
}

// What Undo and Redo share once the levels have moved: the restored state in force, the
// document marked changed (the drawing no longer matches the file), the section redrawn.
// True when manual constants were dropped on the way.
bool EnterRestoredLevel(int emptied) {
  RestoreCurrent();
  MarkEmpty(emptied);
  const bool dropped = DropManualConstants();
  G.Modified = model::True;
  ShowTitle();
  model::RecalcProperties();
  view::RedrawDrawing();
  return dropped;
}

void WarnDropped(bool dropped, const char* command) {
  if (dropped)
    ui::MsgBox(std::string("Warning: Manual warping and torsional constant information is not saved when using the ") +
               command + " function.");
}

}  // namespace

void PushUndoState() {
  for (int level = 1; level <= 4; ++level) CopyLevel(level + 1, level);
  StoreCurrent();
  EnableCommand(windows::Sheet().Undo, windows::UndoButton, true);
}

// Stepping onto an empty level would replace the section with nothing, so a step that
// has no state to go to (a route that missed the disabled command) does nothing.
void Undo_Click() {
  if (G.UndoEmpty[4]) return;
  EndCommandInProgress();
  for (int level = 9; level >= 2; --level) CopyLevel(level - 1, level);
  const bool dropped = EnterRestoredLevel(1);
  windows::SheetForm& sheet = windows::Sheet();
  EnableCommand(sheet.Redo, windows::RedoButton, true);
  EnableCommand(sheet.Undo, windows::UndoButton, !G.UndoEmpty[4]);
  WarnDropped(dropped, "Undo");
}

void Redo_Click() {
  if (G.UndoEmpty[6]) return;
  EndCommandInProgress();
  for (int level = 1; level <= 8; ++level) CopyLevel(level + 1, level);
  const bool dropped = EnterRestoredLevel(9);
  windows::SheetForm& sheet = windows::Sheet();
  EnableCommand(sheet.Undo, windows::UndoButton, true);
  EnableCommand(sheet.Redo, windows::RedoButton, !G.UndoEmpty[6]);
  WarnDropped(dropped, "Redo");
}

void ResetUndoHistory() {
  for (int level = 1; level <= 9; ++level) MarkEmpty(level);
  StoreCurrent();
  windows::SheetForm& sheet = windows::Sheet();
  EnableCommand(sheet.Undo, windows::UndoButton, false);
  EnableCommand(sheet.Redo, windows::RedoButton, false);
}

}  // namespace editor
