#include "view/layout.h"

#include <cmath>

#include "model/globals.h"
#include "model/rounding.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace view {

namespace {

constexpr float RowPitch = 355;  // twips between the rows of the results panel

void Redraw() { RedrawDrawing(); }

}  // namespace

int16_t SeparatorCount(float innerHeightTwips) { return model::RoundToInt16(innerHeightTwips / RowPitch); }

void DrawSeparators(ui::PictureBox& panel) {
  const float inner = std::fabs(panel.FromPixelY(panel.PixelHeight()) - panel.FromPixelY(0));
  const int16_t n = SeparatorCount(inner);
  // Positions in 32 bits: a panel taller than 16-bit twips still gets every line.
  for (int32_t i = 1; i <= n; ++i) {
    const float y = RowPitch * static_cast<float>(i);
    panel.Line(0, y, 10000, y, model::Blue);
  }
}

void Form_Resize() {
  windows::SheetForm& s = windows::Sheet();
  if (s.WindowState == ui::WindowMinimized) {
    Redraw();
    return;
  }
  const float W = s.Width;
  const float H = s.Height;
  if (W - 2800 > 0) s.Base.Width = W - 2700;
  if (W - 7600 > 0) s.TextEntry.Width = W - 7600;
  if (H - 1200 > 0) s.Base.Height = H - 1200;
  if (W - 2700 > 0) {
    s.CalcBox.Left = W - 2700;
    s.CalcBox.Width = 2700;
  }
  if (H - 1175 > 0) s.CalcBox.Height = H - 1175;
  DrawSeparators(s.CalcBox);
  Redraw();
}

}  // namespace view
