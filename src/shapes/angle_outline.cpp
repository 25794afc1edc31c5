#include "shapes/angle_outline.h"

#include <array>

namespace shapes {

Outline AngleOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
  const double b = e.Width, d = e.Depth, t = e.FlangeThickness;
  const std::array<LocalPoint, 10> loop = {{
      {0, 0},
      {b, 0},
      {b, t},
      {2 * t, t},
      {1.5 * t, 1.1 * t},
      {1.3 * t, 1.3 * t},
      {1.1 * t, 1.5 * t},
      {t, 2 * t},
      {t, d},
      {0, d},
  }};
  Outline o;
  o.AddLoop(Placement(e, X, Y, Grouping::Factored), loop);
  return o;
}

}  // namespace shapes
