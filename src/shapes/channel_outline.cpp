#include "shapes/channel_outline.h"

#include <array>

namespace shapes {

Outline ChannelOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
  const double b = e.Width, d = e.Depth, tf = e.FlangeThickness, tw = e.WebThickness, k = e.FilletDepthK;
  // Root fillet points a of the way from tw to k across and f of the way from tf to k up.
  auto fu = [&](double a) { return tw + a * (k - tw); };
  auto fv = [&](double f) { return tf + f * (k - tf); };
  // The lower half, V0 to V9; the upper half is its mirror about mid-depth, walked back.
  const std::array<LocalPoint, 10> lower = {{
      {0, 0},
      {b, 0},
      {b, 0.3 * tf},
      {0.9 * b, 0.7 * tf},
      {0.8 * b, 0.8 * tf},
      {k, 1.2 * tf},
      {fu(0.8), fv(0.2)},
      {fu(0.2), fv(0.5)},
      {fu(0.1), fv(0.7)},
      {tw, k},
  }};
  std::array<LocalPoint, 20> loop;
  for (int j = 0; j < 10; ++j) {
    loop[j] = lower[j];
    // The outer faces of the upper flange lie on v = d itself.
    loop[19 - j] = {lower[j].u, j < 2 ? d : d - lower[j].v};
  }
  Outline o;
  o.AddLoop(Placement(e, X, Y, Grouping::Expanded), loop);
  return o;
}

}  // namespace shapes
