#include "editor/insert_commands.h"

#include "model/plate_bar.h"
#include "model/shape_bar.h"
#include "model/sheet.h"
#include "ui/form.h"

namespace editor {

void BeginPlaceShape() {
  model::SheetForm& sheet = model::Sheet();
  {
    model::ShapeBarForm bar;
    bar.Left = sheet.Left + 700;
    bar.Top = sheet.Top + 720;
    ui::ShowModal(bar);
  }
  model::ShowQuickHelp("Click in Drawing Area to place object, or use Text Entry Box to the right.");
}

void ShowPlateBar() {
  model::PlateBarForm bar;
  ui::ShowModal(bar);
}

}  // namespace editor
