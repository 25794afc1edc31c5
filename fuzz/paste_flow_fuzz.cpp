// Clipboard text through what pasting drives: the bytes pasted into a small section (or,
// for an input of odd length, into an empty one), then Undo and Redo, Copy, Paste again,
// Undo and Redo, zoom and pan steps chosen by the last bytes, Save As and Open, Select
// All, Erase and Undo, each with the redraw and recalculation it runs. Whatever the text
// holds: the section never holds more than 50 elements, every record and every result
// shown is finite, each Undo gives back the section as it was before the step it undoes,
// each Redo the one after, and the pasted section saves as a file that opens again equal,
// view and zoom scale with it.

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

// After `step`: at most 50 elements, every record finite, every result shown finite; each
// broken promise names itself.
void CheckSection(const std::string& step) {
  Check(G.ElementCount >= 0 && G.ElementCount <= model::MaxElements, "a section holds at most 50 elements");
  Check(fuzzing::ElementsFinite(), ("every record is finite " + step).c_str());
  fuzzing::CheckResults(("every result shown is finite " + step).c_str());
}

// Undo and Redo over the last step: back to `before`, forward to `after`.
void CheckUndoRedo(const Section& before, const Section& after) {
  editor::Undo_Click();
  Check(Now() == before, "Undo gives back the section before the step");
  CheckSection("after Undo");
  editor::Redo_Click();
  Check(Now() == after, "Redo gives back the section after the step");
  CheckSection("after Redo");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ui::headless::HeadlessPlatform& platform = fuzzing::Restart();
  // Some inputs paste into an empty section: the first element is then a pasted one.
  if (size % 2 == 0) {
    fuzzing::AddPlate(100, 200, 0);
    fuzzing::AddPlate(150, 210, 0.5);
    fuzzing::AddPlate(-40, -300, -2);
  }
  view::RedrawDrawing();
  editor::ResetUndoHistory();

  // Paste takes only a text that starts with the element marker: give every input one.
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.starts_with(editor::ClipPrefix)) text.insert(0, editor::ClipPrefix);
  platform.Clipboard = text;

  const Section start = Now();
  editor::Paste_Click();
  CheckSection("after Paste");
  const Section pasted = Now();
  CheckUndoRedo(start, pasted);

  editor::Copy_Click();
  for (int i = 1; i <= G.ElementCount; ++i)
    Check(G.Elements[static_cast<size_t>(i)].Selected == model::False, "Copy leaves nothing selected");
  CheckSection("after Copy");
  editor::Paste_Click();
  CheckSection("after the second Paste");
  // The undo history holds the section as the first paste left it: Copy only deselects.
  CheckUndoRedo(pasted, Now());

  // Whatever was pasted, zoomed and panned as the input's last bytes say, the program saves
  // it as a file that opens again equal, view and zoom scale with it.
  fuzzing::ZoomAndPan(data, size, 12);
  fuzzing::CheckSavedAndOpenedEqual(platform);
  CheckSection("after Save As and Open");
  const Section again = Now();

  editor::SelectAll_Click();
  editor::EraseSelected();
  Check(G.ElementCount == 0, "Erase after Select All leaves no element");
  CheckSection("after Select All and Erase");
  CheckUndoRedo(again, Now());
  return 0;
}
