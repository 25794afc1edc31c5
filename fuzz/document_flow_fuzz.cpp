// A document's bytes through everything an opened file drives: opened by File > Open from a
// temporary file (a changed section before it, so the discard question is asked and
// answered Yes), zoomed and panned as its last bytes say, saved through Save As and opened
// again, redrawn, recalculated about the global and the principal axes, written as the
// property report, and laid out on the print page, printed and put back. Whatever the file
// holds: Open takes exactly the files the reader accepts, what opens saves after any zoom
// and pan as a file that opens again equal, view and zoom scale with it, every result
// shown is finite, the print leaves the view, grid, zoom and drawing area as they were,
// and the elements stay where the file put them.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/preview_form.h"
#include "app/print_page.h"
#include "app/report_text.h"
#include "editor/document_codec.h"
#include "editor/documents.h"
#include "flow_session.h"
#include "model/globals.h"
#include "model/properties.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using fuzzing::Check;
using model::G;

// One file of the process's own, removed at exit (so the name outlives the static
// destructors that run before the exit handlers).
const std::string& DocumentPath() {
  static const std::string* path = new std::string(
      (std::filesystem::temp_directory_path() / ("quorvane-document-flow-" + std::to_string(::getpid()) + ".qvn"))
          .string());
  return *path;
}

void RemoveDocument() {
  std::error_code ec;
  std::filesystem::remove(DocumentPath(), ec);
}

// Where an element lies and which way it faces.
struct Placement {
  int32_t PosX, PosY;
  double Angle;
  int16_t MirrorSign;
  friend bool operator==(const Placement&, const Placement&) = default;
};

std::vector<Placement> Placements() {
  std::vector<Placement> all;
  for (int i = 1; i <= G.ElementCount; ++i) {
    const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    all.push_back({e.PosX, e.PosY, e.Angle, e.MirrorSign});
  }
  return all;
}

std::vector<Placement> Placements(const editor::DocumentData& d) {
  std::vector<Placement> all;
  for (const model::ElementRecord& e : d.Elements) all.push_back({e.PosX, e.PosY, e.Angle, e.MirrorSign});
  return all;
}

// What the print page's preparation changes on the main window and must put back.
struct ViewState {
  int16_t ShowGrid, ShowXY;
  float ZoomScale;
  model::Bool16 RotAxis;
  float Left, Top, Width, Height, OuterWidth, OuterHeight;
  std::vector<int32_t> Pixels;
  friend bool operator==(const ViewState&, const ViewState&) = default;
};

ViewState Now() {
  const ui::PictureBox& b = windows::Sheet().Base;
  return {G.ShowGrid,   G.ShowXY,      G.ZoomScale, G.RotAxis, b.ScaleLeft, b.ScaleTop,
          b.ScaleWidth, b.ScaleHeight, b.Width,     b.Height,  b.Pixels()};
}

void CheckReport(size_t lines) {
  const std::vector<std::string> report = app::PropertyReportLines(G);
  Check(report.size() == lines, "the report has 28 lines about the global axes and 27 about the principal ones");
  // The project strings (lines 4 to 7) are the user's own text; the values start at line 13.
  for (size_t i = 12; i < report.size(); ++i) {
    if (fuzzing::ShowsNonFinite(report[i])) std::fprintf(stderr, "report line %zu: %s\n", i + 1, report[i].c_str());
    Check(!fuzzing::ShowsNonFinite(report[i]), "every report value is finite");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ui::headless::HeadlessPlatform& platform = fuzzing::Restart();
  app::ResetPreview();
  static const bool removedAtExit = std::atexit(RemoveDocument) == 0;
  (void)removedAtExit;

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(DocumentPath(), std::ios::binary | std::ios::trunc);
    out << bytes;
    Check(static_cast<bool>(out), "the temporary document is written");
  }
  const auto expected = editor::ReadDocument(bytes);

  // A changed section stands before the file, so Open asks before it replaces it.
  fuzzing::AddPlate(100, 200, 0);
  G.Modified = model::True;
  platform.FileAnswers.push_back(DocumentPath());
  editor::Open_Click();
  Check(platform.ModalShown == std::vector<std::string>{"QueryForm"}, "Open asks once about the changed section");

  if (!expected) {
    Check(platform.Messages == std::vector<std::string>{editor::InvalidFileMessage},
          "a file the reader refuses is refused with its message");
    Check(G.ElementCount == 1 && G.Modified == model::True && G.FileName.empty(),
          "a refused file leaves the section as it was");
    return 0;
  }
  Check(platform.Messages.empty(), "a file the reader accepts opens without a message");
  Check(G.FileName == DocumentPath() && G.Modified == model::False, "the opened file is the document, unchanged");
  const std::vector<Placement> opened = Placements(*expected);
  Check(Placements() == opened, "the elements lie as the file holds them");
  Check(fuzzing::ElementsFinite(), "every opened record is finite");
  fuzzing::CheckResults("the results after opening are finite");

  // What opened, zoomed and panned as the input's last bytes say, saves as a file that
  // opens again equal, view and zoom scale with it, through Save As and Open.
  fuzzing::ZoomAndPan(data, size, 48);
  Check(Placements() == opened, "zooming and panning move no element");
  fuzzing::CheckSavedAndOpenedEqual(platform);
  Check(Placements() == opened, "the elements lie as the file holds them after saving and opening again");
  fuzzing::CheckResults("the results after saving and opening again are finite");

  // The recalculation about both axis settings, each with its report.
  const model::Bool16 documentAxes = G.RotAxis;
  for (const model::Bool16 axes : {model::True, model::False}) {
    G.RotAxis = axes;
    model::RecalcProperties();
    fuzzing::CheckResults("the results about either axes are finite");
    Check(Placements() == opened, "the calculation puts every element back where it was");
    CheckReport(axes == model::True ? 28 : 27);
  }
  G.RotAxis = documentAxes;
  view::RedrawDrawing();

  // The print page: prepared on the drawing area, then everything put back.
  const ViewState before = Now();
  app::Printr_Click();
  Check(Now() == before, "the print puts the view, grid, zoom, drawing area and picture back");
  Check(Placements() == opened, "the print moves no element");
  fuzzing::CheckResults("the results after the print are finite");
  if (G.ElementCount < 1) {
    Check(platform.Messages == std::vector<std::string>{"Nothing to print!"}, "an empty section is not printed");
  } else if (platform.Messages.empty()) {
    app::PreviewForm& page = app::Preview();
    Check(page.IsLoaded(), "the prepared page is shown");
    ui::headless::Click(page.cmdPrint);
    Check(platform.PrintedForms.size() == 1 && platform.DocumentsEnded == 1, "the page prints as one page");
  } else {
    Check(platform.Messages == std::vector<std::string>{"Please select a printer using Print Setup"},
          "a page that cannot be laid out says so");
  }
  return 0;
}
