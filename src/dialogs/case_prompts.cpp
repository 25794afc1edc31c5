#include "dialogs/case_prompts.h"

#include "model/globals.h"
#include "ui/dialog_keys.h"
#include "windows/case_pictures.h"

namespace dialogs {

const CasePromptLook Plate1Look{"frmPlate1",
                                "Select Plate t1",
                                4965,
                                1710,
                                windows::RectangularBoxPicture,
                                "Label1",
                                "Click Continue to Select typical plate t1 as shown:",
                                true};
const CasePromptLook Plate2Look{"frmPlate2",
                                "Form1",
                                4965,
                                1710,
                                windows::RectangularBoxPicture,
                                "Label1",
                                "Click Continue to Select typical plate t2 as shown:",
                                true};
const CasePromptLook WarpLooks[5] = {
    {"", "", 0, 0, nullptr, "", "", false},
    {"frmCrane", "Select...", 4875, 1710, windows::CraneGirderPicture, "lbl1", "", false},
    {"frmWF", "Select...", 4725, 1650, windows::WideFlangePicture, "lbl1", "", false},
    {"frmZed", "Select...", 4635, 1560, windows::ZedPicture, "lbl1", "", false},
    {"frmChannel", "Select...", 4785, 1620, windows::ChannelPicture, "lbl1", "", false},
};

namespace {

constexpr float Margin = 120;
constexpr float ButtonWidth = 1335;
constexpr float ButtonHeight = 405;

}  // namespace

CasePromptForm::CasePromptForm(const CasePromptLook& look)
    : ui::Form(look.Name), Prompt(*this, look.LabelName), torsion_(look.Torsion) {
  Caption = look.Caption;
  SetClientSize(look.ClientWidth, look.ClientHeight);

  // The sketch on the left, framed; the prompt and the two buttons to its right.
  const float pictureWidth = (windows::CasePictureWidth + 4) * ui::TwipsPerPixel;
  const float pictureHeight = (windows::CasePictureHeight + 4) * ui::TwipsPerPixel;
  Picture1.Move(Margin, (look.ClientHeight - pictureHeight) / 2, pictureWidth, pictureHeight);
  Picture1.BackColor = ui::SystemButtonFace;
  Picture1.LoadImage(look.Picture());
  Picture1.TabStop = false;

  const float right = Margin + pictureWidth + Margin;
  const float textWidth = look.ClientWidth - right - Margin;
  Prompt.Caption = look.Text;
  Prompt.Move(right, Margin, textWidth, 600);
  Prompt.WordWrap = true;
  const float buttonTop = look.ClientHeight - Margin - ButtonHeight;
  cmdContinue.Caption = "Continue";
  cmdContinue.Move(right, buttonTop, ButtonWidth, ButtonHeight);
  Command1.Caption = "Cancel";
  Command1.Move(right + textWidth - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
  ui::TabOrderAsDeclared(*this);

  // The close box simply unloads: the case goes on waiting, as after Continue.
  cmdContinue.Click = [this] { cmdContinue_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  ui::WireFormEvents(*this);
}

void CasePromptForm::cmdContinue_Click() { Unload(); }

void CasePromptForm::Command1_Click() {
  if (torsion_) {
    model::G.ManualJ = 0;
    model::G.TorsionPickStep = 0;
  } else {
    model::G.ManualCw = 0;
    model::G.WarpPickStep = 0;
  }
  Unload();
}

void CasePromptForm::Form_Load() { KeyPreview = true; }

void CasePromptForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyReturn))
    cmdContinue_Click();
  else if (ui::TakeKey(KeyAscii, ui::KeyEscape))
    Command1_Click();
}

namespace {

void ShowPrompt(const CasePromptLook& look, const std::string& prompt) {
  CasePromptForm dlg(look);
  dlg.EnsureLoaded();
  dlg.Prompt.Caption = prompt;
  ui::ShowModal(dlg);
}

}  // namespace

void ShowPlate1Prompt() { ShowPrompt(Plate1Look, Plate1Look.Text); }

void ShowPlate2Prompt() { ShowPrompt(Plate2Look, Plate2Look.Text); }

void ShowWarpPrompt(const std::string& Prompt) {
  if (model::G.ManualCw < 1 || model::G.ManualCw > 4) return;
  ShowPrompt(WarpLooks[model::G.ManualCw], Prompt);
}

}  // namespace dialogs
