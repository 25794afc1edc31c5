#include "dialogs/plate_bar.h"

#include "dialogs/bar_options.h"
#include "dialogs/plate_options.h"
#include "model/globals.h"
#include "ui/dialog_keys.h"
#include "windows/shape_icons.h"
#include "windows/sheet.h"

namespace dialogs {

PlateBarForm::PlateBarForm() : ui::Form("PlateBar") {
  Caption = "Shape Type";
  SetClientSize(2850, 450);

  PlateCmd.Move(0, 0, 435, 435);
  PlateCmd.Picture = windows::PlateIcon();
  PlateCmd.TabIndex = 0;
  BarCmd.Move(480, 0, 435, 435);
  BarCmd.Picture = windows::BarIcon();
  BarCmd.TabIndex = 1;

  ui::WireFormEvents(*this);
  PlateCmd.Click = [this] { PlateCmd_Click(); };
  BarCmd.Click = [this] { BarCmd_Click(); };
}

void PlateBarForm::PlateCmd_Click() {
  {
    PlateOptionsForm dlg;
    dlg.EnsureLoaded();  // opening the dialog loads it before its labels are written
    dlg.Label2.Caption = model::G.UnitStatus ? "Width (mm)" : "Width (in)";
    dlg.Label3.Caption = model::G.UnitStatus ? "Height (mm)" : "Height (in)";
    ui::ShowModal(dlg);
  }
  Unload();
  windows::Sheet().TextEntry.SetFocus();
}

void PlateBarForm::BarCmd_Click() {
  {
    BarOptionsForm dlg;
    dlg.EnsureLoaded();
    dlg.Label1.Caption = model::G.UnitStatus ? "Diameter (mm)" : "Diameter (in)";
    ui::ShowModal(dlg);
  }
  Unload();
  windows::Sheet().TextEntry.SetFocus();
}

void PlateBarForm::Form_Load() { KeyPreview = true; }

void PlateBarForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyEscape)) Unload();
}

}  // namespace dialogs
