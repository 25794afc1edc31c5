#pragma once
// What the previews share: the grid step and the ghost, the pointer tip, the snap markers,
// the redraw of the elements that stay, and the repair of the grid dots under an erased
// preview.

#include <cstdint>
#include <string>

namespace editor {

// The ghost's step: the grid spacing while grid snap is on, else 1 (never below 1).
int32_t GhostStep();
// True when the pointer lies a full step from the ghost before the current one.
bool StepAccepted(float X, float Y, int32_t step);
// The ghost moves to the nearest multiple of the step; the old one is kept as previous.
void MoveGhost(float X, float Y, int32_t step);

// The tip beside the ghost: its position in millimetres or inches.
void ShowGhostTip();
// The tip beside the ghost with a text of its own.
void ShowTip(const std::string& caption);

// The two object-snap markers in a colour (white erases them).
void PlotSnapMarkers(int32_t colour);

// Every element that is not selected in black, with IsRedrawing set.
void DrawStayingElements();
// Every element but `skip`, selected or not, in black, with IsRedrawing set.
void DrawAllElementsBut(int skip);

// The grid dots in the upright Width by Depth box of element i erased at (p, q), widened
// by one grid step on each side.
void RepairGrid(int i, double p, double q);

// Text of a length in the units shown: whole millimetres, or inches to 2 decimals.
std::string LengthText(double value);

}  // namespace editor
