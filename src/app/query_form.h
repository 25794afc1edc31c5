#pragma once
// The Yes / No / Cancel question asked before changes are thrown away. Only Yes lets the
// caller go on: it sets G.QueryCancel to False; No, Cancel, Esc and the close box leave
// it True, as the caller set it.

#include <string>

#include "ui/control.h"
#include "ui/form.h"

namespace app {

struct QueryForm : ui::Form {
  QueryForm();

  ui::PictureBox Image1{*this, "Image1"};
  ui::Label Label1{*this, "Label1"};
  ui::CommandButton Command1{*this, "Command1"};  // Yes
  ui::CommandButton Command2{*this, "Command2"};  // No
  ui::CommandButton Command3{*this, "Command3"};  // Cancel

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
};

// Sets G.QueryCancel to True, puts Question into the label and shows the form modally;
// the caller goes on only when G.QueryCancel is False afterwards.
void AskQuestion(const std::string& Question);

}  // namespace app
