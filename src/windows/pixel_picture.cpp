#include "windows/pixel_picture.h"

#include <cstddef>

namespace windows {

ui::Image BlankPicture(int width, int height) {
  ui::Image image;
  image.Width = width;
  image.Height = height;
  image.Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), PictureFace);
  return image;
}

void SetPicturePixel(ui::Image& image, int x, int y, int32_t colour) {
  if (x < 0 || y < 0 || x >= image.Width || y >= image.Height) return;
  image.Pixels[static_cast<size_t>(y) * static_cast<size_t>(image.Width) + static_cast<size_t>(x)] = colour;
}

void FillPicture(ui::Image& image, int x0, int y0, int x1, int y1, int32_t colour) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) SetPicturePixel(image, x, y, colour);
}

}  // namespace windows
