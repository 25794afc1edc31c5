#include "dialogs/case_dialogs.h"

#include <functional>
#include <initializer_list>
#include <string>

#include "dialogs/case_prompts.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/new_element.h"
#include "model/properties.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/case_pictures.h"
#include "windows/sheet.h"

namespace dialogs {

namespace {

constexpr const char* ChooserPrompt = "Please select the section type from the list below:";
constexpr float PictureButtonWidth = (windows::CasePictureWidth + 8) * ui::TwipsPerPixel;
constexpr float PictureButtonHeight = (windows::CasePictureHeight + 8) * ui::TwipsPerPixel;

// The explanation on top, the prompt under it, the picture buttons in rows of two, and
// Cancel centred at the bottom.
void LayOutChooser(ui::Form& form, ui::Label& explanation, ui::Label& prompt,
                   std::initializer_list<ui::CommandButton*> pictures, ui::CommandButton& cancel) {
  const float width = form.ScaleWidth();
  explanation.Move(120, 120, width - 240, 1200);
  explanation.WordWrap = true;
  prompt.Caption = ChooserPrompt;
  prompt.Move(120, 1380, width - 240, 285);
  const float gap = (width - 2 * PictureButtonWidth) / 3;
  int i = 0;
  for (ui::CommandButton* b : pictures) {
    const float left = gap + static_cast<float>(i % 2) * (PictureButtonWidth + gap);
    const float top = 1800 + static_cast<float>(i / 2) * (PictureButtonHeight + 120);
    b->Move(left, top, PictureButtonWidth, PictureButtonHeight);
    ++i;
  }
  cancel.Caption = "Cancel";
  cancel.Move((width - 1335) / 2, form.ScaleHeight() - 120 - 405, 1335, 405);
  ui::TabOrderAsDeclared(form);
}

// The command's first two steps: deselect everything (so Cut and Copy have nothing to
// act on) and redraw.
void DeselectAndRedraw() {
  for (int i = 1; i <= model::ElementsInUse(); ++i) model::G.Elements[i].Selected = model::False;
  windows::SheetForm& sheet = windows::Sheet();
  sheet.Cut.Enabled = sheet.Copy.Enabled = false;
  sheet.SetCutCopyButtons(false);
  view::RedrawDrawing();
}

// The panel shows the sum again. With no element left the redraw does not recalculate,
// so the recalculation is asked for directly.
void ShowSums() {
  if (model::G.ElementCount > 0)
    view::RedrawDrawing();
  else
    model::RecalcProperties();
}

// A picture button: the case's picks start again, its first prompt leads to the drawing
// area, and the chooser closes behind it.
void ChooseCase(ui::Form& chooser, int16_t& step, int16_t& manual, int16_t which,
                const std::function<void()>& showFirstPrompt) {
  step = 0;
  manual = which;
  showFirstPrompt();
  chooser.Unload();
}

}  // namespace

SetTorsionForm::SetTorsionForm() : ui::Form("frmSetTorsion") {
  Caption = "Set Torsional Constant";
  SetClientSize(4590, 3855);
  Label1.Caption =
      "This will allow you to define the Torsional Constant based on predefined formulae for known section types.  "
      "All subsequent changes to the section will be ignored for the torsional constant until a new section file "
      "is started or until this menu item is selected again.";
  pctSquare.Picture = windows::SquareBoxPicture();
  pctRectangle.Picture = windows::RectangularBoxPicture();
  LayOutChooser(*this, Label1, Label2, {&pctSquare, &pctRectangle}, cmdCancel);

  pctSquare.Click = [this] { pctSquare_Click(); };
  pctRectangle.Click = [this] { pctRectangle_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
  ui::WireFormEvents(*this);
}

void SetTorsionForm::pctRectangle_Click() {
  ChooseCase(*this, model::G.TorsionPickStep, model::G.ManualJ, 1, ShowPlate1Prompt);
}
void SetTorsionForm::pctSquare_Click() {
  ChooseCase(*this, model::G.TorsionPickStep, model::G.ManualJ, 2, ShowPlate1Prompt);
}
void SetTorsionForm::cmdCancel_Click() { Unload(); }
void SetTorsionForm::Form_Load() { KeyPreview = true; }
void SetTorsionForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyEscape)) Unload();
}

SetWarpingForm::SetWarpingForm() : ui::Form("frmSetWarping") {
  Caption = "Set Warping Constant";
  SetClientSize(4605, 5580);
  Label1.Caption =
      "This will allow you to define the Warping Constant based on predefined formulae for known section types.  "
      "All subsequent changes to the section will be ignored for the warping constant until a new section file "
      "is started or until this menu item is selected again.";
  pctChan.Picture = windows::ChannelPicture();
  pctZed.Picture = windows::ZedPicture();
  pctWF.Picture = windows::WideFlangePicture();
  pctCrane.Picture = windows::CraneGirderPicture();
  LayOutChooser(*this, Label1, Label2, {&pctChan, &pctZed, &pctWF, &pctCrane}, cmdCancel);

  pctChan.Click = [this] { pctChan_Click(); };
  pctZed.Click = [this] { pctZed_Click(); };
  pctWF.Click = [this] { pctWF_Click(); };
  pctCrane.Click = [this] { pctCrane_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
  ui::WireFormEvents(*this);
}

namespace {

constexpr const char* FlangePrompt = "Click Continue to select the Flange section:";

void ChooseWarpingCase(ui::Form& chooser, int16_t which, const char* prompt) {
  ChooseCase(chooser, model::G.WarpPickStep, model::G.ManualCw, which, [prompt] { ShowWarpPrompt(prompt); });
}

}  // namespace

void SetWarpingForm::pctCrane_Click() {
  ChooseWarpingCase(*this, 1, "Click Continue to select the I Beam section as shown:");
}
void SetWarpingForm::pctWF_Click() { ChooseWarpingCase(*this, 2, FlangePrompt); }
void SetWarpingForm::pctZed_Click() { ChooseWarpingCase(*this, 3, FlangePrompt); }
void SetWarpingForm::pctChan_Click() { ChooseWarpingCase(*this, 4, FlangePrompt); }
void SetWarpingForm::cmdCancel_Click() { Unload(); }
void SetWarpingForm::Form_Load() { KeyPreview = true; }
void SetWarpingForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyEscape)) cmdCancel_Click();
}

namespace {

// One Tools command over one family of cases.
template <typename Chooser>
void CaseCommand(int16_t& manual, ui::Menu& item, const char* setCaption, const char* revertedMessage) {
  // A case still in force with every element erased can be reverted all the same;
  // otherwise an empty drawing has nothing to pick and the command does nothing.
  if (model::G.ElementCount < 1 && manual == 0) return;
  // A Move, Rotate or Mirror under way ends first, as Esc would end it: its previews have
  // turned the selected elements, and only its cancel turns them back. A case waiting for
  // its next pick waits through it, so the command below reverts that case.
  if (model::G.MoveMode || model::G.RotateMode || model::G.MirrorMode) model::EndCommandInProgress();
  DeselectAndRedraw();
  if (manual != 0) {
    manual = 0;
    ShowSums();
    ui::MsgBox(revertedMessage);
    item.Caption = setCaption;
    return;
  }
  Chooser chooser;
  ui::ShowModal(chooser);
}

}  // namespace

void Torsional_Click() {
  CaseCommand<SetTorsionForm>(model::G.ManualJ, windows::Sheet().Torsional, windows::SetTorsionalCaption,
                              "Torsional Constant Reverted to Default");
}

void Warping_Click() {
  CaseCommand<SetWarpingForm>(model::G.ManualCw, windows::Sheet().Warping, windows::SetWarpingCaption,
                              "Warping Constant Reverted to Default");
}

}  // namespace dialogs
