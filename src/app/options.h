#pragma once
// The Settings window: drawing aids, calculation axes and units, and the two
// display-precision windows behind it.

#include "model/element_record.h"
#include "ui/control.h"
#include "ui/form.h"

namespace app {

inline constexpr const char* OptionsMessage =
    "Please enter the rotation snap angle as an integer between 0 and 360 degrees, and the grid spacing as a "
    "positive decimal or integer (no fractions).";

struct OptionsForm : ui::Form {
  OptionsForm();

  ui::Frame Frame1{*this, "Frame1"};  // "Drawing Aids:"
  ui::CheckBox Check1{*this, "Check1"};
  ui::CheckBox Check2{*this, "Check2"};
  ui::CheckBox Check3{*this, "Check3"};
  ui::CheckBox Check4{*this, "Check4"};
  ui::CheckBox Check5{*this, "Check5"};
  ui::CheckBox chkQuickHelp{*this, "chkQuickHelp"};
  ui::Label Label4{*this, "Label4"};
  ui::TextBox Text1{*this, "Text1"};  // grid spacing, in the units now set
  ui::Label Label1{*this, "Label1"};
  ui::TextBox Text2{*this, "Text2"};  // rotate snap, degrees

  ui::Frame Frame2{*this, "Frame2"};  // "Calculation Options:"
  ui::Label Label2{*this, "Label2"};
  ui::OptionButton GlobalRotate{*this, "GlobalRotate"};
  ui::OptionButton LocalRotate{*this, "LocalRotate"};
  ui::CheckBox PAxisCheck{*this, "PAxisCheck"};
  ui::CheckBox CentroidCheck{*this, "CentroidCheck"};

  ui::Frame Frame3{*this, "Frame3"};           // "Units:"
  ui::OptionButton Option2{*this, "Option2"};  // S.I.
  ui::OptionButton Option1{*this, "Option1"};  // imperial
  ui::CommandButton SITolCmd{*this, "SITolCmd"};
  ui::CommandButton ImpTolCmd{*this, "ImpTolCmd"};

  ui::CommandButton Command1{*this, "Command1"};  // OK
  ui::CommandButton Command2{*this, "Command2"};  // Cancel

  // The controls from the settings, as Settings_Click opens the window.
  void Fill();
  void Command1_Click();
  void Command2_Click();
  void Option1_Click();
  void Option2_Click();
  void GlobalRotate_Click();
  void LocalRotate_Click();

 private:
  // The units when the window opened: a unit click changes them at once, and a close
  // without OK puts them back.
  model::Bool16 unitsAtOpen_ = model::True;
  bool confirmed_ = false;
};

// Edit > Settings...: fills and shows the window, then redraws whatever the outcome.
void Settings_Click();

}  // namespace app
