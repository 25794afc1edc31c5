#include "model/element_rule.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "model/new_element.h"
#include "model/record_fields.h"

namespace model {

namespace {

bool NumbersFinite(const ElementRecord& e) {
  bool finite = true;
  VisitFields(e, [&finite](int, const auto& field) {
    if constexpr (std::is_floating_point_v<std::decay_t<decltype(field)>>) finite = finite && std::isfinite(field);
  });
  return finite;
}

// The sides of the box, in the element's own axes, that every piece of its outline lies in:
// `across` along local u, `along` along local v. Each kind's outline is built from its own
// sizes only, so a plate's thickness fields (which nothing of a plate reads) do not count.
struct OwnBox {
  double across, along;
};

OwnBox OutlineBox(const ElementRecord& e) {
  const double W = std::fabs(e.Width), D = std::fabs(e.Depth);
  const double t = std::fabs(e.FlangeThickness), tw = std::fabs(e.WebThickness);
  switch (KindOf(e.ShapeType)) {
    case ShapeKind::Plate:
      return {W, D};
    case ShapeKind::Bar:
    case ShapeKind::CircularHSS:
      // A circle of diameter D centred at (W/2, D/2), where the extents place it and so where
      // the section's centroid is measured from. The box that holds both it and the
      // insertion point is D along; across it is D while |W| <= D (every bar and tube the
      // windows and the shape rows give, W = D, and a bar of no width), (|W| + D) / 2 beyond.
      return {std::max(D, (W + D) / 2), D};
    case ShapeKind::Angle:
      return {std::max(W, t), std::max(D, t)};  // the two legs, each t thick
    default:
      // Flanges W by t, a web tw by D, the root fillets k up from the flange face and k1
      // out from the web's centre line.
      return {std::max({W, tw, 2 * std::fabs(static_cast<double>(e.FilletWidthK1))}),
              std::max({D, t, std::fabs(static_cast<double>(e.FilletDepthK))})};
  }
}

}  // namespace

bool ElementCanBeHeld(const ElementRecord& e) {
  if (!NumbersFinite(e)) return false;
  // The area, first moments and second moments of every piece, in the element's own axes
  // or turned, lie within these three of the box; the calculation forms them in double
  // precision and holds them as singles.
  const auto [b, d] = OutlineBox(e);
  return FitsSingle(b * d) && FitsSingle(b * d * d * d / 12) && FitsSingle(b * b * b * d / 12);
}

}  // namespace model
