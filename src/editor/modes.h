#pragma once
// The editing state machine of the drawing area: what a pointer click does in every
// state, the commands that enter the Move, Rotate and Mirror modes, and Esc.

#include <cstdint>

namespace editor {

// A pointer press in the drawing area, at (X, Y) in drawing units. Every button and
// modifier acts alike.
void Base_MouseDown(int16_t Button, int16_t Shift, float X, float Y);

// Each enters its mode when at least one element is selected, and does nothing otherwise.
void BeginMove();
void BeginRotate();
void BeginMirror();

// Esc: leaves every mode, puts turned and mirrored elements back, drops an element that
// is being placed and clears the selection. Nothing is marked modified.
void CancelCommand();

}  // namespace editor
