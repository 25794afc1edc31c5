#include "editor/bearing.h"

#include <cmath>

#include "model/globals.h"

namespace editor {

double Bearing(double dx, double dy) {
  constexpr double Pi = model::Pi;
  constexpr double HalfPi = Pi / 2;
  if (dx == 0) {
    if (dy > 0) return HalfPi;
    if (dy < 0) return 4.712388975;
    return 0;
  }
  if (dx > 0 && dy >= 0) return std::atan(dy / dx);
  if (dx < 0 && dy >= 0) return HalfPi + (HalfPi - std::atan(dy / -dx));
  if (dx < 0) return std::atan(-dy / -dx) + Pi;
  return HalfPi - std::atan(-dy / dx) + 4.712388975;
}

}  // namespace editor
