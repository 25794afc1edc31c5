#include "app/wiring.h"

#include "app/options.h"
#include "app/startup.h"
#include "editor/undo.h"
#include "model/case_dialogs.h"
#include "model/sheet.h"
#include "view/layout.h"

namespace app {

void WireMainWindow() {
  model::SheetForm& sheet = model::Sheet();
  sheet.Resize = view::Form_Resize;

  // Start-up, settings and shut-down.
  sheet.Load = Form_Load;
  sheet.QueryUnload = Form_QueryUnload;
  sheet.Unloading = Form_Unload;
  sheet.Exit.Click = Exit_Click;
  sheet.Settings.Click = Settings_Click;

  // Undo history.
  sheet.Undo.Click = editor::Undo_Click;
  sheet.Redo.Click = editor::Redo_Click;

  // Predefined torsion and warping cases.
  sheet.Torsional.Click = model::Torsional_Click;
  sheet.Warping.Click = model::Warping_Click;
}

}  // namespace app
