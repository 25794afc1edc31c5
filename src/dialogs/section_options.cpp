#include "dialogs/section_options.h"

#include <cmath>

#include "model/globals.h"
#include "model/new_element.h"
#include "model/number_text.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"

namespace dialogs {

SectionOptionsForm::SectionOptionsForm(ui::ListBox& shapeList, int target)
    : ui::Form("SectionOptions"), shapeList_(shapeList), target_(target) {
  Caption = "Section Options";
  SetClientSize(3150, 1755);

  Label1.Caption = "Rotation Angle (Degrees):";
  Label1.Move(120, 105, 1920, 300);
  Text1.Text = "0";
  Text1.Move(2340, 75, 600, 285);
  Label2.Caption = "Mirror Section About Y-Y Axis:";
  Label2.Move(120, 585, 2220, 270);
  Option1.Caption = "Yes";
  Option1.Move(2400, 555, 915, 285);
  Option2.Caption = " No";
  Option2.Move(2400, 870, 930, 255);
  Option2.Value = true;
  Command1.Caption = "OK";
  Command1.Move(360, 1200, 1050, 405);
  Command2.Caption = "Cancel";
  Command2.Move(1680, 1200, 1050, 405);
  ui::TabOrderAsDeclared(*this);

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  ui::WireFormEvents(*this);
  // The close box is a Cancel: the insertion is abandoned rather than carried on with
  // an element whose angle and mirror sign were never set.
  QueryUnload = [this](int16_t&, int16_t UnloadMode) {
    if (UnloadMode == ui::UnloadFromControlMenu) shapeList_.ListIndex = -1;
  };
}

void SectionOptionsForm::Command1_Click() {
  // A full section has no slot for the new element: the dialog refuses every OK and
  // only Cancel leaves it.
  if (target_ < 1 || target_ > model::MaxElements) {
    ui::MsgBox(AngleMessage);
    return;
  }
  model::ElementRecord& e = model::G.Elements[static_cast<size_t>(target_)];
  e.MirrorSign = Option1.Value ? -1 : 1;
  double degrees = 0;
  // An angle so large that it turns into no finite number of radians is refused too.
  if (!model::ReadAngleDegrees(Text1.Text, degrees)) {
    ui::MsgBox(AngleMessage);
    return;
  }
  e.Angle = degrees * model::Pi / 180;
  Unload();
}

void SectionOptionsForm::Command2_Click() {
  shapeList_.ListIndex = -1;
  Unload();
}

void SectionOptionsForm::Form_Load() { KeyPreview = true; }

void SectionOptionsForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyReturn))
    Command1_Click();
  else if (ui::TakeKey(KeyAscii, ui::KeyEscape))
    Command2_Click();
}

}  // namespace dialogs
