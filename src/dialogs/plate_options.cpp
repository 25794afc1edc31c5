#include "dialogs/plate_options.h"

#include <optional>
#include <string>

#include "model/box_number.h"
#include "model/globals.h"
#include "model/new_element.h"
#include "model/plate_bar_elements.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"

namespace dialogs {

PlateOptionsForm::PlateOptionsForm() : ui::Form("PlateOptions") {
  Caption = "Shape Options";
  SetClientSize(3150, 1875);

  Label1.Caption = "Rotation Angle (Degrees):";
  Label1.Move(120, 105, 1920, 300);
  Text1.Text = "0";
  Text1.Move(2340, 75, 600, 285);
  Command1.Caption = "OK";
  Command1.Move(375, 1335, 1050, 405);
  Text2.Text = "0";
  Text2.Move(2340, 450, 615, 300);
  Label2.Move(120, 495, 990, 240);
  Label3.Move(135, 900, 975, 270);
  Text3.Text = "0";
  Text3.Move(2340, 885, 615, 285);
  Command2.Caption = "Cancel";
  Command2.Move(1635, 1320, 1035, 420);
  ui::TabOrderAsDeclared(*this);

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  ui::WireFormEvents(*this);
}

void PlateOptionsForm::Command1_Click() {
  double W = 0, T = 0, degrees = 0;
  if (!model::ReadBoxNumber(Text2.Text, W) || !model::ReadBoxNumber(Text3.Text, T)) {
    ui::MsgBox(PlateMessage);
    return;
  }
  if (W == 0 || T == 0) {
    Unload();
    return;
  }

  // Sizes typed in inches become millimetre texts; the record is built from the numbers
  // those texts read back as, so the boxes and the element always agree.
  std::string widthText = Text2.Text, heightText = Text3.Text;
  bool ok = model::ReadAngleDegrees(Text1.Text, degrees);
  if (ok && !model::G.UnitStatus)
    ok = model::InchesToMillimetreText(W, widthText) && model::InchesToMillimetreText(T, heightText);
  // The message asks for positive sizes, and a negative one would give a plate with a
  // negative area: the builder refuses it.
  std::optional<model::ElementRecord> plate;
  if (ok && model::G.ElementCount < model::MaxElements) plate = model::BuildPlate(W, T, degrees, widthText, heightText);
  if (!plate) {
    ui::MsgBox(PlateMessage);
    return;
  }

  if (!model::G.UnitStatus) {
    Text2.Text = widthText;
    Text3.Text = heightText;
  }
  model::StartPlacing(*plate);
  Unload();
}

void PlateOptionsForm::Command2_Click() { Unload(); }

void PlateOptionsForm::Form_Load() { KeyPreview = true; }

void PlateOptionsForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyReturn))
    Command1_Click();
  else if (ui::TakeKey(KeyAscii, ui::KeyEscape))
    Command2_Click();
}

}  // namespace dialogs
