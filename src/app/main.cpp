// The program: the main window on the Qt backend.

#include "app/settings_defaults.h"
#include "model/sheet.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"
#include "view/layout.h"

int main(int argc, char** argv) {
  return ui::qt::RunApplication(argc, argv, [](ui::qt::QtPlatform& platform) {
    model::SheetForm& sheet = model::Sheet();
    // Until start-up reads the settings store, the program starts with the defaults.
    app::ApplySettingDefaults();
    sheet.Resize = view::Form_Resize;
    sheet.Caption = "Quorvane - (Unmodified)";
    platform.QuitWhenClosed(sheet);
    ui::ShowModeless(sheet);
    sheet.Base.SetFocus();
  });
}
