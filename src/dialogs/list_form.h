#pragma once
// The list window: the designations of the family just loaded, one to choose.

#include "ui/control.h"
#include "ui/form.h"

namespace dialogs {

struct ListFormForm : ui::Form {
  ListFormForm();

  ui::ListBox ShapeList{*this, "ShapeList"};
  ui::CommandButton Command1{*this, "Command1"};
  ui::CommandButton Command2{*this, "Command2"};

  // OK: asks for the angle and mirror, then builds the chosen row as a new element and
  // starts placing it.
  void Command1_Click();
  void Command2_Click();
  void ShapeList_DblClick();              // OK on the entry double-clicked
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Enter is OK, Esc is Cancel
};

}  // namespace dialogs
