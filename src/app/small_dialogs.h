#pragma once
// The small windows of the File and Help menus and of start-up: the project information,
// the about box, the start-up notice, and the help page.

#include "ui/control.h"
#include "ui/form.h"

namespace app {

inline constexpr const char* SplashWarning =
    "Quorvane has important limitations and is based on assumptions you should be aware of.  Please review the "
    "information under \"Limitations\" in the Quorvane help file.";

// frmProjInfo: the four project strings saved with the document.
struct ProjInfoForm : ui::Form {
  ProjInfoForm();

  ui::Label Label1{*this, "Label1"};
  ui::TextBox txtProjName{*this, "txtProjName"};
  ui::Label Label3{*this, "Label3"};
  ui::TextBox txtProjNum{*this, "txtProjNum"};
  ui::Label Label2{*this, "Label2"};
  ui::TextBox txtProjInfo{*this, "txtProjInfo"};
  ui::Label Label4{*this, "Label4"};
  ui::TextBox txtProjEng{*this, "txtProjEng"};
  ui::CommandButton cmdOK{*this, "cmdOK"};
  ui::CommandButton cmdCancel{*this, "cmdCancel"};

  void cmdOK_Click();
  void cmdCancel_Click();
};

// frmAbout: the program's name and version.
struct AboutForm : ui::Form {
  AboutForm();

  ui::PictureBox picIcon{*this, "picIcon"};
  ui::Label lblTitle{*this, "lblTitle"};
  ui::Label lblVersion{*this, "lblVersion"};
  ui::CommandButton cmdOK{*this, "cmdOK"};
};

// frmSplash: the start-up notice pointing to the help page's limitations.
struct SplashForm : ui::Form {
  SplashForm();

  ui::Label lblWarning{*this, "lblWarning"};
  ui::CheckBox chkRead{*this, "chkRead"};
  ui::CommandButton cmdDismiss{*this, "cmdDismiss"};

  void cmdDismiss_Click();
};

// File > Set Project Information...: the dialog filled from the project strings; its OK
// stores them and marks the document modified.
void Info_Click();
// Help > About...
void About_Click();
// Help > Contents... and F1: the help page beside the program, in the desktop's browser.
// A missing page or browser is not reported.
void Contents_Click();
// Start-up: the notice, shown without waiting. The form lives until the next showing or
// CloseSplash; SplashWindow is null before the first showing.
void ShowSplash();
SplashForm* SplashWindow();
void CloseSplash();

}  // namespace app
