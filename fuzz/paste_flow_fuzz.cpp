// Clipboard text through what pasting drives: the bytes pasted into a small section, then
// Undo and Redo, Copy, Paste again, Undo and Redo, Select All, Erase and Undo, each with
// the redraw and recalculation it runs. Whatever the text holds: the section never holds
// more than 50 elements, every record and every result shown is finite, and each Undo
// gives back the section as it was before the step it undoes, each Redo the one after.

#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/clip_text.h"
#include "editor/clipboard.h"
#include "editor/commands.h"
#include "editor/undo.h"
#include "flow_session.h"
#include "model/globals.h"
#include "view/redraw.h"

namespace {

using fuzzing::Check;
using model::G;

// The whole element array with its count, as the undo history keeps it.
struct Section {
  int16_t ElementCount;
  decltype(model::Globals::Elements) Elements;
  friend bool operator==(const Section&, const Section&) = default;
};

Section Now() { return {G.ElementCount, G.Elements}; }

void CheckSection(const char* promise) {
  Check(G.ElementCount >= 0 && G.ElementCount <= model::MaxElements, "a section holds at most 50 elements");
  Check(fuzzing::ElementsFinite(), promise);
  fuzzing::CheckResults(promise);
}

// Undo and Redo over the last step: back to `before`, forward to `after`.
void CheckUndoRedo(const Section& before, const Section& after) {
  editor::Undo_Click();
  Check(Now() == before, "Undo gives back the section before the step");
  CheckSection("the section after Undo is finite");
  editor::Redo_Click();
  Check(Now() == after, "Redo gives back the section after the step");
  CheckSection("the section after Redo is finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ui::headless::HeadlessPlatform& platform = fuzzing::Restart();
  fuzzing::AddPlate(100, 200, 0);
  fuzzing::AddPlate(150, 210, 0.5);
  fuzzing::AddPlate(-40, -300, -2);
  view::RedrawDrawing();
  editor::ResetUndoHistory();

  // Paste takes only a text that starts with the element marker: give every input one.
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.starts_with(editor::ClipPrefix)) text.insert(0, editor::ClipPrefix);
  platform.Clipboard = text;

  const Section start = Now();
  editor::Paste_Click();
  CheckSection("every pasted record is finite");
  const Section pasted = Now();
  CheckUndoRedo(start, pasted);

  editor::Copy_Click();
  for (int i = 1; i <= G.ElementCount; ++i)
    Check(G.Elements[static_cast<size_t>(i)].Selected == model::False, "Copy leaves nothing selected");
  CheckSection("the section after Copy is finite");
  editor::Paste_Click();
  CheckSection("every record pasted again is finite");
  // The undo history holds the section as the first paste left it: Copy only deselects.
  CheckUndoRedo(pasted, Now());
  const Section again = Now();

  editor::SelectAll_Click();
  editor::EraseSelected();
  Check(G.ElementCount == 0, "Erase after Select All leaves no element");
  CheckSection("the empty section's results are finite");
  CheckUndoRedo(again, Now());
  return 0;
}
