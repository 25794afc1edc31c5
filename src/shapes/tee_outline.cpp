#include "shapes/tee_outline.h"

#include <array>

namespace shapes {

Outline TeeOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
  const double b = e.Width, d = e.Depth, tf = e.FlangeThickness, tw = e.WebThickness;
  const double k = e.FilletDepthK, k1 = e.FilletWidthK1;
  const double c = b / 2, h = tw / 2;
  const double p = k1 - h;  // the fillet's reach along the flange beyond the stem face
  const double q = k - tf;  // and along the stem beyond the flange
  const std::array<LocalPoint, 16> loop = {{
      {0, 0},
      {b, 0},
      {b, tf},
      {c + k1, tf},
      {0.5 * p + (h + c), 0.2 * q + tf},
      {0.33 * p + (h + c), 0.33 * q + tf},
      {0.2 * p + (h + c), 0.5 * q + tf},
      {h + c, k},
      {h + c, d},
      {c - h, d},
      {c - h, k},
      {c - (0.2 * p + h), 0.5 * q + tf},
      {c - (0.33 * p + h), 0.33 * q + tf},
      {c - (0.5 * p + h), 0.2 * q + tf},
      {c - k1, tf},
      {0, tf},
  }};
  Outline o;
  o.AddLoop(Placement(e, X, Y, Grouping::Expanded), loop);
  return o;
}

}  // namespace shapes
