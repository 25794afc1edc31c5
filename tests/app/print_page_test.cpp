// File > Print...: the refusals, the view fitted for the page, the preview's picture and
// table, the view put back on every way out, and the preview's Print and Cancel.

#include "app/print_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/preview_form.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "ui/headless/headless_platform.h"
#include "ui/input.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

constexpr const char* NoPrinter = "Please select a printer using Print Setup";

// What the preparation may change on the main window.
struct ViewState {
  int16_t ShowGrid, ShowXY;
  float ZoomScale;
  model::Bool16 RotAxis;
  float Left, Top, Width, Height, OuterWidth, OuterHeight;
  std::vector<int32_t> Pixels;
  friend bool operator==(const ViewState&, const ViewState&) = default;
};

ViewState Now() {
  const ui::PictureBox& b = Sheet().Base;
  return {G.ShowGrid,   G.ShowXY,      G.ZoomScale, G.RotAxis, b.ScaleLeft, b.ScaleTop,
          b.ScaleWidth, b.ScaleHeight, b.Width,     b.Height,  b.Pixels()};
}

model::ElementRecord Named(model::ElementRecord e, const std::string& si, const std::string& imp) {
  e.NameSI = si;
  e.NameImp = imp;
  return e;
}

class PrintPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G = model::Globals{};
    windows::ResetSheet();
    app::ResetPreview();
    G.UnitStatus = model::True;
    G.RotAxis = model::True;
    G.ZoomScale = 2;
    G.GridSpacing = 100;
    G.ShowGrid = 1;
    G.ShowXY = 1;
    G.SIPrec = 2;
    G.ImpPrec = 3;
    // The default view on a 9800 x 8300 twip drawing area.
    Sheet().Base.SetScale(0, 1000, 1200, -1000);
  }
  void TearDown() override { app::ResetPreview(); }

  // A 200 wide, 100 deep plate with its corner at the origin.
  void OnePlate() {
    G.Elements[1] = Named(model::testing::Plate(200, 100, 0, 0), "  PL 200x100  ", " PL 7.874x3.937");
    G.ElementCount = 1;
    view::RedrawDrawing();
  }
  // n plates of 10 x 10 side by side, named "P1", "P2" ...
  void Plates(int n) {
    for (int k = 1; k <= n; ++k)
      G.Elements[k] = Named(model::testing::Plate(10, 10, 20 * k, 0), "P" + std::to_string(k), "I" + std::to_string(k));
    G.ElementCount = static_cast<int16_t>(n);
    view::RedrawDrawing();
  }

  ui::headless::ScopedHeadless h;
};

TEST_F(PrintPageTest, NothingToPrintWithoutElements) {
  const ViewState before = Now();
  app::Printr_Click();
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>{"Nothing to print!"});
  EXPECT_TRUE(h.platform.ModelessOpen.empty());
  EXPECT_TRUE(Now() == before);
}

TEST_F(PrintPageTest, NoPrinterLeavesEverythingAsItWas) {
  OnePlate();
  h.platform.PrinterReady = false;
  const ViewState before = Now();
  app::Printr_Click();
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>{NoPrinter});
  EXPECT_TRUE(h.platform.ModelessOpen.empty());
  EXPECT_TRUE(Now() == before);
}

TEST_F(PrintPageTest, TheAspectFactorIsTheViewsHeightOverWidthToTheEvenWhole) {
  struct Case {
    float width, height;
    int16_t r;
  };
  const Case cases[] = {
      {1200, -1000, -1},                                                        // the default view
      {1000, -1400, -1}, {1000, -1500, -2},                                     // -1.5: a half to the even neighbour
      {1000, -2500, -2}, {1000, -2600, -3}, {1000, -501, -1}, {1000, -500, 0},  // -0.5 goes to 0
      {1000, 400, 0},
  };
  for (const Case& c : cases) {
    int16_t r = 99;
    ASSERT_TRUE(app::AspectFactor(c.width, c.height, r));
    EXPECT_EQ(r, c.r) << c.width << " x " << c.height;
  }
  int16_t r = 0;
  EXPECT_FALSE(app::AspectFactor(0, -1000, r));
}

TEST_F(PrintPageTest, TheSectionIsFittedOnItsWiderSideCentredAndTopAligned) {
  struct Case {
    const char* name;
    float width, depth, xmin, ymax;
    int16_t r;
    bool principal;
    float phi;
    app::PrintView expected;
  };
  const float third = static_cast<float>(3.14159265 / 3);  // cos = 1/2
  const Case cases[] = {
      // m = 200: 300 across, -1 * 200 * 1.3 down; left = 0 - (300 - 200) / 2.
      {"wider than deep", 200, 100, 0, 100, -1, false, 0, {-50, 100, 300, -260}},
      // m = 400 (the depth): 600 across; left = 50 - (600 - 100) / 2 = -200.
      {"deeper than wide", 100, 400, 50, 700, -1, false, 0, {-200, 700, 600, -520}},
      {"square: the width", 300, 300, 10, 300, -1, false, 0, {-65, 300, 450, -390}},
      {"a tall view", 200, 100, 0, 100, -2, false, 0, {-50, 100, 300, -520}},
      // Principal axes: the top raised by 200 / 4 * cos(phi).
      {"principal, phi 0", 200, 100, 0, 100, -1, true, 0, {-50, 150, 300, -260}},
      {"principal, phi 60 degrees", 200, 100, 0, 100, -1, true, third, {-50, 125, 300, -260}},
      {"principal, phi 180 degrees", 200, 100, 0, 100, -1, true, 3.14159265f, {-50, 50, 300, -260}},
  };
  for (const Case& c : cases) {
    app::PrintView v;
    ASSERT_TRUE(app::FitPrintView(c.width, c.depth, c.xmin, c.ymax, c.r, c.principal, c.phi, v)) << c.name;
    EXPECT_FLOAT_EQ(v.ScaleLeft, c.expected.ScaleLeft) << c.name;
    EXPECT_NEAR(v.ScaleTop, c.expected.ScaleTop, 1e-4) << c.name;
    EXPECT_FLOAT_EQ(v.ScaleWidth, c.expected.ScaleWidth) << c.name;
    EXPECT_FLOAT_EQ(v.ScaleHeight, c.expected.ScaleHeight) << c.name;
  }
  app::PrintView v;
  EXPECT_FALSE(app::FitPrintView(200, 100, 0, 100, 0, false, 0, v));  // no height
  EXPECT_FALSE(app::FitPrintView(0, 0, 0, 0, -1, false, 0, v));       // no width
}

TEST_F(PrintPageTest, ThePreviewShowsTheSectionDrawnAtPageScaleAndTheViewComesBack) {
  OnePlate();
  const ViewState before = Now();
  app::Printr_Click();
  EXPECT_TRUE(h.platform.Messages.empty());
  app::PreviewForm& page = app::Preview();
  ASSERT_EQ(h.platform.ModelessOpen, std::vector<ui::Form*>{&page});
  // The picture holds the page's view of the section: 300 across and 260 down from
  // x = -50, y = 100 on 228 x 186 pixels. Top edge y = 100: row 0; left edge x = 0:
  // column 50 * 228 / 300 = 38; right edge x = 200: column 190; bottom edge y = 0: row
  // 100 * 186 / 260 = 71.5, pixel 72 (the outline leaves the last pixel of a line out, so
  // the edges are tested away from the corners).
  const ui::PictureBox& picture = page.Window;
  EXPECT_EQ(picture.PixelWidth(), 228);
  EXPECT_EQ(picture.PixelHeight(), 186);
  EXPECT_FLOAT_EQ(picture.ScaleWidth, 300);
  EXPECT_FLOAT_EQ(picture.ScaleHeight, -260);
  EXPECT_EQ(picture.PixelAt(100, 0), model::Black);
  EXPECT_EQ(picture.PixelAt(60, 72), model::Black);
  EXPECT_EQ(picture.PixelAt(38, 30), model::Black);
  EXPECT_EQ(picture.PixelAt(190, 50), model::Black);
  EXPECT_EQ(picture.PixelAt(60, 30), model::White);
  EXPECT_EQ(picture.PixelAt(20, 30), model::White);
  // No grid and no axes glyph on the page: nothing black outside the plate.
  int stray = 0;
  for (int y = 0; y < 186; ++y)
    for (int x = 0; x < 228; ++x)
      if (picture.PixelAt(x, y) == model::Black && (x < 37 || x > 191 || y > 73)) ++stray;
  EXPECT_EQ(stray, 0);
  // The main window as it was, drawn again.
  EXPECT_TRUE(Now() == before);
}

TEST_F(PrintPageTest, TheTableCopiesTheResultsPanelAndTheProjectBlock) {
  OnePlate();
  G.ProjectName = "Mill building";
  G.ProjectNumber = "";
  G.ObjectDescription = "Crane girder";
  G.ProjectEngineer = "R. Ortiz";
  app::Printr_Click();
  app::PreviewForm& page = app::Preview();
  const auto panel = Sheet().ResultRows();
  const auto table = page.TableRows();
  for (size_t i = 0; i < panel.size(); ++i) {
    if (i + 1 < panel.size()) {  // the angle is shown in principal mode only
      EXPECT_FALSE(panel[i].Value->Caption.empty()) << i;
    }
    EXPECT_EQ(table[i].Value->Caption, panel[i].Value->Caption) << i;
  }
  // 200 x 100: A = 20000 shown with 2 decimals and no exponent.
  EXPECT_EQ(page.valA.Caption, " 20000");
  EXPECT_EQ(page.lblDate.Caption, h.platform.Today);
  EXPECT_EQ(page.lblCalcOpt.Caption, "Section Properties Calculated About Global Axes");
  EXPECT_FALSE(page.lblphi.Visible || page.valphi.Visible || page.Label13.Visible);
  EXPECT_TRUE(page.lnXGlob.Visible && page.lnYGlob.Visible && page.xGlob.Visible);
  EXPECT_FALSE(page.lnXPrinc.Visible || page.phiPrinc.Visible || page.xPrinc.Visible);
  EXPECT_EQ(page.lblProjName.Caption, " Mill building");
  EXPECT_EQ(page.lblProjNum.Caption, " ");
  EXPECT_EQ(page.lblProjInfo.Caption, " Crane girder");
  EXPECT_EQ(page.lblProjEng.Caption, " R. Ortiz");
}

TEST_F(PrintPageTest, TheElementRowsHoldTheTrimmedDesignations) {
  struct Case {
    int count;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {1, {"P1", "", "", "", "", "", "", ""}},
      {8, {"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8"}},
      {9, {"P1", "P2", "P3", "P4", "P5", "P6", "P7", "More than 8 elements!"}},
  };
  for (const Case& c : cases) {
    app::ResetPreview();
    Plates(c.count);
    app::Printr_Click();
    std::vector<std::string> rows;
    for (ui::Label* l : app::Preview().ObjectRows()) rows.push_back(l->Caption);
    EXPECT_EQ(rows, c.rows) << c.count;
  }
  app::ResetPreview();
  OnePlate();  // "  PL 200x100  " in its field
  app::Printr_Click();
  EXPECT_EQ(app::Preview().lblObject1.Caption, "PL 200x100");
}

TEST_F(PrintPageTest, InInchesTheRowsShowTheImperialDesignationsAndTheUnits) {
  G.UnitStatus = model::False;
  OnePlate();
  // The panel's unit captions in inch mode, as the settings leave them.
  for (const windows::ResultRow& r : Sheet().ResultRows())
    if (r.Unit != &Sheet().PhiUnitL) r.Unit->Caption = "in";
  view::RedrawDrawing();
  app::Printr_Click();
  app::PreviewForm& page = app::Preview();
  EXPECT_EQ(page.lblObject1.Caption, "PL 7.874x3.937");
  const auto table = page.TableRows();
  for (size_t i = 0; i + 1 < table.size(); ++i) EXPECT_EQ(table[i].Unit->Caption, "in") << i;
  EXPECT_EQ(page.Label13.Caption, "o");
  // 20000 mm2 / 645.16 = 31.0000620 in2, three decimals.
  EXPECT_EQ(page.valA.Caption, " 31");
  EXPECT_EQ(page.valA.Caption, Sheet().Area.Caption);
  // 100 mm deep: 3.937 in.
  EXPECT_EQ(page.vald.Caption, " 3.937");
}

TEST_F(PrintPageTest, FillingAnOpenPreviewAgainSetsEveryRow) {
  Plates(9);
  app::Printr_Click();
  app::PreviewForm& page = app::Preview();
  ASSERT_EQ(page.lblObject8.Caption, "More than 8 elements!");
  ASSERT_FALSE(page.lblphi.Visible);
  // Two elements, about the principal axes, into the same open window.
  Plates(2);
  G.RotAxis = model::False;
  view::RedrawDrawing();
  app::Printr_Click();
  ASSERT_EQ(&app::Preview(), &page);
  std::vector<std::string> rows;
  for (ui::Label* l : page.ObjectRows()) rows.push_back(l->Caption);
  EXPECT_EQ(rows, (std::vector<std::string>{"P1", "P2", "", "", "", "", "", ""}));
  EXPECT_EQ(page.lblCalcOpt.Caption, "Section Properties Calculated About Principal Axes");
  EXPECT_TRUE(page.lblphi.Visible && page.valphi.Visible && page.Label13.Visible);
  EXPECT_EQ(page.valphi.Caption, Sheet().Phi.Caption);
  EXPECT_TRUE(page.lnXPrinc.Visible && page.lnYPrinc.Visible && page.lnBase.Visible && page.lnAng1.Visible &&
              page.lnAng2.Visible && page.phiPrinc.Visible && page.xPrinc.Visible);
  EXPECT_FALSE(page.lnXGlob.Visible || page.lnYGlob.Visible || page.xGlob.Visible);
  EXPECT_TRUE(page.yGlob.Visible);  // shown in both modes
}

TEST_F(PrintPageTest, AViewTooFlatForThePageIsRefusedAndPutBack) {
  OnePlate();
  // Height at most half the width: the aspect factor is 0, the page would have no height.
  Sheet().Base.SetScale(0, 500, 1200, -500);
  view::RedrawDrawing();
  const ViewState before = Now();
  app::Printr_Click();
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>{NoPrinter});
  EXPECT_TRUE(h.platform.ModelessOpen.empty());
  // Grid, axes glyph, zoom, drawing area size and view all back, and drawn again.
  EXPECT_TRUE(Now() == before);
  EXPECT_EQ(G.ZoomScale, 2);
  EXPECT_EQ(G.ShowGrid, 1);
  EXPECT_EQ(G.ShowXY, 1);
}

TEST_F(PrintPageTest, PrintSendsThePageAsOneDocumentAndClosesThePreview) {
  OnePlate();
  app::Printr_Click();
  app::PreviewForm& page = app::Preview();
  app::cmdPrint_Click();
  EXPECT_EQ(h.platform.PrintedLines, std::vector<std::string>{""});
  EXPECT_EQ(h.platform.PrintedForms, std::vector<std::string>{"Preview"});
  EXPECT_EQ(h.platform.DocumentsEnded, 1);
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_FALSE(page.IsLoaded());
  // The page went out white, without the buttons or the page's frame, the angle sign bold.
  EXPECT_EQ(page.BackColor, model::White);
  EXPECT_FALSE(page.cmdPrint.Visible || page.cmdCancel.Visible);
  EXPECT_EQ(page.Page.BorderStyle, 0);
  EXPECT_TRUE(page.lblphi.FontBold);
  // The next Print command starts from a fresh page, buttons and frame included.
  app::Printr_Click();
  app::PreviewForm& next = app::Preview();
  EXPECT_TRUE(next.IsLoaded());
  EXPECT_TRUE(next.cmdPrint.Visible && next.cmdCancel.Visible);
  EXPECT_EQ(next.Page.BorderStyle, 1);
  EXPECT_FALSE(next.lblphi.FontBold);
}

TEST_F(PrintPageTest, EnterPrintsAndEscClosesWithoutPrinting) {
  OnePlate();
  app::Printr_Click();
  EXPECT_EQ(ui::DeliverKeyPress(app::Preview(), nullptr, ui::KeyEscape), 0);
  EXPECT_FALSE(app::Preview().IsLoaded());
  EXPECT_TRUE(h.platform.PrintedForms.empty());
  EXPECT_EQ(h.platform.DocumentsEnded, 0);

  app::Printr_Click();
  EXPECT_EQ(ui::DeliverKeyPress(app::Preview(), nullptr, ui::KeyReturn), 0);
  EXPECT_FALSE(app::Preview().IsLoaded());
  EXPECT_EQ(h.platform.PrintedForms, std::vector<std::string>{"Preview"});
}

TEST_F(PrintPageTest, APrinterLostBeforePrintIsReported) {
  OnePlate();
  app::Printr_Click();
  h.platform.PrinterReady = false;
  app::cmdPrint_Click();
  EXPECT_EQ(h.platform.Messages,
            std::vector<std::string>{"The page could not be printed. Please select a printer using Print Setup"});
  EXPECT_FALSE(app::Preview().IsLoaded());
}

TEST_F(PrintPageTest, PrintSetupShowsThePrinterDialogAndStoresNothing) {
  windows::Sheet().dlgCommonDialog.FileName = "girder.qvn";
  h.platform.PrinterSetupAccepted = false;
  app::PrintSet_Click();
  ASSERT_EQ(h.platform.FileRequests.size(), 1u);
  EXPECT_EQ(h.platform.FileRequests[0].Flags, 64);
  EXPECT_FALSE(h.platform.FileRequests[0].CancelError);
  EXPECT_EQ(windows::Sheet().dlgCommonDialog.FileName, "girder.qvn");
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_TRUE(h.platform.Settings.empty());
}

}  // namespace
