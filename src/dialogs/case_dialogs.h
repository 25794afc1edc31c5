#pragma once
// The Tools menu's predefined torsion and warping cases: the two commands, their
// choosers, and the resets that other commands call when a case must end.

#include "model/case_state.h"
#include "ui/control.h"
#include "ui/form.h"
#include "windows/sheet.h"  // the items' captions

namespace dialogs {

// frmSetTorsion: the two box cases of the torsion constant.
struct SetTorsionForm : ui::Form {
  SetTorsionForm();

  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton pctSquare{*this, "pctSquare"};
  ui::CommandButton pctRectangle{*this, "pctRectangle"};
  ui::CommandButton cmdCancel{*this, "cmdCancel"};

  void pctRectangle_Click();
  void pctSquare_Click();
  void cmdCancel_Click();
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Esc closes the window; Enter has no action here
};

// frmSetWarping: the four cases of the warping constant.
struct SetWarpingForm : ui::Form {
  SetWarpingForm();

  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton pctChan{*this, "pctChan"};
  ui::CommandButton pctZed{*this, "pctZed"};
  ui::CommandButton pctWF{*this, "pctWF"};
  ui::CommandButton pctCrane{*this, "pctCrane"};
  ui::CommandButton cmdCancel{*this, "cmdCancel"};

  void pctCrane_Click();
  void pctWF_Click();
  void pctZed_Click();
  void pctChan_Click();
  void cmdCancel_Click();
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Esc closes the window; Enter has no action here
};

// The Tools menu commands: with elements, either revert the case in force (or being
// picked) to the sum, or open the chooser.
void Torsional_Click();
void Warping_Click();

}  // namespace dialogs
