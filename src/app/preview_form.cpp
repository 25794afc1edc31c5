#include "app/preview_form.h"

#include <initializer_list>

#include "ui/dialog_keys.h"
#include "ui/platform.h"

namespace app {

namespace {

// Not freed at exit: the window goes with the program, after the platform it would tell.
PreviewForm* current = nullptr;

constexpr float RowTop = 4320;  // top of the table's first row, twips in the page
constexpr float RowPitch = 360;
constexpr float LineHeight = 255;
const char* const TableFont = "MS Sans Serif";
const char* const ResultsFont = "ER Architect";  // the angle sign comes from the results font

void Place(ui::Label& l, ui::Control& container, float left, float top, float width, float height,
           const char* caption = "") {
  l.Container = &container;
  l.Move(left, top, width, height);
  l.Caption = caption;
  l.BackStyle = 0;  // the white page shows through
  l.FontName = TableFont;
}

void Rule(ui::LineShape& line, ui::Control& container, float x1, float y1, float x2, float y2) {
  line.Container = &container;
  line.X1 = x1;
  line.Y1 = y1;
  line.X2 = x2;
  line.Y2 = y2;
}

}  // namespace

PreviewForm::PreviewForm() : ui::Form("Preview") {
  Caption = "Print Preview";
  SetClientSize(7065, 10095);

  cmdPrint.Move(4320, 75, 1170, 450);
  cmdPrint.Caption = "Print";
  cmdCancel.Move(5640, 75, 1185, 450);
  cmdCancel.Caption = "Cancel";
  ui::WireOkCancel(*this, cmdPrint, cmdCancel, cmdPrint_Click, cmdCancel_Click);

  // Everything on the page is placed in twips from the page's (or the picture's) corner.
  Page.Move(120, 600, 6765, 9375);
  Page.ScaleMode = ui::ScaleModes::Twip;
  Page.BackColor = ui::ColourWhite;
  Page.TabStop = false;
  Window.Container = &Page;
  Window.Move(300, 480, 3480, 2850);
  Window.ScaleMode = ui::ScaleModes::Twip;
  Window.BackColor = ui::ColourWhite;
  Window.TabStop = false;
  LayOutAxisMarks();
  LayOutPropertyTable();
  LayOutProjectRows();
}

void PreviewForm::LayOutAxisMarks() {
  // Axis marks in the picture's lower-left corner: the global pair, or the principal pair
  // turned from a base line with the angle's arc and sign.
  Rule(lnXGlob, Window, 120, 2790, 600, 2790);
  Rule(lnYGlob, Window, 120, 2325, 120, 2805);
  Place(xGlob, Window, 465, 2565, 150, 240, "x");
  Place(yGlob, Window, 195, 2265, 150, 240, "y");
  Rule(lnXPrinc, Window, 240, 2805, 720, 2625);
  Rule(lnYPrinc, Window, 110, 2325, 240, 2805);
  Rule(lnBase, Window, 240, 2805, 740, 2805);
  Rule(lnAng1, Window, 630, 2670, 675, 2730);
  Rule(lnAng2, Window, 660, 2730, 645, 2805);
  Place(xPrinc, Window, 585, 2430, 150, 240, "x");
  Place(phiPrinc, Window, 765, 2595, 200, 240, "\u03c6");
  phiPrinc.FontName = ResultsFont;
}

// The date, the elements' list and the table of properties between its two rules.
void PreviewForm::LayOutPropertyTable() {
  Place(lblDate, Page, 4335, 90, 2220, LineHeight);
  Place(lblElements, Page, 4320, 420, 2295, 345, "Shape Elements");
  lblElements.FontBold = true;
  lblElements.FontSize = 9.75f;
  const std::array<ui::Label*, 8> objects = ObjectRows();
  for (size_t k = 0; k < objects.size(); ++k) {
    Place(*objects[k], Page, 4320, 840 + RowPitch * static_cast<float>(k), 2295, LineHeight);
  }
  Place(lblCalcOpt, Page, 195, 3510, 3735, LineHeight, "Section Properties Calculated About Global Axes");
  Rule(lnRule1, Page, 120, 3840, 6600, 3840);
  Place(lblProperties, Page, 1875, 3945, 2955, 360, "Section Properties");
  lblProperties.Alignment = 2;
  lblProperties.FontBold = true;
  lblProperties.FontSize = 12;

  struct Cell {
    PreviewRow Row;
    const char* Caption;
    const char* Power;
    int Line;    // 1 to 8 from the top
    bool Right;  // the right column
  };
  const std::initializer_list<Cell> cells = {
      {{&capA, &valA, &unA, &powA}, "A:", "2", 1, false},
      {{&capy, &valy, &uny, nullptr}, "y:", "", 2, false},
      {{&capx, &valx, &unx, nullptr}, "x:", "", 3, false},
      {{&capd, &vald, &und, nullptr}, "d:", "", 4, false},
      {{&capb, &valb, &unb, nullptr}, "b:", "", 5, false},
      {{&capJ, &valJ, &unJ, &powJ}, "J:", "4", 6, false},
      {{&capCw, &valCw, &unCw, &powCw}, "Cw:", "6", 7, false},
      {{&lblphi, &valphi, &Label13, nullptr}, "\u03c6:", "", 8, false},
      {{&capIx, &valIx, &unIx, &powIx}, "Ix:", "4", 1, true},
      {{&capSx, &valSx, &unSx, &powSx}, "Sx:", "3", 2, true},
      {{&caprx, &valrx, &unrx, nullptr}, "rx:", "", 3, true},
      {{&capZx, &valZx, &unZx, &powZx}, "Zx:", "3", 4, true},
      {{&capIy, &valIy, &unIy, &powIy}, "Iy:", "4", 5, true},
      {{&capSy, &valSy, &unSy, &powSy}, "Sy:", "3", 6, true},
      {{&capry, &valry, &unry, nullptr}, "ry:", "", 7, true},
      {{&capZy, &valZy, &unZy, &powZy}, "Zy:", "3", 8, true},
  };
  for (const Cell& cell : cells) {
    const float top = RowTop + RowPitch * static_cast<float>(cell.Line - 1);
    const float caption = cell.Right ? 3720 : 600;
    const float value = cell.Right ? 4080 : 840;
    const float unit = cell.Right ? 5685 : 2445;
    const float power = cell.Right ? 6090 : 2835;
    Place(*cell.Row.Caption, Page, caption, top, 600, LineHeight, cell.Caption);
    Place(*cell.Row.Value, Page, value, top, 1575, LineHeight);
    cell.Row.Value->Alignment = 1;
    Place(*cell.Row.Unit, Page, unit, top, 390, LineHeight, "mm");
    if (cell.Row.Power) {
      Place(*cell.Row.Power, Page, power, top - 60, 200, 200, cell.Power);
      cell.Row.Power->FontSize = 6;
    }
  }
  // The angle row: the sign in the results font and a raised "o" for degrees.
  lblphi.FontName = ResultsFont;
  Label13.Caption = "o";
  Label13.Move(2445, RowTop + RowPitch * 7 - 60, 200, 200);
  Label13.FontSize = 6;
  Rule(lnBarY, Page, 570, 4665, 750, 4665);
  Rule(lnBarX, Page, 540, 5025, 735, 5025);
  Rule(lnRule2, Page, 120, 7320, 6600, 7320);
}

void PreviewForm::LayOutProjectRows() {
  ui::Label* values[] = {&lblProjName, &lblProjNum, &lblProjInfo, &lblProjEng};
  ui::Label* captions[] = {&capProjName, &capProjNum, &capProjInfo, &capProjEng};
  const char* texts[] = {"Project Name:", "Project Number:", "Object Description:", "Designer:"};
  for (int i = 0; i < 4; ++i) {
    const float top = 7500 + RowPitch * static_cast<float>(i);
    Place(*captions[i], Page, 360, top, 1455, LineHeight, texts[i]);
    Place(*values[i], Page, 2160, top, 4215, LineHeight);
  }
}

std::array<ui::Label*, 8> PreviewForm::ObjectRows() {
  return {&lblObject1, &lblObject2, &lblObject3, &lblObject4, &lblObject5, &lblObject6, &lblObject7, &lblObject8};
}

std::array<PreviewRow, 16> PreviewForm::TableRows() {
  return {{{&capA, &valA, &unA, &powA},
           {&capy, &valy, &uny, nullptr},
           {&capx, &valx, &unx, nullptr},
           {&capd, &vald, &und, nullptr},
           {&capb, &valb, &unb, nullptr},
           {&capIx, &valIx, &unIx, &powIx},
           {&capSx, &valSx, &unSx, &powSx},
           {&caprx, &valrx, &unrx, nullptr},
           {&capZx, &valZx, &unZx, &powZx},
           {&capIy, &valIy, &unIy, &powIy},
           {&capSy, &valSy, &unSy, &powSy},
           {&capry, &valry, &unry, nullptr},
           {&capZy, &valZy, &unZy, &powZy},
           {&capJ, &valJ, &unJ, &powJ},
           {&capCw, &valCw, &unCw, &powCw},
           {&lblphi, &valphi, &Label13, nullptr}}};
}

PreviewForm& Preview() {
  if (!current) current = new PreviewForm;
  return *current;
}

PreviewForm& PreviewForNextPrint() {
  // A closed page is made afresh, so nothing of the last print run (hidden buttons, a flat
  // page) carries over into the next one.
  if (current && !current->IsLoaded()) ResetPreview();
  return Preview();
}

void ResetPreview() {
  delete current;
  current = nullptr;
}

void cmdPrint_Click() {
  PreviewForm& page = Preview();
  ui::Platform& printer = ui::platform();
  bool printed = printer.PrintLine("");  // opens the print document
  // The sheet as it goes to paper: white, without the buttons and the page's frame.
  page.BackColor = ui::ColourWhite;
  page.Window.BorderStyle = 0;
  page.cmdCancel.Visible = false;
  page.cmdPrint.Visible = false;
  page.Page.BorderStyle = 0;
  page.lblphi.FontBold = true;
  if (printed) printed = printer.PrintForm(page);
  // The document is ended also after a failure, so a half-made page does not linger.
  printed = printer.EndDoc() && printed;
  if (!printed) ui::MsgBox("The page could not be printed. Please select a printer using Print Setup");
  page.Unload();
}

void cmdCancel_Click() { Preview().Unload(); }

}  // namespace app
