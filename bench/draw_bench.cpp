// Drawing, erasing and overlap-testing a section of 50 mixed elements on a 1600 by 1000
// pixel drawing area: at the default view, zoomed in eight times, and at the deepest zoom
// (one millimetre across) centred on the web face of a turned I-section and on the wall of
// a circular hollow section.

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_section.h"
#include "model/globals.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"
#include "view/element_draw.h"
#include "windows/sheet.h"

namespace {

using model::G;

enum class View { Default, Zoom8, Deepest, DeepestOnCircle };

ui::PictureBox& Area(View v) {
  ui::PictureBox& base = bench::DrawingArea(1600, 1000);
  bench::BuildSection();
  switch (v) {
    case View::Default:
      base.SetScale(0, 1000, 1200, -1000);
      break;
    case View::Zoom8:
      base.SetScale(525, 562, 150, -125);
      break;
    case View::Deepest: {
      // Element 21 is a turned I-section; its right web face runs from (c + h, k) to
      // (c + h, d - k), 144 mm long. The view is the millimetre square round its middle.
      const auto& e = G.Elements[21];
      const double u = e.Width / 2.0 + e.WebThickness / 2.0, v = e.Depth / 2.0;
      const double x = e.PosX + (u * std::cos(e.Angle) - v * std::sin(e.Angle));
      const double y = e.PosY + u * std::sin(e.Angle) + v * std::cos(e.Angle);
      base.SetScale(std::floor(static_cast<float>(x)), std::floor(static_cast<float>(y)) + 1, 1, -1);
      break;
    }
    case View::DeepestOnCircle: {
      // Element 7 is a circular hollow section 100 across at (730, 10): the millimetre
      // square on its outer wall at 45 degrees, where the circle walk has the most passes
      // to make before it gets there. A circle's pixel radius follows the vertical scale
      // (1000 pixels a millimetre here, against 1600 across), so on this view it reaches
      // 50 * 1000 / 1600 mm to the side.
      const double r = 50, x = 730 + r + r * std::sqrt(0.5) * 1000 / 1600, y = 10 + r + r * std::sqrt(0.5);
      base.SetScale(std::floor(static_cast<float>(x)), std::floor(static_cast<float>(y)) + 1, 1, -1);
      break;
    }
  }
  return base;
}

// What clearing the 1600 by 1000 image alone costs, part of every redraw.
void ClearOnly(benchmark::State& state) {
  ui::PictureBox& base = Area(View::Default);
  for (auto _ : state) base.Cls();
  state.SetLabel("reference");
}

void Redraw(benchmark::State& state) {
  ui::PictureBox& base = Area(static_cast<View>(state.range(0)));
  for (auto _ : state) {
    base.Cls();
    G.IsRedrawing = model::True;
    for (int i = 1; i <= G.ElementCount; ++i)
      view::DrawElement(G.Elements[i].PosX, G.Elements[i].PosY, i, model::Black);
    G.IsRedrawing = model::False;
  }
  size_t drawn = 0;
  for (int32_t p : base.Pixels()) drawn += p != model::White;
  state.counters["pixels_drawn"] = static_cast<double>(drawn);
}

void EraseAll(benchmark::State& state) {
  ui::PictureBox& base = Area(static_cast<View>(state.range(0)));
  for (int i = 1; i <= G.ElementCount; ++i) view::DrawElement(G.Elements[i].PosX, G.Elements[i].PosY, i, model::Black);
  for (auto _ : state)
    for (int i = 1; i <= G.ElementCount; ++i) view::EraseElement(G.Elements[i].PosX, G.Elements[i].PosY, i);
  benchmark::DoNotOptimize(base.Pixels().data());
}

// On a white area nothing is found, so every test walks its whole outline: the worst case.
void OverlapTestAll(benchmark::State& state) {
  Area(static_cast<View>(state.range(0)));
  for (auto _ : state) {
    for (int i = 1; i <= G.ElementCount; ++i) {
      G.OverlapFound = model::False;
      view::TestElementOverlap(G.Elements[i].PosX, G.Elements[i].PosY, i);
    }
  }
}

void Views(benchmark::internal::Benchmark* b) {
  b->ArgName("view")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(ClearOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(Redraw)->Apply(Views);
BENCHMARK(EraseAll)->Apply(Views);
BENCHMARK(OverlapTestAll)->Apply(Views);
