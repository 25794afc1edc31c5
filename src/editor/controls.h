#pragma once
// The main-window controls that every editing step touches in the same way.

#include <string>

namespace editor {

// The typed-entry box accepting input (white, unlocked, focused) or shut (grey, locked).
void OpenTextEntry();
void ShutTextEntry();

// Toolbar buttons 10 "Cut" and 11 "Copy".
void SetCutCopyButtons(bool enabled);

// The first half of every change to the section: modified, an undo snapshot, the title.
void MarkSectionChanged();

// What a finished or abandoned pointer operation must not leave for the next one: a snap
// match no search of the next one found, a hold whose frozen drawing a redraw wipes, and
// the mark that the element being placed has been shown.
void ForgetPointerOperation();

// The designation of element i as the units show it, all 25 characters.
std::string Designation(int i);

}  // namespace editor
