#pragma once
// The typed-entry box: Enter finishes the step in progress by typed coordinates or a
// typed angle (the insertion point of an element being placed, the target of a Move
// before its base click, the angle of a Rotate after its pivot click), Esc cancels the
// command, F2 moves the object snap on to the next point. Text it cannot take is dropped
// without a message.

#include <cstdint>
#include <string>

namespace editor {

void TextEntry_KeyUp(int16_t& KeyCode, int16_t Shift);

// Removes every blank (code 32) in place; tabs and other characters stay.
void StripSpaces(std::string& Text);

}  // namespace editor
