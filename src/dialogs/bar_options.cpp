#include "dialogs/bar_options.h"

#include <optional>
#include <string>

#include "model/box_number.h"
#include "model/globals.h"
#include "model/new_element.h"
#include "model/plate_bar_elements.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"

namespace dialogs {

BarOptionsForm::BarOptionsForm() : ui::Form("BarOptions") {
  Caption = "Bar Options";
  SetClientSize(2940, 1590);

  Label1.Caption = "Diameter (mm)";
  Label1.Move(315, 180, 1035, 270);
  Command1.Caption = "OK";
  Command1.Move(315, 840, 1050, 405);
  Text1.Text = "0";
  Text1.Move(1965, 135, 600, 300);
  Command2.Caption = "Cancel";
  Command2.Move(1575, 840, 1035, 405);
  ui::TabOrderAsDeclared(*this);

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  ui::WireFormEvents(*this);
}

void BarOptionsForm::Command1_Click() {
  double D = 0;
  if (!model::ReadBoxNumber(Text1.Text, D)) {
    ui::MsgBox(BarMessage);
    return;
  }
  if (D == 0) {
    Unload();
    return;
  }

  std::string diameterText = Text1.Text;
  const bool ok = model::G.UnitStatus || model::InchesToMillimetreText(D, diameterText);
  // The message asks for a positive diameter; the builder refuses a negative one.
  std::optional<model::ElementRecord> bar;
  if (ok && model::G.ElementCount < model::MaxElements) bar = model::BuildBar(D);
  if (!bar) {
    ui::MsgBox(BarMessage);
    return;
  }

  if (!model::G.UnitStatus) Text1.Text = diameterText;
  model::StartPlacing(*bar);
  Unload();
}

void BarOptionsForm::Command2_Click() { Unload(); }

void BarOptionsForm::Form_Load() { KeyPreview = true; }

void BarOptionsForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyReturn))
    Command1_Click();
  else if (ui::TakeKey(KeyAscii, ui::KeyEscape))
    Command2_Click();
}

}  // namespace dialogs
