// The program: the main window on the Qt backend.

#include "app/wiring.h"
#include "model/sheet.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char** argv) {
  return ui::qt::RunApplication(argc, argv, [](ui::qt::QtPlatform& platform) {
    model::SheetForm& sheet = model::Sheet();
    app::WireMainWindow();
    platform.QuitWhenClosed(sheet);
    // Showing the main window loads it: its Load event brings the program up from the
    // settings store.
    ui::ShowModeless(sheet);
  });
}
