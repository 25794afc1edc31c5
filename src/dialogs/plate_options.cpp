#include "dialogs/plate_options.h"

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

namespace {

// The plate's own torsion constant from its stored single-precision sides.
float PlateTorsion(float width, float depth) {
  const double w = width, d = depth;
  const double t = w <= d ? w : d;
  const double b = w <= d ? d : w;
  const double r = t / b;
  return static_cast<float>(std::pow(t, 3) * b * (0.053 * std::pow(r, 2) + (1 - 0.63 * r)) / 3);
}

}  // namespace

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
  if (!ReadBoxNumber(Text2.Text, W) || !ReadBoxNumber(Text3.Text, T)) {
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
  bool ok = ReadAngleDegrees(Text1.Text, degrees);
  if (ok && !G.UnitStatus) ok = InchesToMillimetreText(W, widthText) && InchesToMillimetreText(T, heightText);
  // The message asks for positive sizes, and a negative one would give a plate with a
  // negative area: refused.
  ok = ok && G.ElementCount < MaxElements && PlateSizesFit(W, T);

  const double root12 = std::pow(12.0, 0.5);
  ElementRecord e{};
  if (ok) {
    e.NameSI = "PL" + NumberText(W) + "x" + NumberText(T);
    e.ShapeType = 50;
    e.Depth = static_cast<float>(T);
    e.Width = static_cast<float>(W);
    e.FlangeThickness = static_cast<float>(T);
    e.WebThickness = static_cast<float>(W);
    // Nothing reads the two radii of a plate; they are stored by comparing the box texts.
    const bool wider = widthText > heightText;
    e.InnerRadius = static_cast<float>((wider ? T : W) / root12);
    e.OuterRadius = static_cast<float>((wider ? W : T) / root12);
    e.Ratio1 = static_cast<float>(W / T);
    e.Ratio2 = static_cast<float>(T / W);
    e.NominalSizeSI = RoundToInt16(T);
    const double mass = W * T * 7850 / 1000000;
    e.MassSI = static_cast<float>(mass);
    e.ElemArea = static_cast<float>(W * T);
    e.ElemIx = static_cast<float>(W * std::pow(T, 3) / 12);
    e.ElemSx = static_cast<float>(W * std::pow(T, 2) / 6);
    e.ElemRx = static_cast<float>(T / root12);
    e.ElemZx = static_cast<float>(W * std::pow(T, 2) / 4);
    e.ElemIy = static_cast<float>(std::pow(W, 3) * T / 12);
    e.ElemSy = static_cast<float>(std::pow(W, 2) * T / 6);
    e.ElemRy = static_cast<float>(W / root12);
    e.ElemZy = static_cast<float>(std::pow(W, 2) * T / 4);
    e.ElemJ = PlateTorsion(e.Width, e.Depth);
    e.NameImp = "PL" + NumberText(W / 25.4) + "x" + NumberText(T / 25.4);
    e.NominalSizeImp = RoundToInt16(T / 25.4);
    // From the mass in double precision, like every other value taken from the boxes;
    // dividing the stored single can land one step off.
    e.MassImp = static_cast<float>(mass / 1.484);
    e.CentroidX = e.Width / 2;
    e.CentroidY = e.Depth / 2;
    e.Angle = degrees * Pi / 180;
    e.MirrorSign = 1;
    e.Selected = False;
    ok = FitsSingle(e.ElemJ) && ElementCanBeHeld(e);
  }
  if (!ok) {
    ui::MsgBox(PlateMessage);
    return;
  }

  if (!G.UnitStatus) {
    Text2.Text = widthText;
    Text3.Text = heightText;
  }
  StartPlacing(e);
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

}  // namespace model
