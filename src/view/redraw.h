#pragma once
// The one full refresh of the drawing area: clear, every element in black, grid, axes,
// the recalculated results, and the Cut, Copy and Paste commands brought up to date.
//
// src/view stands on shapes/, model/, windows/ and ui/: the pixel walks and probes, the
// outlines traced through them, the element dispatcher, redraw and layout, pan, zoom,
// grid and axes.

namespace view {

void RedrawDrawing();

// The Paste menu item and toolbar button enabled together, or greyed together.
void OfferPaste(bool offered);

}  // namespace view
