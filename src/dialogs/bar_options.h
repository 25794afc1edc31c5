#pragma once
// The bar dialog and its builder: a solid round bar of diameter D.

#include "ui/control.h"
#include "ui/form.h"

namespace dialogs {

inline constexpr const char* BarMessage =
    "Please enter the bar diameter as a positive decimal or integer (no fractions).";

struct BarOptionsForm : ui::Form {
  BarOptionsForm();

  ui::Label Label1{*this, "Label1"};
  ui::CommandButton Command1{*this, "Command1"};
  ui::TextBox Text1{*this, "Text1"};  // diameter D
  ui::CommandButton Command2{*this, "Command2"};

  void Command1_Click();  // the bar builder
  void Command2_Click();
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Enter is OK, Esc is Cancel
};

}  // namespace dialogs
