#include "app/options.h"

#include <cmath>

#include "app/precision_form.h"
#include "app/result_captions.h"
#include "model/box_number.h"
#include "model/globals.h"
#include "model/new_element.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "ui/dialog_keys.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace app {

namespace {

using model::G;

constexpr const char* SpacingMM = "Grid Spacing (mm):";
constexpr const char* SpacingIn = "Grid Spacing (in):";

// A spacing converted between the units, as the box shows it: to single precision, then
// to 3 decimals.
std::string ConvertedSpacing(double value) {
  float v = static_cast<float>(value);
  model::RoundToDigits(v, 3);
  return model::PlainNumberText(v);
}

// The spacing as typed, for the other unit's box; not a number when the text does not
// read as one, and the box then stays as typed (OK says what is wanted).
double TypedSpacing(const std::string& text) {
  double value = 0;
  return model::ReadBoxNumber(text, value) ? value : std::nan("");
}

}  // namespace

OptionsForm::OptionsForm() : ui::Form("Options") {
  Caption = "Settings";
  SetClientSize(6600, 4440);

  Frame1.Caption = "Drawing Aids:";
  Frame1.Move(120, 120, 3060, 3660);
  struct Box {
    ui::CheckBox& box;
    const char* caption;
  };
  float top = 300;
  for (const Box& b :
       {Box{Check1, "Show Grid"}, Box{Check2, "Snap to Grid"}, Box{Check3, "Prevent Object Overlap"},
        Box{Check4, "Show Axis"}, Box{Check5, "Snap To Other Objects"}, Box{chkQuickHelp, "Show Quick Help Items"}}) {
    b.box.Container = &Frame1;
    b.box.Caption = b.caption;
    b.box.Move(150, top, 2760, 300);
    top += 360;
  }
  for (ui::Control* c : {static_cast<ui::Control*>(&Label4), static_cast<ui::Control*>(&Text1),
                         static_cast<ui::Control*>(&Label1), static_cast<ui::Control*>(&Text2)})
    c->Container = &Frame1;
  Label4.Caption = SpacingMM;
  Label4.Move(150, 2560, 1920, 285);
  Text1.Move(2130, 2520, 780, 315);
  Label1.Caption = "Rotate Snap (Deg.):";
  Label1.Move(150, 3000, 1920, 285);
  Text2.Move(2130, 2960, 780, 315);

  Frame2.Caption = "Calculation Options:";
  Frame2.Move(3300, 120, 3180, 1980);
  Label2.Container = GlobalRotate.Container = LocalRotate.Container = PAxisCheck.Container = CentroidCheck.Container =
      &Frame2;
  Label2.Caption = "Calculate Properties About...";
  Label2.Move(150, 300, 2880, 285);
  GlobalRotate.Caption = "Global Axes";
  GlobalRotate.Move(150, 620, 2880, 300);
  LocalRotate.Caption = "Principal Axes of Inertia";
  LocalRotate.Move(150, 940, 2880, 300);
  PAxisCheck.Caption = "Show Principal Axes";
  PAxisCheck.Move(450, 1260, 2580, 300);
  CentroidCheck.Caption = "Show Centroid Marker";
  CentroidCheck.Move(450, 1580, 2580, 300);

  Frame3.Caption = "Units:";
  Frame3.Move(3300, 2160, 3180, 1620);
  Option2.Container = Option1.Container = SITolCmd.Container = ImpTolCmd.Container = &Frame3;
  Option2.Caption = "S.I. (mm)";
  Option2.Move(150, 280, 2880, 300);
  Option1.Caption = "Imperial (inches)";
  Option1.Move(150, 580, 2880, 300);
  SITolCmd.Caption = "S.I. Unit Tolerances";
  SITolCmd.Move(150, 900, 2880, 300);
  ImpTolCmd.Caption = "Imperial Unit Tolerances";
  ImpTolCmd.Move(150, 1230, 2880, 300);

  Command1.Caption = "OK";
  Command1.Move(1980, 3900, 1215, 405);
  Command2.Caption = "Cancel";
  Command2.Move(3405, 3900, 1215, 405);
  ui::TabOrderAsDeclared(*this);

  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  GlobalRotate.Click = [this] { GlobalRotate_Click(); };
  LocalRotate.Click = [this] { LocalRotate_Click(); };
  SITolCmd.Click = [] { ShowPrecision(false); };
  ImpTolCmd.Click = [] { ShowPrecision(true); };
  ui::WireOkCancel(
      *this, Command1, Command2, [this] { Command1_Click(); }, [this] { Command2_Click(); });
  // However the window closes without OK (Cancel, Esc, its close box), the units go back
  // to what they were, so the panel never shows values of one unit under the other's labels.
  Unloading = [this](int16_t&) {
    if (!confirmed_) G.UnitStatus = unitsAtOpen_;
  };
}

void OptionsForm::Fill() {
  unitsAtOpen_ = G.UnitStatus;
  Check1.Value = G.ShowGrid;
  Check2.Value = G.SnapGrid;
  Check3.Value = G.OLapStatus;
  Check4.Value = G.ShowXY;
  Check5.Value = G.OSnapStatus;
  PAxisCheck.Value = G.ShowPAxis;
  CentroidCheck.Value = G.ShowCentroid;
  chkQuickHelp.Value = G.ShowHelp == model::True ? 1 : 0;
  if (G.UnitStatus) {
    Text1.Text = std::to_string(G.GridSpacing);
    Label4.Caption = SpacingMM;
  } else {
    Text1.Text = ConvertedSpacing(G.GridSpacing / 25.4);
    Label4.Caption = SpacingIn;
  }
  Text2.Text = std::to_string(G.RotateSnap);
  // Chosen as a click would: the unit handlers find the units already matching, the
  // axis handlers set which check box of the axes can be changed.
  (G.UnitStatus ? Option2 : Option1).Choose();
  (G.RotAxis ? GlobalRotate : LocalRotate).Choose();
}

void OptionsForm::Option1_Click() {
  if (!G.UnitStatus) return;
  const double value = TypedSpacing(Text1.Text);
  G.UnitStatus = model::False;
  Label4.Caption = SpacingIn;
  if (std::isfinite(value)) Text1.Text = ConvertedSpacing(value / 25.4);
}

void OptionsForm::Option2_Click() {
  if (G.UnitStatus) return;
  const double value = TypedSpacing(Text1.Text);
  G.UnitStatus = model::True;
  Label4.Caption = SpacingMM;
  if (std::isfinite(value) && model::FitsSingle(value * 25.4)) Text1.Text = ConvertedSpacing(value * 25.4);
}

void OptionsForm::GlobalRotate_Click() {
  PAxisCheck.Enabled = false;
  CentroidCheck.Enabled = true;
}

void OptionsForm::LocalRotate_Click() {
  PAxisCheck.Enabled = true;
  CentroidCheck.Enabled = false;
}

void OptionsForm::Command1_Click() {
  double spacing = 0;
  if (!model::ReadBoxNumber(Text1.Text, spacing)) return ui::MsgBox(OptionsMessage);
  if (!G.UnitStatus) spacing *= 25.4;
  if (!model::FitsInt16(spacing)) return ui::MsgBox(OptionsMessage);
  G.GridSpacing = std::max<int16_t>(model::RoundToInt16(spacing), 10);

  G.ShowGrid = Check1.Value;
  G.SnapGrid = Check2.Value;
  G.OLapStatus = Check3.Value;
  G.ShowXY = Check4.Value;
  G.RotAxis = GlobalRotate.Value ? model::True : model::False;
  G.OSnapStatus = Check5.Value;
  G.ShowPAxis = PAxisCheck.Value;
  G.ShowCentroid = CentroidCheck.Value;
  G.ShowHelp = chkQuickHelp.Value == 1 ? model::True : model::False;

  int16_t snap = 0;
  if (!model::ReadBoxInt16(Text2.Text, snap)) return ui::MsgBox(OptionsMessage);
  G.RotateSnap = std::max<int16_t>(snap, 1);

  windows::SheetForm& sheet = windows::Sheet();
  sheet.YaxisL.Visible = sheet.XaxisL.Visible = G.ShowXY == 1;
  G.UnitStatus = Option2.Value ? model::True : model::False;
  ApplyResultCaptions();
  confirmed_ = true;
  Unload();
}

void OptionsForm::Command2_Click() { Unload(); }

void Settings_Click() {
  {
    OptionsForm form;
    form.Fill();
    ui::ShowModal(form);
  }
  view::RedrawDrawing();
}

}  // namespace app
