#include "shapes/parallel_flange_outline.h"

#include <array>

namespace shapes {

Outline ParallelFlangeOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness, tw = e.WebThickness;
  const double k = e.FilletDepthK, k1 = e.FilletWidthK1;
  const double c = b / 2, h = tw / 2;
  // Fillet chord points: a of the fillet's width from the web face, f of its depth from the
  // inner face of the flange (0.33 is thirty-three hundredths).
  auto right_u = [&](double a) { return (c + h) + a * (k1 - h); };
  auto left_u = [&](double a) { return c - (h + a * (k1 - h)); };
  auto lower_v = [&](double f) { return tf + f * (k - tf); };
  auto upper_v = [&](double f) { return d - (tf + f * (k - tf)); };
  const std::array<LocalPoint, 28> loop = {{
      {0, 0},
      {b, 0},
      {b, tf},
      {c + k1, tf},
      {right_u(0.5), lower_v(0.2)},
      {right_u(0.33), lower_v(0.33)},
      {right_u(0.2), lower_v(0.5)},
      {c + h, k},
      {c + h, d - k},
      {right_u(0.2), upper_v(0.5)},
      {right_u(0.33), upper_v(0.33)},
      {right_u(0.5), upper_v(0.2)},
      {c + k1, d - tf},
      {b, d - tf},
      {b, d},
      {0, d},
      {0, d - tf},
      {c - k1, d - tf},
      {left_u(0.5), upper_v(0.2)},
      {left_u(0.33), upper_v(0.33)},
      {left_u(0.2), upper_v(0.5)},
      {c - h, d - k},
      {c - h, k},
      {left_u(0.2), lower_v(0.5)},
      {left_u(0.33), lower_v(0.33)},
      {left_u(0.5), lower_v(0.2)},
      {c - k1, tf},
      {0, tf},
  }};
  Outline o;
  o.AddLoop(Placement(e, X, Y, Grouping::Factored), loop);
  return o;
}

}  // namespace shapes
