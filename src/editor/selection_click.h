#pragma once
// A click in the drawing area outside every mode: it picks the element under the pointer
// (selecting or deselecting it), or clears the selection when it hits none, and then
// serves the picks of a predefined torsion or warping case that waits for one.

namespace editor {

void SelectionClick(float X, float Y);

// The element whose upright footprint box holds (X, Y) strictly inside, by the choice
// rule among several; 0 when none does.
int ElementUnderPointer(float X, float Y);

}  // namespace editor
