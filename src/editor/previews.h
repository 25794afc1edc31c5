#pragma once
// One step of each live preview, at the pointer position (X, Y). Each is an incremental
// redraw on the drawing area's image: the old preview erased, the elements that stay
// drawn again in black, the overlap test, the new preview in red, the grid dots repaired.

namespace editor {

// `force` takes the step however little the pointer moved (a click that places an
// element not shown yet).
void PlacingPreview(float X, float Y, bool force = false);
void MovePreview(float X, float Y);
void RotatePreview(float X, float Y);
void MirrorPreview(float X, float Y);

}  // namespace editor
