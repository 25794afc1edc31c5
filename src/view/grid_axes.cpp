#include "view/grid_axes.h"

#include <cmath>
#include <cstdint>

#include "model/globals.h"
#include "model/rounding.h"
#include "windows/sheet.h"

namespace view {

using model::G;

namespace {

// A view read back from a file or the settings can hold any numbers. One whose left,
// top, width or height is not finite or lies beyond a billion units has no grid and no
// axes: nothing below then converts a position that does not fit.
bool UsableView(const ui::Canvas& c) {
  for (double v : {c.ScaleLeft, c.ScaleTop, c.ScaleWidth, c.ScaleHeight})
    if (!std::isfinite(v) || std::fabs(v) > 1e9) return false;
  return true;
}

// Dots closer than two pixels cannot be told apart (and a wide view with a fine grid would
// plot millions of them): such a grid is not drawn.
bool DotsApart(const ui::Canvas& c, double g) {
  const double across = g * c.PixelWidth() / std::fabs(c.ScaleWidth);
  const double down = g * c.PixelHeight() / std::fabs(c.ScaleHeight);
  return across >= 2 && down >= 2;
}

// The glyph's positions are reckoned in doubles; a zoom scale near the largest single puts
// them beyond the single range, where they are held at its end: far out of sight, finite.
float Position(double v) { return model::SaturateToSingle(v); }

void PlaceLabel(ui::Label& label, double left, double top) {
  label.Left = Position(left);
  label.Top = Position(top);
}

}  // namespace

void DrawGrid() {
  if (G.ShowGrid != 1 || G.GridTooDense || G.GridSpacing < 1) return;
  ui::PictureBox& base = windows::Sheet().Base;
  const int32_t g = G.GridSpacing;
  if (!UsableView(base) || !DotsApart(base, g)) return;
  const int32_t x0 = static_cast<int32_t>(std::floor(base.ScaleLeft / g)) * g + g;
  for (int32_t x = x0; x < base.ScaleLeft + base.ScaleWidth; x += g) {
    for (int32_t y = static_cast<int32_t>(std::floor(base.ScaleTop / g)) * g; y > base.ScaleTop + base.ScaleHeight;
         y -= g)
      base.PSet(static_cast<float>(x), static_cast<float>(y), model::Blue);
  }
}

void DrawAxes() {
  windows::SheetForm& sheet = windows::Sheet();
  ui::PictureBox& base = sheet.Base;
  if (G.ShowXY != 1 || !UsableView(base)) return;
  const double Z = G.ZoomScale;
  sheet.YaxisL.Visible = true;
  sheet.XaxisL.Visible = true;
  const double Ox = base.ScaleLeft + 65 * Z;
  const double Oy = base.ScaleTop + base.ScaleHeight + 100 * Z;
  PlaceLabel(sheet.YaxisL, Ox - 25 * Z, Oy + 105 * Z);
  PlaceLabel(sheet.XaxisL, Ox + 85 * Z, Oy - 10 * Z);

  auto line = [&base](double x1, double y1, double x2, double y2, int32_t colour) {
    base.Line(Position(x1), Position(y1), Position(x2), Position(y2), colour);
  };
  base.DrawStyle = ui::DrawStyleDot;
  line(Ox, Oy, Ox, Oy + 100 * Z, model::Black);
  line(Ox, Oy, Ox + 100 * Z, Oy, model::Black);
  base.DrawStyle = ui::DrawStyleSolid;

  if (G.RotAxis) {
    sheet.XaxisL.Visible = sheet.YaxisL.Visible = true;
    sheet.PxAxisL.Visible = sheet.PyAxisL.Visible = sheet.PaxisPhiL.Visible = false;
    return;
  }
  sheet.PxAxisL.Visible = sheet.PyAxisL.Visible = sheet.PaxisPhiL.Visible = true;
  PlaceLabel(sheet.PxAxisL, Ox + 75 * Z, Oy + 55 * Z);
  PlaceLabel(sheet.PyAxisL, Ox - 45 * Z, Oy + 80 * Z);
  PlaceLabel(sheet.PaxisPhiL, Ox + 95 * Z, Oy + 27 * Z);
  sheet.XaxisL.Visible = sheet.YaxisL.Visible = false;

  // The principal-axes symbol, always tilted by 0.3 radians.
  base.DrawStyle = ui::DrawStyleDot;
  line(Ox, Oy, Ox - 100 * Z * std::sin(0.3), Oy + 100 * Z * std::cos(0.3), model::Red);
  line(Ox, Oy, Ox + 100 * Z * std::cos(0.3), Oy + 100 * Z * std::sin(0.3), model::Blue);
  base.DrawStyle = ui::DrawStyleSolid;

  // The angle mark.
  line(Ox + 75 * Z, Oy, Ox + 77 * Z, Oy + 8 * Z, base.ForeColor);
  base.LineTo(Position(Ox + 76 * Z), Position(Oy + 15 * Z), base.ForeColor);
  base.LineTo(Position(Ox + 74 * Z), Position(Oy + 23 * Z), base.ForeColor);
}

}  // namespace view
