#pragma once
// What the targets that drive the program share: one headless platform and one main window,
// started through its Load event once for the whole run and put back before every input to
// the state start-up left, and the checks each flow makes of what the program shows and
// saves.

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

#include "app/query_form.h"
#include "app/wiring.h"
#include "editor/documents.h"
#include "model/globals.h"
#include "model/record_fields.h"
#include "model/rounding.h"
#include "ui/form.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "view/view_navigation.h"
#include "windows/sheet.h"

namespace fuzzing {

// A broken promise ends the run with what was broken, so the report says more than a trap.
inline void Check(bool kept, const char* promise) {
  if (kept) return;
  std::fprintf(stderr, "flow check failed: %s\n", promise);
  __builtin_trap();
}

namespace detail {

struct StartedProgram {
  ui::headless::ScopedHeadless scope;
  model::Globals globals;
  float left = 0, top = 0, width = 0, height = 0, outerWidth = 0, outerHeight = 0;
};

inline StartedProgram& Started() {
  // Made once: building the main window and its toolbar icons for every input would take
  // most of the time.
  static StartedProgram* started = [] {
    auto* s = new StartedProgram;
    windows::ResetSheet();
    app::WireMainWindow();
    ui::ShowModeless(windows::Sheet());  // loads it: the settings, the layout, the title
    // The discard question is always answered Yes, so Open and New go on.
    s->scope.platform.OnEveryModal(
        "QueryForm", [](ui::Form& question) { ui::headless::Click(static_cast<app::QueryForm&>(question).Command1); });
    s->globals = model::G;
    // A small window's drawing area, 300 x 250 pixels: every redraw clears and walks the
    // whole area, and a flow redraws many times per input.
    ui::PictureBox& base = windows::Sheet().Base;
    base.Width = static_cast<float>((300 + 4) * ui::TwipsPerPixel);
    base.Height = static_cast<float>((250 + 4) * ui::TwipsPerPixel);
    s->left = base.ScaleLeft;
    s->top = base.ScaleTop;
    s->width = base.ScaleWidth;
    s->height = base.ScaleHeight;
    s->outerWidth = base.Width;
    s->outerHeight = base.Height;
    return s;
  }();
  return *started;
}

}  // namespace detail

// The program as start-up left it, with the platform's records emptied; call first for
// every input.
inline ui::headless::HeadlessPlatform& Restart() {
  detail::StartedProgram& s = detail::Started();
  s.scope.platform.ForgetRecords();
  s.scope.platform.FileAnswers.clear();
  s.scope.platform.Clipboard.reset();
  model::G = s.globals;
  ui::PictureBox& base = windows::Sheet().Base;
  base.Width = s.outerWidth;
  base.Height = s.outerHeight;
  base.SetScale(s.left, s.top, s.width, s.height);
  return s.scope.platform;
}

// A plate of 200 x 10 mm with its corner at (x, y), turned by `angle` radians.
inline void AddPlate(int32_t x, int32_t y, double angle) {
  model::ElementRecord& p = model::G.Elements[static_cast<size_t>(++model::G.ElementCount)];
  p = model::ElementRecord{};
  p.NameSI = "PL 200x10";
  p.NameImp = "PL 7.874x0.394";
  p.ShapeType = 50;
  p.Width = p.WebThickness = 200;
  p.Depth = p.FlangeThickness = 10;
  p.ElemArea = 2000;
  p.ElemIx = 200.0f * 1000 / 12;
  p.ElemIy = 10.0f * 8e6f / 12;
  p.CentroidX = 100;
  p.CentroidY = 5;
  p.PosX = x;
  p.PosY = y;
  p.Angle = angle;
  p.MirrorSign = 1;
}

// Every number field of the record is finite.
inline bool RecordFinite(const model::ElementRecord& e) {
  bool finite = true;
  model::VisitFields(e, [&finite](int, const auto& field) {
    if constexpr (std::is_floating_point_v<std::decay_t<decltype(field)>>) finite = finite && std::isfinite(field);
  });
  return finite;
}

inline bool ElementsFinite() {
  for (int i = 1; i <= model::G.ElementCount; ++i)
    if (!RecordFinite(model::G.Elements[static_cast<size_t>(i)])) return false;
  return true;
}

// A text a person reads as a number that is not one.
inline bool ShowsNonFinite(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// The last calculation's results are finite, and so is every value the results panel shows.
inline void CheckResults(const char* promise) {
  const model::Globals& g = model::G;
  for (float v : {g.SecArea, g.SecDepth, g.SecWidth, g.SecXBar, g.SecYBar, g.SecIx, g.SecIy, g.SecIxy, g.SecSx, g.SecSy,
                  g.SecRx, g.SecRy, g.SecZx, g.SecZy, g.SecJ, g.SecCw, g.SecPhi})
    Check(std::isfinite(v), promise);
  for (const windows::ResultRow& row : windows::Sheet().ResultRows())
    Check(!ShowsNonFinite(row.Value->Caption), promise);
}

// What a document keeps of the section on screen: the elements, the unit and axis modes,
// the project strings, the view as the whole numbers the file gives back and the zoom scale.
struct SavedSection {
  int16_t ElementCount;
  std::vector<model::ElementRecord> Elements;
  model::Bool16 UnitStatus, RotAxis;
  std::string ProjectName, ProjectNumber, ObjectDescription, ProjectEngineer;
  int32_t ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight;
  float ZoomScale;
  friend bool operator==(const SavedSection&, const SavedSection&) = default;
};

inline SavedSection SectionOnScreen() {
  const model::Globals& g = model::G;
  const ui::PictureBox& base = windows::Sheet().Base;
  const auto first = g.Elements.begin() + 1;
  return {g.ElementCount,
          std::vector<model::ElementRecord>(first, first + std::clamp<int>(g.ElementCount, 0, 50)),
          g.UnitStatus,
          g.RotAxis,
          g.ProjectName,
          g.ProjectNumber,
          g.ObjectDescription,
          g.ProjectEngineer,
          model::RoundToInt32(base.ScaleLeft),
          model::RoundToInt32(base.ScaleTop),
          model::RoundToInt32(base.ScaleWidth),
          model::RoundToInt32(base.ScaleHeight),
          g.ZoomScale};
}

// The axes glyph's labels stand at finite places, whatever the zoom scale.
inline bool GlyphFinite() {
  const windows::SheetForm& s = windows::Sheet();
  for (const ui::Label* label : {&s.XaxisL, &s.YaxisL, &s.PxAxisL, &s.PyAxisL, &s.PaxisPhiL})
    if (!std::isfinite(label->Left) || !std::isfinite(label->Top)) return false;
  return true;
}

// Zoom and pan steps chosen by the input's last eight bytes, as the toolbar keys run them:
// each byte names a step (its low three bits: zoom out, zoom in, the four pans, or none)
// and how often it is taken in a row (its high five bits, 1 to 32 times), `most` steps at
// most in all (each redraws and recalculates). After each the glyph stands at finite places.
inline void ZoomAndPan(const uint8_t* data, size_t size, int most) {
  static void (*const Steps[])() = {view::ZoomViewOut, view::ZoomViewIn,  view::PanViewRight,
                                    view::PanViewLeft, view::PanViewDown, view::PanViewUp};
  constexpr size_t Bytes = 8;
  for (size_t i = size > Bytes ? size - Bytes : 0; i < size && most > 0; ++i) {
    const size_t step = data[i] & 7u;
    if (step >= std::size(Steps)) continue;
    for (int n = (data[i] >> 3) + 1; n > 0 && most > 0; --n, --most) {
      Steps[step]();
      Check(GlyphFinite(), "the axes glyph stands at finite places after every zoom and pan step");
    }
  }
}

// The section on screen saved through File > Save As and opened again through File > Open:
// it comes back equal, with its view and zoom scale, and neither step shows a message.
inline void CheckSavedAndOpenedEqual(ui::headless::HeadlessPlatform& platform) {
  // One file of the process's own, removed at exit (so the name outlives the static
  // destructors that run before the exit handlers).
  static const std::string* const path = [] {
    auto* p = new std::string(
        (std::filesystem::temp_directory_path() / ("quorvane-flow-saved-" + std::to_string(::getpid()) + ".qvn"))
            .string());
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove(*path, ec);
    });
    return p;
  }();
  const SavedSection before = SectionOnScreen();
  const size_t messages = platform.Messages.size();
  platform.FileAnswers.push_back(*path);
  editor::Saveas_Click();
  Check(platform.Messages.size() == messages && model::G.Modified == model::False && model::G.FileName == *path,
        "Save As writes the section without a message");
  platform.FileAnswers.push_back(*path);
  editor::Open_Click();
  Check(platform.Messages.size() == messages, "the saved section opens without a message");
  Check(SectionOnScreen() == before, "the saved section opens again equal");
}

}  // namespace fuzzing
