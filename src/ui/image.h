#pragma once
// A small picture: 32-bit colours in the platform's order (red in the low byte).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

struct Image {
  int Width = 0;
  int Height = 0;
  std::vector<int32_t> Pixels;  // row by row from the top
  // Opacity of each pixel, 0 to 255, in the order of Pixels; empty when fully opaque.
  std::vector<uint8_t> Alpha;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  int32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

}  // namespace ui
