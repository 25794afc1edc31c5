#include "app/small_dialogs.h"

#include "model/globals.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"
#include "windows/shape_icons.h"

namespace app {

using model::G;

namespace {

// Held by a plain pointer: a notice still open when the program ends is left to the
// operating system, not destroyed after the window system is gone.
SplashForm* splash = nullptr;

// Runs the form's own Load (key preview) and then puts the focus on `first`.
void FocusOnLoad(ui::Form& form, ui::Control& first) {
  form.Load = [&first, load = form.Load] {
    if (load) load();
    first.SetFocus();
  };
}

}  // namespace

ProjInfoForm::ProjInfoForm() : ui::Form("frmProjInfo") {
  Caption = "Enter Project Information";
  SetClientSize(4800, 3240);
  const struct {
    ui::Label& label;
    const char* caption;
    ui::TextBox& box;
  } rows[] = {{Label1, "Project Name:", txtProjName},
              {Label3, "Project Number:", txtProjNum},
              {Label2, "Object Description:", txtProjInfo},
              {Label4, "Designer:", txtProjEng}};
  float top = 180;
  int16_t tab = 0;
  for (const auto& r : rows) {
    r.label.Caption = r.caption;
    r.label.Move(180, top + 30, 1500, 255);
    r.label.TabStop = false;
    r.label.TabIndex = static_cast<int16_t>(10 + tab);
    r.box.Move(1740, top, 2880, 315);
    r.box.TabIndex = tab++;
    top += 540;
  }
  cmdOK.Caption = "OK";
  cmdOK.Move(1080, 2460, 1200, 420);
  cmdOK.TabIndex = tab++;
  cmdCancel.Caption = "Cancel";
  cmdCancel.Move(2520, 2460, 1200, 420);
  cmdCancel.TabIndex = tab++;
  ui::WireOkCancel(
      *this, cmdOK, cmdCancel, [this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); });
  FocusOnLoad(*this, txtProjName);
}

void ProjInfoForm::cmdOK_Click() {
  G.ProjectName = txtProjName.Text;
  G.ObjectDescription = txtProjInfo.Text;
  G.ProjectNumber = txtProjNum.Text;
  G.ProjectEngineer = txtProjEng.Text;
  G.Modified = model::True;
  Unload();
}

void ProjInfoForm::cmdCancel_Click() { Unload(); }

AboutForm::AboutForm() : ui::Form("frmAbout") {
  Caption = "Quorvane";
  SetClientSize(3900, 1800);
  picIcon.BorderStyle = 0;
  picIcon.TabStop = false;
  picIcon.Move(240, 240, 360, 360);
  lblTitle.Caption = "Quorvane";
  lblTitle.FontSize = 12;
  lblTitle.FontBold = true;
  lblTitle.Move(840, 240, 2760, 360);
  lblVersion.Caption = "Version 2.0";
  lblVersion.Move(840, 660, 2760, 255);
  cmdOK.Caption = "OK";
  cmdOK.Move(1350, 1200, 1200, 420);
  auto close = [this] { Unload(); };
  cmdOK.Click = close;
  ui::AnswerEnterAndEsc(*this, close, close);
  Load = [this, load = Load] {
    load();
    picIcon.LoadImage(windows::WideFlangeIcon());
    cmdOK.SetFocus();
  };
}

SplashForm::SplashForm() : ui::Form("frmSplash") {
  Caption = "Quorvane ";
  SetClientSize(5400, 2460);
  lblWarning.Caption = SplashWarning;
  lblWarning.WordWrap = true;
  lblWarning.TabStop = false;
  lblWarning.Move(240, 180, 4920, 900);
  chkRead.Caption = "Uncheck if you don't want to see this at startup.";
  chkRead.Value = 1;
  chkRead.Move(240, 1200, 4920, 315);
  cmdDismiss.Caption = "Dismiss";
  cmdDismiss.Move(2100, 1800, 1200, 420);
  ui::TabOrderAsDeclared(*this);
  cmdDismiss.Click = [this] { cmdDismiss_Click(); };
  ui::AnswerEnterAndEsc(
      *this, [this] { cmdDismiss_Click(); }, [this] { cmdDismiss_Click(); });
  FocusOnLoad(*this, cmdDismiss);
}

void SplashForm::cmdDismiss_Click() {
  G.SplashRead = chkRead.Value;
  Unload();
}

void Info_Click() {
  ProjInfoForm form;
  form.txtProjName.Text = G.ProjectName;
  form.txtProjInfo.Text = G.ObjectDescription;
  form.txtProjNum.Text = G.ProjectNumber;
  form.txtProjEng.Text = G.ProjectEngineer;
  ui::ShowModal(form);
}

void About_Click() {
  AboutForm form;
  ui::ShowModal(form);
}

void Contents_Click() {
  // Where the desktop has no program for the page, the user is told where it lies
  // rather than left with a command that silently did nothing.
  const std::string page = G.AppPath + "Help/help.html";
  if (!ui::platform().ShellOpen(page))
    ui::MsgBox("The help page could not be opened. Open " + page + " in a web browser.");
}

void ShowSplash() {
  CloseSplash();
  splash = new SplashForm;
  ui::ShowModeless(*splash);
}

SplashForm* SplashWindow() { return splash; }

void CloseSplash() {
  if (!splash) return;
  splash->Unload();
  delete splash;
  splash = nullptr;
}

}  // namespace app
