#pragma once
// The section-options window: rotation angle and mirror choice for a new standard shape.

#include <cstdint>

#include "ui/control.h"
#include "ui/form.h"

namespace dialogs {

inline constexpr const char* AngleMessage = "Please enter the rotation angle as an integer between 0 and 360 degrees.";

struct SectionOptionsForm : ui::Form {
  // `shapeList` is the opener's list, whose selection Cancel clears; `target` is the
  // index the new element will take (beyond the array when the section is full).
  SectionOptionsForm(ui::ListBox& shapeList, int target);

  ui::Label Label1{*this, "Label1"};
  ui::TextBox Text1{*this, "Text1"};
  ui::Label Label2{*this, "Label2"};
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::CommandButton Command1{*this, "Command1"};
  ui::CommandButton Command2{*this, "Command2"};

  void Command1_Click();
  void Command2_Click();
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Enter is OK, Esc is Cancel

 private:
  ui::ListBox& shapeList_;
  int target_;
};

}  // namespace dialogs
