#include "shapes/hss_outline.h"

#include <array>

namespace shapes {

namespace {

// A rounded rectangle on the box (0, 0) to (b, d) with corner radius r, counter-clockwise
// from the left end of its lower side. Each corner runs through five points given as
// distances, in units of r, from the corner's vertical and horizontal sides: (1, 0),
// (0.6, 0.1), (0.2, 0.5), (0.05, 0.8), (0, 1), or the reverse along a vertical side.
std::array<LocalPoint, 20> RoundedRectangle(double b, double d, double r) {
  return {{
      {r, 0},     {b - r, 0}, {b - r * 0.6, r * 0.1},      {b - r * 0.2, r * 0.5},     {b - r * 0.05, r * 0.8},
      {b, r},     {b, d - r}, {b - r * 0.05, d - r * 0.8}, {b - r * 0.2, d - r * 0.5}, {b - r * 0.6, d - r * 0.1},
      {b - r, d}, {r, d},     {r * 0.6, d - r * 0.1},      {r * 0.2, d - r * 0.5},     {r * 0.05, d - r * 0.8},
      {0, d - r}, {0, r},     {r * 0.05, r * 0.8},         {r * 0.2, r * 0.5},         {r * 0.6, r * 0.1},
  }};
}

}  // namespace

Outline HSSOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
  const double b = e.Width, d = e.Depth, t = e.FlangeThickness;
  Outline o;
  o.AddLoop(Placement(e, X, Y, Grouping::Expanded), RoundedRectangle(b, d, e.OuterRadius));
  // The inner loop is placed from its own origin, the local point (t, t) rounded to single
  // precision, with its sides rounded to single precision too.
  const float bi = static_cast<float>(b - (t + t));
  const float di = static_cast<float>(d - (t + t));
  const PlacedPoint inner = Placement(e, X, Y, Grouping::Expanded).Place({t, t});
  o.AddLoop(Placement(e, inner.x, inner.y, Grouping::Expanded), RoundedRectangle(bi, di, e.InnerRadius));
  return o;
}

}  // namespace shapes
