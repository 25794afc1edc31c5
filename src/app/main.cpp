// The program: the main window on the Qt backend.

#include "app/command_line.h"
#include "app/wiring.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"
#include "windows/sheet.h"

int main(int argc, char** argv) {
  return ui::qt::RunApplication(argc, argv, [argc, argv](ui::qt::QtPlatform& platform) {
    windows::SheetForm& sheet = windows::Sheet();
    app::WireMainWindow();
    platform.QuitWhenClosed(sheet);
    // Qt has taken its own options out of argv by now; what is left names a document.
    app::SetCommandLine(argc, argv);
    // Showing the main window loads it: its Load event brings the program up from the
    // settings store.
    ui::ShowModeless(sheet);
  });
}
