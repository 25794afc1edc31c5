#include "dialogs/shape_bar.h"

#include "dialogs/list_form.h"
#include "model/globals.h"
#include "model/shape_file.h"
#include "ui/dialog_keys.h"
#include "windows/shape_icons.h"

namespace dialogs {

ShapeBarForm::ShapeBarForm() : ui::Form("ShapeBar") {
  Caption = "Shape Type";
  SetClientSize(2850, 450);

  struct Button {
    ui::CommandButton& button;
    float left;
    ui::Image picture;
    void (ShapeBarForm::*click)();
  };
  Button buttons[] = {{WFCmd, 0, windows::WideFlangeIcon(), &ShapeBarForm::WFCmd_Click},
                      {CCmd, 480, windows::ChannelIcon(), &ShapeBarForm::CCmd_Click},
                      {LCmd, 960, windows::AngleIcon(), &ShapeBarForm::LCmd_Click},
                      {TCmd, 1440, windows::TeeIcon(), &ShapeBarForm::TCmd_Click},
                      {HSSCmd, 1920, windows::SquareHssIcon(), &ShapeBarForm::HSSCmd_Click},
                      {CHSCmd, 2400, windows::RingIcon(), &ShapeBarForm::CHSCmd_Click}};
  int16_t tab = 0;
  for (Button& b : buttons) {
    b.button.Move(b.left, 0, 435, 435);
    b.button.Picture = std::move(b.picture);
    b.button.TabIndex = tab++;
    b.button.Click = [this, click = b.click] { (this->*click)(); };
  }

  ui::WireFormEvents(*this);
  LostFocus = [this] { Form_LostFocus(); };
}

void ShapeBarForm::Form_Load() { KeyPreview = true; }

void ShapeBarForm::Form_KeyPress(int16_t& KeyAscii) {
  if (ui::TakeKey(KeyAscii, ui::KeyEscape)) Unload();
}

void ShapeBarForm::Form_LostFocus() { Unload(); }

void ShapeBarForm::ChooseFamily(const std::string& file) {
  if (!model::LoadShapeFile(model::G.AppPath + file)) return;
  const int n = model::G.ShapeTable[1].ShapeCount - 1;
  ListFormForm list;
  for (int i = 1; i <= n; ++i) {
    const model::ShapeRecord& row = model::G.ShapeTable[static_cast<size_t>(i)];
    list.ShapeList.AddItem(model::G.UnitStatus ? row.NameSI.str() : row.NameImp.str());
  }
  Unload();
  ui::ShowModal(list);
}

}  // namespace dialogs
