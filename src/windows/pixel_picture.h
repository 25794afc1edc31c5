#pragma once
// Drawing small pictures pixel by pixel (button pictures, the case windows' sketches):
// ink on the button face, rows counted from the top.

#include <cstdint>

#include "ui/control.h"
#include "ui/image.h"

namespace windows {

constexpr int32_t PictureInk = ui::ColourBlack;
constexpr int32_t PictureFace = ui::SystemButtonFace;

// A picture of the button face colour.
ui::Image BlankPicture(int width, int height);
// One pixel; outside the picture nothing is set.
void SetPicturePixel(ui::Image& image, int x, int y, int32_t colour);
// Columns x0..x1 and rows y0..y1, both inclusive.
void FillPicture(ui::Image& image, int x0, int y0, int x1, int y1, int32_t colour = PictureInk);

}  // namespace windows
