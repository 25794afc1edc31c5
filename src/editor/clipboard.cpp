#include "editor/clipboard.h"

#include <string>

#include "editor/clip_text.h"
#include "editor/command_end.h"
#include "editor/commands.h"
#include "editor/controls.h"
#include "editor/title.h"
#include "editor/undo.h"
#include "model/globals.h"
#include "model/guards.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

namespace {

// After Copy and Cut: nothing is selected any more, and the clipboard holds elements.
void AfterCopy() {
  SetCutCopyButtons(false);
  view::OfferPaste(true);
}

void PutSelectionOnClipboard() {
  ui::platform().SetClipboardText(WriteClipText(G.Elements.data(), model::ElementsInUse()));
}

std::string EntryList(const std::vector<int>& entries) {
  std::string list;
  for (int n : entries) list += (list.empty() ? "" : ", ") + std::to_string(n);
  return list;
}

}  // namespace

void Copy_Click() {
  // A turn or mirror being previewed is not part of the elements: put them back first.
  EndCommandInProgress(true);
  PutSelectionOnClipboard();
  for (int i = 1; i <= model::ElementsInUse(); ++i) G.Elements[i].Selected = model::False;
  AfterCopy();
  view::RedrawDrawing();
}

// Copy, then the erase command on what was copied.
void Cut_Click() {
  EndCommandInProgress(true);
  PutSelectionOnClipboard();
  EraseSelected();
  AfterCopy();
}

void Paste_Click() {
  ui::Platform& p = ui::platform();
  if (!p.ClipboardHasText()) return;
  const std::string text = p.ClipboardText();
  if (!text.starts_with(ClipPrefix)) {
    view::OfferPaste(false);
    return;
  }
  view::OfferPaste(true);
  EndCommandInProgress();

  // The whole text is read before the section changes.
  const ClipReading reading = ReadClipText(text);
  size_t pasted = 0;
  for (const model::ElementRecord& e : reading.Elements) {
    if (model::ElementsInUse() >= model::MaxElements) break;
    G.ElementCount = static_cast<int16_t>(model::ElementsInUse() + 1);
    G.Elements[G.ElementCount] = e;
    ++pasted;
  }
  if (pasted > 0) {
    G.Modified = model::True;
    ShowTitle();
  }
  PushUndoState();
  view::RedrawDrawing();

  if (!reading.Refused.empty())
    ui::MsgBox("These elements on the clipboard could not be read and were not pasted: " + EntryList(reading.Refused) +
               ".");
  if (pasted < reading.Elements.size())
    ui::MsgBox("A section holds at most 50 elements: " + std::to_string(reading.Elements.size() - pasted) +
               " of the elements on the clipboard were not pasted.");
}

}  // namespace editor
