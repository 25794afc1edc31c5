#include "editor/controls.h"

#include "editor/title.h"
#include "editor/undo.h"
#include "model/globals.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

void OpenTextEntry() {
  ui::TextBox& entry = windows::Sheet().TextEntry;
  entry.BackColor = model::White;
  entry.Locked = false;
  entry.SetFocus();
}

void ShutTextEntry() {
  ui::TextBox& entry = windows::Sheet().TextEntry;
  entry.BackColor = model::ButtonFace;
  entry.Locked = true;
}

void SetCutCopyButtons(bool enabled) { windows::Sheet().SetCutCopyButtons(enabled); }

void MarkSectionChanged() {
  G.Modified = model::True;
  PushUndoState();
  ShowTitle();
}

void ForgetPointerOperation() {
  G.SnapFound = model::False;
  G.PreviewHeld = model::False;
  G.PlacementShown = model::False;
}

std::string Designation(int i) {
  const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
  return G.UnitStatus ? e.NameSI.str() : e.NameImp.str();
}

}  // namespace editor
