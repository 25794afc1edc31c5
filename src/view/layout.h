#pragma once
// The main window's resize handler: lays out the drawing area, the typed-entry box and
// the results panel from the window's outer size, draws the results panel's separator
// lines and redraws.

#include <cstdint>

#include "ui/control.h"

namespace view {

// Sheet.Form_Resize.
void Form_Resize();

// How many separator lines a results panel of this inner height (twips) gets: height /
// 355 to a 16-bit integer, halves to the even neighbour.
int16_t SeparatorCount(float innerHeightTwips);
// Draws them, in blue, every 355 twips from the top; the panel is not cleared first.
void DrawSeparators(ui::PictureBox& panel);

}  // namespace view
