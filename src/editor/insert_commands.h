#pragma once
// The two commands that insert new elements: a standard shape from the shape files, and
// a plate or a bar.

namespace editor {

// Opens the shape-family window over the main window; what it leads to ends with the new
// element following the pointer, or with nothing built.
void BeginPlaceShape();

// Opens the plate-or-bar window.
void ShowPlateBar();

}  // namespace editor
