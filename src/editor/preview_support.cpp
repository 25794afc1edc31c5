#include "editor/preview_support.h"

#include <algorithm>
#include <cmath>

#include "model/globals.h"
#include "model/guards.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "view/element_draw.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

int32_t GhostStep() {
  if (G.SnapGrid != 1) return 1;
  return std::max<int32_t>(G.GridSpacing, 1);
}

bool StepAccepted(float X, float Y, int32_t step) {
  return std::fabs(static_cast<double>(X) - G.PrevGhostX) >= step ||
         std::fabs(static_cast<double>(Y) - G.PrevGhostY) >= step;
}

void MoveGhost(float X, float Y, int32_t step) {
  G.PrevGhostX = G.GhostX;
  G.PrevGhostY = G.GhostY;
  G.GhostX = step * model::RoundToInt32(static_cast<double>(X) / step);
  G.GhostY = step * model::RoundToInt32(static_cast<double>(Y) / step);
}

std::string LengthText(double value) {
  if (G.UnitStatus) return model::NumberText(static_cast<float>(value));
  float inches = static_cast<float>(value / 25.4);
  model::RoundToDigits(inches, 2);
  return model::NumberText(inches);
}

void ShowTip(const std::string& caption) {
  ui::Label& tip = windows::Sheet().Label1;
  tip.Caption = caption;
  tip.Left = static_cast<float>(G.GhostX - 75);
  tip.Top = static_cast<float>(G.GhostY - 75);
  tip.Visible = true;
}

void ShowGhostTip() { ShowTip(LengthText(G.GhostX) + ", " + LengthText(G.GhostY)); }

void PlotSnapMarkers(int32_t colour) {
  ui::PictureBox& base = windows::Sheet().Base;
  base.DrawWidth = 5;
  base.PSet(static_cast<float>(G.SnapTargetX), static_cast<float>(G.SnapTargetY), colour);
  base.PSet(static_cast<float>(G.SnapSourceX), static_cast<float>(G.SnapSourceY), colour);
  base.DrawWidth = 1;
}

namespace {
void DrawInBlack(bool skip_selected, int skip) {
  G.IsRedrawing = model::True;
  const int n = model::ElementsInUse();
  for (int i = 1; i <= n; ++i) {
    const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    if (i != skip && !(skip_selected && e.Selected)) view::DrawElement(e.PosX, e.PosY, i, model::Black);
  }
  G.IsRedrawing = model::False;
}
}  // namespace

void DrawStayingElements() { DrawInBlack(true, 0); }
void DrawAllElementsBut(int skip) { DrawInBlack(false, skip); }

void RepairGrid(int i, double p, double q) {
  if (G.ShowGrid != 1 || G.GridTooDense) return;
  const int64_t g = std::max<int64_t>(G.GridSpacing, 1);
  const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
  const double x_end = p + e.Width + g, y_end = q + e.Depth + g;
  int64_t x0 = g * model::RoundToInt32(static_cast<double>(model::RoundToInt32(p - g)) / g);
  int64_t y0 = g * model::RoundToInt32(static_cast<double>(model::RoundToInt32(q - g)) / g);
  // Dots off the visible area plot nothing: start and stop at its edges, on the same
  // lattice, so a huge element costs no more than the view.
  ui::PictureBox& base = windows::Sheet().Base;
  const double left = std::min(base.ScaleLeft, base.ScaleLeft + base.ScaleWidth) - g;
  const double right = std::max(base.ScaleLeft, base.ScaleLeft + base.ScaleWidth) + g;
  const double bottom = std::min(base.ScaleTop, base.ScaleTop + base.ScaleHeight) - g;
  const double top = std::max(base.ScaleTop, base.ScaleTop + base.ScaleHeight) + g;
  if (x0 < left) x0 += static_cast<int64_t>(std::floor((left - x0) / g)) * g;
  if (y0 < bottom) y0 += static_cast<int64_t>(std::floor((bottom - y0) / g)) * g;
  for (int64_t x = x0; x <= x_end && x <= right; x += g)
    for (int64_t y = y0; y <= y_end && y <= top; y += g)
      base.PSet(static_cast<float>(x), static_cast<float>(y), model::Blue);
}

}  // namespace editor
