#pragma once
// The one full refresh of the drawing area: clear, every element in black, grid, axes,
// the recalculated results, and the Cut, Copy and Paste commands brought up to date.

namespace view {

void RedrawDrawing();

}  // namespace view
