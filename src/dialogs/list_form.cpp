#include "dialogs/list_form.h"

#include "dialogs/section_options.h"
#include "model/globals.h"
#include "model/new_element.h"
#include "ui/dialog_keys.h"
#include "windows/sheet.h"

namespace dialogs {

ListFormForm::ListFormForm() : ui::Form("ListForm") {
  Caption = "Choose Shape";
  SetClientSize(2355, 3945);

  ShapeList.Move(60, 45, 2235, 3180);
  ShapeList.TabIndex = 0;
  Command1.Caption = "OK";
  Command1.Move(135, 3345, 975, 495);
  Command1.TabIndex = 1;
  Command2.Caption = "Cancel";
  Command2.Move(1230, 3345, 990, 510);
  Command2.TabIndex = 2;

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  ui::WireFormEvents(*this);
  ShapeList.DblClick = [this] { ShapeList_DblClick(); };
}

void ListFormForm::Command1_Click() {
  // The new element ends whatever the drawing area was doing, before it is counted: an
  // element still being placed is the last one only until then.
  model::EndCommandInProgress();
  // The new element is counted only once it is built: while the options window is open
  // a redraw (a resize of the window) shows and calculates the section as it is, never
  // whatever the next slot last held. With the section full the options window refuses
  // its OK, and only its Cancel leaves it.
  const int n = model::G.ElementCount + 1;
  const bool room = n <= model::MaxElements;

  {
    SectionOptionsForm options(ShapeList, n);
    ui::ShowModal(options);
  }

  const int r = ShapeList.ListIndex + 1;
  if (r < 1 || r > model::MaxShapeRows || !room) {
    Unload();
    return;
  }

  model::G.ElementCount = static_cast<int16_t>(n);
  model::G.CurrentElement = static_cast<int16_t>(n);
  const model::ShapeRecord& row = model::G.ShapeTable[static_cast<size_t>(r)];
  model::ElementRecord& e = model::G.Elements[static_cast<size_t>(n)];
  // Everything but what the options window wrote, the position (the placing sets it)
  // and the table's row count comes from the row.
  model::ElementRecord built = row;
  built.Angle = e.Angle;
  built.MirrorSign = e.MirrorSign;
  built.PosX = e.PosX;
  built.PosY = e.PosY;
  built.ShapeCount = e.ShapeCount;
  built.Selected = model::False;
  e = built;

  windows::SheetForm& sheet = windows::Sheet();
  sheet.CurrentObject.Text = model::G.UnitStatus ? e.NameSI.str() : e.NameImp.str();
  model::G.PlaceMode = model::True;
  sheet.TextEntry.BackColor = model::White;
  sheet.TextEntry.Locked = false;
  Unload();
  sheet.TextEntry.SetFocus();
}

void ListFormForm::Command2_Click() { Unload(); }

void ListFormForm::ShapeList_DblClick() { Command1_Click(); }

void ListFormForm::Form_Load() { KeyPreview = true; }

void ListFormForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyReturn))
    Command1_Click();
  else if (ui::TakeKey(KeyAscii, ui::KeyEscape))
    Command2_Click();
}

}  // namespace dialogs
