#include "editor/insert_commands.h"

#include "dialogs/plate_bar.h"
#include "dialogs/shape_bar.h"
#include "model/quick_help.h"
#include "ui/form.h"
#include "windows/sheet.h"

namespace editor {

void BeginPlaceShape() {
  windows::SheetForm& sheet = windows::Sheet();
  {
    dialogs::ShapeBarForm bar;
    bar.Left = sheet.Left + 700;
    bar.Top = sheet.Top + 720;
    ui::ShowModal(bar);
  }
  model::ShowQuickHelp("Click in Drawing Area to place object, or use Text Entry Box to the right.");
}

void ShowPlateBar() {
  dialogs::PlateBarForm bar;
  ui::ShowModal(bar);
}

}  // namespace editor
