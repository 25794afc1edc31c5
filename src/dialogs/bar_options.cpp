#include "dialogs/bar_options.h"

#include <cmath>

#include "model/box_number.h"
#include "model/element_rule.h"
#include "model/globals.h"
#include "model/new_element.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"

namespace model {

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
  if (!ReadBoxNumber(Text1.Text, D)) {
    ui::MsgBox(BarMessage);
    return;
  }
  if (D == 0) {
    Unload();
    return;
  }

  std::string diameterText = Text1.Text;
  bool ok = G.UnitStatus || InchesToMillimetreText(D, diameterText);
  // The message asks for a positive diameter; a negative one is refused.
  ok = ok && G.ElementCount < MaxElements && BarSizeFits(D);
  ElementRecord e{};
  if (ok) {
    const float d = static_cast<float>(D);
    e.NameSI = "BAR" + NumberText(D);
    e.ShapeType = 51;
    e.Depth = e.Width = e.FlangeThickness = e.WebThickness = d;
    e.InnerRadius = e.OuterRadius = static_cast<float>(D / 4);
    e.Ratio1 = e.Ratio2 = 1.0f;
    e.NominalSizeSI = RoundToInt16(D);
    const double mass = std::pow(D, 2) * 24661.5023025 / 4000000;
    e.MassSI = static_cast<float>(mass);
    e.ElemArea = static_cast<float>(Pi * std::pow(D, 2) / 4);
    e.ElemIx = e.ElemIy = static_cast<float>(Pi * std::pow(D, 4) / 64);
    e.ElemSx = e.ElemSy = static_cast<float>(Pi * std::pow(D, 3) / 32);
    e.ElemZx = e.ElemZy = e.ElemSx;
    e.ElemRx = e.ElemRy = static_cast<float>(D / 4);
    e.ElemJ = static_cast<float>(std::pow(static_cast<double>(e.Depth) / 2, 4) * 1.570796325);
    e.NameImp = "BAR" + NumberText(D / 25.4);
    e.NominalSizeImp = RoundToInt16(D / 25.4);
    e.MassImp = static_cast<float>(mass / 1.484);  // from the double mass, as for the plate
    e.CentroidX = e.CentroidY = e.Depth / 2;
    e.Angle = 0;
    e.MirrorSign = 1;
    e.Selected = False;
    ok = FitsSingle(e.ElemJ) && ElementCanBeHeld(e);
  }
  if (!ok) {
    ui::MsgBox(BarMessage);
    return;
  }

  if (!G.UnitStatus) Text1.Text = diameterText;
  StartPlacing(e);
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

}  // namespace model
