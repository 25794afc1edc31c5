// The Qt side of the drawing area at 1600 x 1000 pixels, on the offscreen platform: how
// long the widget takes to bring its image up to date after a change of every pixel (a
// clear), and after a change of one element's outline (a plate of 133 x 12 pixels drawn
// in red, then in black). Only the widget's sync is timed, not the drawing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/canvas_widget.h"
#include "ui/qt/qt_platform.h"

namespace {

constexpr int kWidth = 1600, kHeight = 1000;

struct DrawingArea {
  ui::qt::ScopedQtPlatform qt;
  ui::Form form{"Bench"};
  ui::PictureBox box{form, "Base"};
  ui::qt::CanvasWidget* widget = nullptr;

  DrawingArea() {
    box.Width = static_cast<float>((kWidth + 4) * ui::TwipsPerPixel);
    box.Height = static_cast<float>((kHeight + 4) * ui::TwipsPerPixel);
    box.ScaleMode = ui::ScaleModes::Pixel;
    box.Cls();
    widget = new ui::qt::CanvasWidget(box, qt.platform, nullptr);
    widget->resize(kWidth + 4, kHeight + 4);
    widget->SyncImage();
  }
  ~DrawingArea() { delete widget; }

  // A plate's outline, 100 x 12 mm at the default view's 4/3 pixel a millimetre across.
  void Plate(int32_t colour) {
    const float l = 700, t = 500, r = 833, b = 512;
    box.Line(l, t, r, t, colour);
    box.Line(r, t, r, b, colour);
    box.Line(r, b, l, b, colour);
    box.Line(l, b, l, t, colour);
  }
};

void SyncAfterClear(benchmark::State& state) {
  DrawingArea area;
  for (auto _ : state) {
    state.PauseTiming();
    area.box.Cls();
    state.ResumeTiming();
    area.widget->SyncImage();
  }
  benchmark::DoNotOptimize(area.widget->PaintedImage().constBits());
}

void SyncAfterOneElement(benchmark::State& state) {
  DrawingArea area;
  bool red = false;
  for (auto _ : state) {
    state.PauseTiming();
    red = !red;
    area.Plate(red ? 255 : 0);
    state.ResumeTiming();
    area.widget->SyncImage();
  }
  benchmark::DoNotOptimize(area.widget->PaintedImage().constBits());
}

}  // namespace

BENCHMARK(SyncAfterClear)->Unit(benchmark::kMicrosecond);
BENCHMARK(SyncAfterOneElement)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
