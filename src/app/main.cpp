// The program: the main window on the Qt backend.

#include "app/settings_defaults.h"
#include "app/wiring.h"
#include "model/sheet.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char** argv) {
  return ui::qt::RunApplication(argc, argv, [](ui::qt::QtPlatform& platform) {
    model::SheetForm& sheet = model::Sheet();
    // Until start-up reads the settings store, the program starts with the defaults.
    app::ApplySettingDefaults();
    app::WireMainWindow();
    sheet.Caption = "Quorvane - (Unmodified)";
    platform.QuitWhenClosed(sheet);
    ui::ShowModeless(sheet);
    sheet.Base.SetFocus();
  });
}
