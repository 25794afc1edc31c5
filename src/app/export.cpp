#include "app/export.h"

#include "app/report_text.h"
#include "editor/documents.h"
#include "model/globals.h"
#include "ui/platform.h"
#include "windows/sheet.h"

namespace app {

void Export_Click() {
  ui::CommonDialog& dialog = model::Sheet().dlgCommonDialog;
  dialog.Flags = ui::FlagOverwritePrompt | ui::FlagHideReadOnly;
  dialog.Filter = "All Files (*.*)|*.*|Text Files(*.txt)|*.txt";
  dialog.FilterIndex = 2;
  dialog.CancelError = true;
  // The file name field keeps what the last use of the dialog left in it.
  if (!ui::platform().ShowSave(dialog)) return;
  const std::string path = dialog.FileName;  // as chosen: no extension is added
  // Written whole or not at all: a failure leaves no partial file and says so.
  if (!editor::ReplaceFileContents(path, PropertyReportText(model::G)))
    ui::MsgBox("The results could not be written to " + path + ". Check that its folder exists and can be written to.");
}

}  // namespace app
