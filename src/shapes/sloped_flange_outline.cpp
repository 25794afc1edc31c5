#include "shapes/sloped_flange_outline.h"

#include <array>

namespace shapes {

Outline SlopedFlangeOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
  const double b = e.Width, d = e.Depth, tf = e.FlangeThickness, tw = e.WebThickness, k = e.FilletDepthK;
  const double w = tw / 2 + b / 2;  // right web face
  const double l = b / 2 - tw / 2;  // left web face
  // Fillet heights above the lower flange's outer face.
  auto h = [&](double f) { return tf + f * (k - tf); };
  const std::array<LocalPoint, 36> loop = {{
      {0, 0},
      {b, 0},
      {b, 0.3 * tf},
      {0.9 * b, 0.7 * tf},
      {0.8 * b, 0.9 * tf},
      {w + 0.8 * k, tf},
      {w + 0.6 * k, h(0.1)},
      {w + 0.2 * k, h(0.4)},
      {w + 0.1 * k, h(0.7)},
      {w, k},
      {w, d - k},
      {w + 0.1 * k, d - h(0.7)},
      {w + 0.2 * k, d - h(0.4)},
      {w + 0.6 * k, d - h(0.1)},
      {w + 0.8 * k, d - tf},
      {0.8 * b, d - 0.9 * tf},
      {0.9 * b, d - 0.7 * tf},
      {b, d - 0.3 * tf},
      {b, d},
      {0, d},
      {0, d - 0.3 * tf},
      {0.1 * b, d - 0.7 * tf},
      {0.2 * b, d - 0.9 * tf},
      {l - 0.8 * k, d - tf},
      {l - 0.6 * k, d - h(0.1)},
      {l - 0.2 * k, d - h(0.4)},
      {l - 0.1 * k, d - h(0.7)},
      {l, d - k},
      {l, k},
      {l - 0.1 * k, h(0.7)},
      {l - 0.2 * k, h(0.4)},
      {l - 0.6 * k, h(0.1)},
      {l - 0.8 * k, tf},
      {0.2 * b, 0.9 * tf},
      {0.1 * b, 0.7 * tf},
      {0, 0.3 * tf},
  }};
  Outline o;
  o.AddLoop(Placement(e, X, Y, Grouping::Expanded), loop);
  return o;
}

}  // namespace shapes
