// One pointer-move step of each live preview over the 50-element section at the default
// view (1200 x 1000 pixels, one millimetre a pixel), with the overlap guard and the
// object snap on and the grid shown: placing a new plate in a gap of the section, moving
// ten selected elements, turning ten selected elements about a pivot. Each step is an
// accepted one: the pointer alternates between two positions a step apart.

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_section.h"
#include "editor/modes.h"
#include "editor/pointer.h"
#include "editor/snap.h"
#include "model/globals.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using model::G;

// The section, deselected, drawn, with the settings the previews read.
void Prepare() {
  ui::PictureBox& base = bench::DrawingArea(1200, 1000);
  base.SetScale(0, 1000, 1200, -1000);
  bench::BuildSection();
  for (int i = 1; i <= G.ElementCount; ++i) G.Elements[i].Selected = model::False;
  G.UnitStatus = model::True;
  G.ZoomScale = 1;
  G.GridSpacing = 100;
  G.ShowGrid = 1;
  G.SnapGrid = 0;
  G.OLapStatus = 1;
  G.OSnapStatus = 1;
  G.RotateSnap = 1;
  G.RotAxis = model::True;
  view::RedrawDrawing();
}

// The ten elements of columns 4 and 5.
void SelectTen() {
  for (int i = 1; i <= G.ElementCount; ++i) {
    const int col = (i - 1) % 10;
    G.Elements[i].Selected = (col == 4 || col == 5) ? model::True : model::False;
  }
}

void PlacingStep(benchmark::State& state) {
  Prepare();
  // The 50th element becomes a small plate being placed in the gap between columns 0 and 1.
  model::ElementRecord& e = G.Elements[50];
  e = model::ElementRecord{};
  e.ShapeType = 50;
  e.Width = e.Depth = 10;
  e.MirrorSign = 1;
  G.CurrentElement = 50;
  G.PlaceMode = model::True;
  editor::BuildSnapPoints();
  float x = 114;
  for (auto _ : state) {
    x = x == 114 ? 116 : 114;
    editor::Base_MouseMove(0, 0, x, 50);
  }
  state.counters["held"] = G.PreviewHeld ? 1 : 0;
}

// Ten elements selected, the command begun and its first click made at (600, 500); each
// step then goes to the next of two pointer positions.
void TenSelectedSteps(benchmark::State& state, void (*begin)(), float x0, float y0, float x1, float y1) {
  Prepare();
  SelectTen();
  begin();
  editor::Base_MouseDown(1, 0, 600, 500);
  bool first = true;
  for (auto _ : state) {
    first = !first;
    editor::Base_MouseMove(0, 0, first ? x0 : x1, first ? y0 : y1);
  }
  state.counters["held"] = G.PreviewHeld ? 1 : 0;
}

void MovingTenStep(benchmark::State& state) { TenSelectedSteps(state, editor::BeginMove, 600, 500, 601, 500); }

// Bearings of 0.5 and 1.5 degrees from the pivot: whole degrees 0 and 1 in turn.
void RotatingTenStep(benchmark::State& state) {
  const double a = 0.5 * M_PI / 180, b = 1.5 * M_PI / 180;
  TenSelectedSteps(state, editor::BeginRotate, static_cast<float>(600 + 300 * std::cos(a)),
                   static_cast<float>(500 + 300 * std::sin(a)), static_cast<float>(600 + 300 * std::cos(b)),
                   static_cast<float>(500 + 300 * std::sin(b)));
}

}  // namespace

BENCHMARK(PlacingStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(MovingTenStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(RotatingTenStep)->Unit(benchmark::kMicrosecond);
