#pragma once
// The plate dialog and its builder: a W by T rectangle turned by an angle.

#include "ui/control.h"
#include "ui/form.h"

namespace dialogs {

inline constexpr const char* PlateMessage =
    "Please enter the rotation angle as an integer between 0 and 360 degrees, and the plate dimensions as positive "
    "decimals or integers (no fractions).";

struct PlateOptionsForm : ui::Form {
  PlateOptionsForm();

  ui::Label Label1{*this, "Label1"};
  ui::TextBox Text1{*this, "Text1"};  // angle, degrees
  ui::CommandButton Command1{*this, "Command1"};
  ui::TextBox Text2{*this, "Text2"};  // width W
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::TextBox Text3{*this, "Text3"};  // height T
  ui::CommandButton Command2{*this, "Command2"};

  void Command1_Click();  // the plate builder
  void Command2_Click();
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Enter is OK, Esc is Cancel
};

}  // namespace dialogs
