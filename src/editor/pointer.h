#pragma once
// Pointer moves over the drawing area: the coordinate read-out, the first grid draw, and
// the live preview of the mode in force (placing, moving, rotating or mirroring).

#include <cstdint>

namespace editor {

// Buttons and modifiers are not looked at: the preview follows the pointer either way.
void Base_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

}  // namespace editor
