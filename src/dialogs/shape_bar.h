#pragma once
// The shape-family window: six picture buttons, one per shape file.
//
// src/dialogs stands on view/ and the folders below it: the dialogs and prompt windows (the
// insertion windows, the case choosers and the case prompts). The editor's commands open
// them; an OK that adds an element ends a running command through model's EndCommandSlot.
// Like windows/, the code keeps its subsystem's namespace (model).

#include <string>

#include "ui/control.h"
#include "ui/form.h"

namespace dialogs {

struct ShapeBarForm : ui::Form {
  ShapeBarForm();

  ui::CommandButton WFCmd{*this, "WFCmd"};
  ui::CommandButton CCmd{*this, "CCmd"};
  ui::CommandButton LCmd{*this, "LCmd"};
  ui::CommandButton TCmd{*this, "TCmd"};
  ui::CommandButton HSSCmd{*this, "HSSCmd"};
  ui::CommandButton CHSCmd{*this, "CHSCmd"};

  void WFCmd_Click() { ChooseFamily("Shapes/W.DAT"); }
  void CCmd_Click() { ChooseFamily("Shapes/C.DAT"); }
  void LCmd_Click() { ChooseFamily("Shapes/L.DAT"); }
  void TCmd_Click() { ChooseFamily("Shapes/T.DAT"); }
  void HSSCmd_Click() { ChooseFamily("Shapes/HSS.DAT"); }
  void CHSCmd_Click() { ChooseFamily("Shapes/CHS.DAT"); }
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Esc closes the window; Enter has no action here
  void Form_LostFocus();                  // the window itself losing the focus closes it

 private:
  // Loads the family's file below the program folder, lists it and hands over to the
  // list window; a file that cannot be loaded leaves this window open.
  void ChooseFamily(const std::string& file);
};

}  // namespace dialogs
