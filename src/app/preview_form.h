#pragma once
// The print page: a one-page report of the section, its picture, its element list, its
// property table and the project block, shown without blocking the main window. Print
// sends the page to the printer as one page; Cancel closes it.

#include <array>

#include "ui/control.h"
#include "ui/form.h"

namespace app {

// One row of the property table: caption, value, unit and the power digit (null where the
// unit has none).
struct PreviewRow {
  ui::Label* Caption;
  ui::Label* Value;
  ui::Label* Unit;
  ui::Label* Power;
};

struct PreviewForm : ui::Form {
  PreviewForm();

  ui::CommandButton cmdPrint{*this, "cmdPrint"};
  ui::CommandButton cmdCancel{*this, "cmdCancel"};
  ui::PictureBox Page{*this, "Page"};
  // The section's picture, with the axis marks in its lower-left corner.
  ui::PictureBox Window{*this, "Window"};
  ui::LineShape lnXGlob{*this, "lnXGlob"}, lnYGlob{*this, "lnYGlob"};
  ui::Label xGlob{*this, "xGlob"}, yGlob{*this, "yGlob"};
  ui::LineShape lnXPrinc{*this, "lnXPrinc"}, lnYPrinc{*this, "lnYPrinc"}, lnBase{*this, "lnBase"},
      lnAng1{*this, "lnAng1"}, lnAng2{*this, "lnAng2"};
  ui::Label xPrinc{*this, "xPrinc"}, phiPrinc{*this, "phiPrinc"};

  ui::Label lblDate{*this, "lblDate"};
  ui::Label lblElements{*this, "lblElements"};
  ui::Label lblObject1{*this, "lblObject1"}, lblObject2{*this, "lblObject2"}, lblObject3{*this, "lblObject3"},
      lblObject4{*this, "lblObject4"}, lblObject5{*this, "lblObject5"}, lblObject6{*this, "lblObject6"},
      lblObject7{*this, "lblObject7"}, lblObject8{*this, "lblObject8"};
  ui::Label lblCalcOpt{*this, "lblCalcOpt"};
  ui::LineShape lnRule1{*this, "lnRule1"};
  ui::Label lblProperties{*this, "lblProperties"};

  // The property table, left column then right column.
  ui::Label capA{*this, "capA"}, valA{*this, "valA"}, unA{*this, "unA"}, powA{*this, "powA"};
  ui::Label capy{*this, "capy"}, valy{*this, "valy"}, uny{*this, "uny"};
  ui::Label capx{*this, "capx"}, valx{*this, "valx"}, unx{*this, "unx"};
  ui::Label capd{*this, "capd"}, vald{*this, "vald"}, und{*this, "und"};
  ui::Label capb{*this, "capb"}, valb{*this, "valb"}, unb{*this, "unb"};
  ui::Label capJ{*this, "capJ"}, valJ{*this, "valJ"}, unJ{*this, "unJ"}, powJ{*this, "powJ"};
  ui::Label capCw{*this, "capCw"}, valCw{*this, "valCw"}, unCw{*this, "unCw"}, powCw{*this, "powCw"};
  ui::Label lblphi{*this, "lblphi"}, valphi{*this, "valphi"}, Label13{*this, "Label13"};
  ui::Label capIx{*this, "capIx"}, valIx{*this, "valIx"}, unIx{*this, "unIx"}, powIx{*this, "powIx"};
  ui::Label capSx{*this, "capSx"}, valSx{*this, "valSx"}, unSx{*this, "unSx"}, powSx{*this, "powSx"};
  ui::Label caprx{*this, "caprx"}, valrx{*this, "valrx"}, unrx{*this, "unrx"};
  ui::Label capZx{*this, "capZx"}, valZx{*this, "valZx"}, unZx{*this, "unZx"}, powZx{*this, "powZx"};
  ui::Label capIy{*this, "capIy"}, valIy{*this, "valIy"}, unIy{*this, "unIy"}, powIy{*this, "powIy"};
  ui::Label capSy{*this, "capSy"}, valSy{*this, "valSy"}, unSy{*this, "unSy"}, powSy{*this, "powSy"};
  ui::Label capry{*this, "capry"}, valry{*this, "valry"}, unry{*this, "unry"};
  ui::Label capZy{*this, "capZy"}, valZy{*this, "valZy"}, unZy{*this, "unZy"}, powZy{*this, "powZy"};
  // The bars over the centroid captions.
  ui::LineShape lnBarY{*this, "lnBarY"}, lnBarX{*this, "lnBarX"};
  ui::LineShape lnRule2{*this, "lnRule2"};

  ui::Label capProjName{*this, "capProjName"}, capProjNum{*this, "capProjNum"}, capProjInfo{*this, "capProjInfo"},
      capProjEng{*this, "capProjEng"};
  ui::Label lblProjName{*this, "lblProjName"}, lblProjNum{*this, "lblProjNum"}, lblProjInfo{*this, "lblProjInfo"},
      lblProjEng{*this, "lblProjEng"};

  // The element rows from the top.
  std::array<ui::Label*, 8> ObjectRows();
  // The table's rows in the order of the results panel's rows (windows::SheetForm::
  // ResultRows), the angle row last; its "unit" is the raised degree mark.
  std::array<PreviewRow, 16> TableRows();

 private:
  void LayOutAxisMarks();
  void LayOutPropertyTable();
  void LayOutProjectRows();
};

// The preview window as it stands: loaded on first use, and made afresh for the next
// Print command once it was closed.
PreviewForm& Preview();
// The window for the next Print command: the open one, or a fresh one.
PreviewForm& PreviewForNextPrint();
// Forgets the window (tests, between cases).
void ResetPreview();

// Preview's buttons.
void cmdPrint_Click();
void cmdCancel_Click();

}  // namespace app
