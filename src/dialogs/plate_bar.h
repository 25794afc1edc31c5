#pragma once
// The plate-or-bar window: two picture buttons that open the plate or the bar dialog.

#include "ui/control.h"
#include "ui/form.h"

namespace dialogs {

struct PlateBarForm : ui::Form {
  PlateBarForm();

  ui::CommandButton PlateCmd{*this, "PlateCmd"};
  ui::CommandButton BarCmd{*this, "BarCmd"};

  void PlateCmd_Click();
  void BarCmd_Click();
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Esc closes the window; Enter has no action here
};

}  // namespace dialogs
