#pragma once
// The 21 pictures of the toolbar, drawn here from a few shapes each: flat colours with a
// dark outline, smoothed edges, on a see-through background, at any size (16 and 24
// pixels are the sizes they are drawn for).

#include "ui/image.h"

namespace windows {

constexpr int ToolbarIconCount = 21;

// Picture `image` (1 New, 2 Open, 3 Save, 4 Print, 5 Undo, 6 Redo, 7 Cut, 8 Copy, 9 Paste,
// 10 steel shape, 11 plate or bar, 12 Erase, 13 Move, 14 Rotate, 15 Mirror, 16 Zoom In,
// 17 Zoom Out, 18 Pan Up, 19 Pan Down, 20 Pan Left, 21 Pan Right), size by size pixels.
// Any other number gives an empty picture.
ui::Image ToolbarIcon(int image, int size);

}  // namespace windows
