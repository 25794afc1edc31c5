#pragma once
// The grid of dots at multiples of GridSpacing and the small axes glyph in the lower-left
// corner of the drawing area, with its labels.

namespace view {

void DrawGrid();
void DrawAxes();

}  // namespace view
