// The real main window on the offscreen platform, started as the program starts it: how
// long the backend takes to bring the window up to date after an event that changed
// nothing, and after one that changed the coordinates box (as a pointer move with no
// command running does). Pointer events come tens of milliseconds apart, with the rest of
// the machine running in between; the "Cold" runs sweep the caches before each event so
// that the memory the sync reads counts as it does then.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "model/globals.h"
#include "ui/qt/qt_platform.h"
#include "windows/sheet.h"

namespace {

struct StartedWindow {
  QTemporaryDir settings;
  ui::qt::ScopedQtPlatform qt;

  StartedWindow() {
    // A settings store of its own, read as a first start without the start-up notice.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings("Quorvane", "Quorvane").setValue("Settings/SplashRead", "0");
    model::G = model::Globals{};
    windows::ResetSheet();
    app::WireMainWindow();
    ui::ShowModeless(windows::Sheet());
    QApplication::processEvents();
  }
  ~StartedWindow() {
    model::G.Modified = model::False;
    windows::Sheet().Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

// Reads and writes more memory than the caches hold (64 MB).
void SweepCaches() {
  static std::vector<char> memory(64 << 20);
  for (size_t i = 0; i < memory.size(); i += 64) ++memory[i];
  benchmark::DoNotOptimize(memory.data());
}

void SyncWithNothingChanged(benchmark::State& state) {
  StartedWindow window;
  const bool cold = state.range(0) != 0;
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      SweepCaches();
      state.ResumeTiming();
    }
    window.qt.platform.Dispatch([] {});
  }
}

void SyncAfterTheCoordinatesChanged(benchmark::State& state) {
  StartedWindow window;
  const bool cold = state.range(0) != 0;
  int n = 0;
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      SweepCaches();
      state.ResumeTiming();
    }
    window.qt.platform.Dispatch([&] { windows::Sheet().Coord.Text = std::to_string(++n % 1000) + ", 12"; });
  }
}

}  // namespace

BENCHMARK(SyncWithNothingChanged)->ArgName("Cold")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SyncAfterTheCoordinatesChanged)->ArgName("Cold")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
