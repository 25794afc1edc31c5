#include "app/print_page.h"

#include <cmath>
#include <string>

#include "app/preview_form.h"
#include "model/globals.h"
#include "model/rounding.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace app {

using model::G;

namespace {

constexpr const char* NoPrinter = "Please select a printer using Print Setup";

// Trims the blanks that pad a designation field.
std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What the preparation changes on the main window, put back on every way out: the page is
// made on the real drawing area, and a view left in its print state would be saved at exit.
class SavedView {
 public:
  SavedView()
      : showGrid_(G.ShowGrid),
        showXY_(G.ShowXY),
        zoom_(G.ZoomScale),
        rotAxis_(G.RotAxis),
        left_(windows::Sheet().Base.ScaleLeft),
        top_(windows::Sheet().Base.ScaleTop),
        width_(windows::Sheet().Base.ScaleWidth),
        height_(windows::Sheet().Base.ScaleHeight),
        outerWidth_(model::RoundToInt32(windows::Sheet().Base.Width)),
        outerHeight_(model::RoundToInt32(windows::Sheet().Base.Height)) {}
  SavedView(const SavedView&) = delete;
  SavedView& operator=(const SavedView&) = delete;
  ~SavedView() { Restore(); }

  void Restore() {
    if (restored_) return;
    restored_ = true;
    ui::PictureBox& base = windows::Sheet().Base;
    G.ShowXY = showXY_;
    G.ShowGrid = showGrid_;
    base.Width = static_cast<float>(outerWidth_);
    base.Height = static_cast<float>(outerHeight_);
    base.ScaleLeft = left_;
    base.ScaleTop = top_;
    base.ScaleWidth = width_;
    base.ScaleHeight = height_;
    G.RotAxis = rotAxis_;
    G.ZoomScale = zoom_;
    view::RedrawDrawing();
  }

 private:
  int16_t showGrid_, showXY_;
  float zoom_;
  model::Bool16 rotAxis_;
  float left_, top_, width_, height_;
  int32_t outerWidth_, outerHeight_;
  bool restored_ = false;
};

void ShowAxisMarks(PreviewForm& page, bool principal) {
  for (ui::Control* c : {static_cast<ui::Control*>(&page.lnYGlob), static_cast<ui::Control*>(&page.lnXGlob),
                         static_cast<ui::Control*>(&page.xGlob)})
    c->Visible = !principal;
  for (ui::Control* c : {static_cast<ui::Control*>(&page.lnYPrinc), static_cast<ui::Control*>(&page.lnXPrinc),
                         static_cast<ui::Control*>(&page.lnBase), static_cast<ui::Control*>(&page.lnAng1),
                         static_cast<ui::Control*>(&page.lnAng2), static_cast<ui::Control*>(&page.phiPrinc),
                         static_cast<ui::Control*>(&page.xPrinc)})
    c->Visible = principal;
}

// Every label the page shows is written on every fill, so a page filled again shows
// nothing of the fill before.
void FillPage(PreviewForm& page) {
  windows::SheetForm& sheet = windows::Sheet();
  const bool principal = G.RotAxis == model::False;
  page.lblDate.Caption = ui::platform().ShortDate();

  page.lblCalcOpt.Caption = principal ? "Section Properties Calculated About Principal Axes"
                                      : "Section Properties Calculated About Global Axes";
  page.lblphi.Visible = page.valphi.Visible = page.Label13.Visible = principal;

  const std::array<ui::Label*, 8> rows = page.ObjectRows();
  for (int k = 1; k <= 8; ++k) {
    std::string text;
    if (G.ElementCount >= k) {
      const model::ElementRecord& e = G.Elements[static_cast<size_t>(k)];
      text = Trimmed(G.UnitStatus != model::False ? e.NameSI.str() : e.NameImp.str());
    }
    rows[static_cast<size_t>(k - 1)]->Caption = text;
  }
  if (G.ElementCount > 8) page.lblObject8.Caption = "More than 8 elements!";

  // The table shows exactly the text of the results panel, exponents and decimals included.
  const std::array<windows::ResultRow, 16> panel = sheet.ResultRows();
  const std::array<PreviewRow, 16> table = page.TableRows();
  for (size_t i = 0; i < table.size(); ++i) {
    table[i].Value->Caption = panel[i].Value->Caption;
    if (i + 1 < table.size()) table[i].Unit->Caption = panel[i].Unit->Caption;
  }

  page.lblProjName.Caption = " " + G.ProjectName;
  page.lblProjInfo.Caption = " " + G.ObjectDescription;
  page.lblProjNum.Caption = " " + G.ProjectNumber;
  page.lblProjEng.Caption = " " + G.ProjectEngineer;
}

// The page's picture drawn on the drawing area and the page filled; false when the view
// cannot be fitted.
bool PreparePage() {
  ui::PictureBox& base = windows::Sheet().Base;
  G.ShowXY = 0;
  G.ZoomScale = 1;
  G.ShowGrid = 0;
  view::RedrawDrawing();
  view::RedrawDrawing();

  int16_t r = 0;
  if (!AspectFactor(base.ScaleWidth, base.ScaleHeight, r)) return false;
  PreviewForm& page = PreviewForNextPrint();
  base.Width = page.Window.Width;
  base.Height = page.Window.Height;
  PrintView fitted;
  const bool principal = G.RotAxis == model::False;
  if (!FitPrintView(G.SecWidth, G.SecDepth, G.XMin, G.YMax, r, principal, G.SecPhi, fitted)) return false;
  base.SetScale(fitted.ScaleLeft, fitted.ScaleTop, fitted.ScaleWidth, fitted.ScaleHeight);
  ShowAxisMarks(page, principal);
  view::RedrawDrawing();

  ui::ShowModeless(page);
  page.cmdPrint.SetFocus();  // the page's keys reach it at once: Enter prints, Esc closes
  // The picture keeps the drawing's scale for the record; its marks stay in twips.
  page.Window.ScaleLeft = 0;
  page.Window.ScaleTop = 0;
  page.Window.ScaleWidth = base.ScaleWidth;
  page.Window.ScaleHeight = base.ScaleHeight;
  page.Page.ForeColor = ui::ColourBlack;
  page.Window.Cls();
  page.Window.LoadImage(base.Snapshot());
  FillPage(page);
  return true;
}

}  // namespace

bool AspectFactor(float ScaleWidth, float ScaleHeight, int16_t& r) {
  if (ScaleWidth == 0 || !std::isfinite(ScaleWidth) || !std::isfinite(ScaleHeight)) return false;
  r = model::RoundToInt16(static_cast<double>(ScaleHeight) / ScaleWidth);
  return true;
}

bool FitPrintView(float SecWidth, float SecDepth, double XMin, double YMax, int16_t r, bool principal, float SecPhi,
                  PrintView& view) {
  // Fitted on the larger of width and depth; equal ones use the width.
  const float m = SecDepth <= SecWidth ? SecWidth : SecDepth;
  view.ScaleWidth = static_cast<float>(1.5 * m);
  view.ScaleHeight = static_cast<float>(r * static_cast<double>(m) * 1.3);
  if (view.ScaleWidth == 0 || view.ScaleHeight == 0 || !std::isfinite(view.ScaleWidth) ||
      !std::isfinite(view.ScaleHeight))
    return false;
  view.ScaleLeft = static_cast<float>(XMin - (static_cast<double>(view.ScaleWidth) - SecWidth) / 2);
  view.ScaleTop = static_cast<float>(YMax);
  if (principal)
    view.ScaleTop = static_cast<float>(SecWidth / 4.0 * std::cos(static_cast<double>(SecPhi)) + view.ScaleTop);
  return true;
}

void Printr_Click() {
  if (G.ElementCount < 1) {
    ui::MsgBox("Nothing to print!");
    return;
  }
  // Asked before anything changes, so a missing printer leaves everything as it was.
  std::string printer;
  if (!ui::platform().PrinterName(printer)) {
    ui::MsgBox(NoPrinter);
    return;
  }
  bool ready = false;
  {
    SavedView saved;
    ready = PreparePage();
    saved.Restore();
  }
  if (!ready) ui::MsgBox(NoPrinter);
}

void PrintSet_Click() {
  ui::CommonDialog& dialog = windows::Sheet().dlgCommonDialog;
  dialog.Flags = ui::FlagPrintSetup;
  dialog.CancelError = false;
  // The choice becomes the current printer; nothing is stored, and a cancel says nothing.
  ui::platform().ShowPrinter(dialog);
}

}  // namespace app
