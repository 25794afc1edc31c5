#include "view/angle_outline.h"

#include <array>

#include "model/globals.h"

namespace view {

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

void DrawAngleOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  DrawOutline(AngleOutline, X, Y, Index, Colour);
}

void TestAngleOutline(int32_t X, int32_t Y, int32_t Index) { TestOutline(AngleOutline, X, Y, Index); }

}  // namespace view
