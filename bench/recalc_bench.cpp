// RecalcProperties for a full section of 50 elements of every kind, about the global
// axes and about the principal axes.

#include <benchmark/benchmark.h>

#include "model/globals.h"
#include "model/properties.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace {

using model::ElementRecord;
using model::G;

ElementRecord Element(int16_t code, float d, float b, float tf, float tw, int i) {
  ElementRecord e;
  e.ShapeType = code;
  e.Depth = d;
  e.Width = b;
  e.FlangeThickness = tf;
  e.WebThickness = tw;
  e.ElemArea = code == 50 ? b * d : 2 * b * tf + (d - 2 * tf) * tw;
  // The rolled shapes with the roundings of real ones: root fillets of radius 10 (the
  // area they add), hollow corners of 2t outside and t inside, angle toes of radius 5.
  const float spandrel = static_cast<float>(1 - 3.14159265 / 4);
  e.FilletDepthK = tf + 15;
  e.FilletWidthK1 = tw / 2 + 15;
  if (code == 1 || code == 2) e.ElemArea += 4 * spandrel * 100;
  if (code == 6 || code == 9) e.ElemArea += 2 * spandrel * 100;
  if (code == 8) {
    e.FilletDepthK = tf + 10;
    e.ElemArea = tf * (b + d - tf) + spandrel * (100 - 2 * 25);
  }
  if (code == 15) {
    e.OuterRadius = 2 * tf;
    e.InnerRadius = tf;
  }
  e.ElemIx = b * d * d * d / 40;
  e.ElemIy = d * b * b * b / 60;
  e.ElemJ = 1000.0f * i;
  e.ElemCw = 1e9f * i;
  e.CentroidX = b / 2;
  e.CentroidY = d / 2;
  e.PosX = (i % 10) * 320 - 1500;
  e.PosY = (i / 10) * 360 - 900;
  e.Angle = 0.37 * i;
  e.MirrorSign = i % 3 == 0 ? -1 : 1;
  return e;
}

void LoadSection() {
  G = model::Globals{};
  G.UnitStatus = model::True;
  G.SIPrec = 2;
  G.ShowPAxis = 1;
  G.ShowCentroid = 1;
  const int16_t codes[] = {1, 2, 6, 8, 9, 15, 17, 50, 51, 50};
  for (int i = 1; i <= model::MaxElements; ++i) {
    const int16_t code = codes[i % 10];
    const bool round = code == 17 || code == 51;
    G.Elements[i] = round ? Element(code, 168, 168, 8, 8, i) : Element(code, 300, 150, 12, 8, i);
  }
  G.ElementCount = model::MaxElements;
}

void Recalc(benchmark::State& state, model::Bool16 global_axes) {
  ui::headless::ScopedHeadless h;
  windows::ResetSheet();
  LoadSection();
  G.RotAxis = global_axes;
  for (auto _ : state) {
    model::RecalcProperties();
    benchmark::DoNotOptimize(G.SecZx);
  }
}

void BM_RecalcGlobalAxes(benchmark::State& state) { Recalc(state, model::True); }
void BM_RecalcPrincipalAxes(benchmark::State& state) { Recalc(state, model::False); }

BENCHMARK(BM_RecalcGlobalAxes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecalcPrincipalAxes)->Unit(benchmark::kMicrosecond);

}  // namespace
