#include "shapes/tee_outline.h"

#include <array>

#include "model/globals.h"

namespace shapes {

using view::LocalPoint;

view::Outline TeeOutline(int32_t X, int32_t Y, const model::ElementRecord& e) {
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
  view::Outline o;
  o.AddLoop(view::Placement(e, X, Y, view::Grouping::Expanded), loop);
  return o;
}

void DrawTeeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  view::DrawOutline(TeeOutline, X, Y, Index, Colour);
}

void TestTeeOutline(int32_t X, int32_t Y, int32_t Index) { view::TestOutline(TeeOutline, X, Y, Index); }

}  // namespace shapes
