#include "app/export.h"

#include <string>

#include "app/report_text.h"
#include "editor/documents.h"
#include "model/globals.h"
#include "ui/platform.h"
#include "windows/sheet.h"

namespace app {

namespace {

// The name the export dialog proposes from the one the dialog last held. A document's
// name (a save or an open just before) would have Enter replace the document with the
// report, so the report is proposed beside it instead: the same name with ".txt" in
// place of the document extension.
std::string ReportNameFrom(const std::string& carried) {
  const size_t n = carried.size();
  if (n < 3) return carried;
  std::string tail = carried.substr(n - 3);
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (tail != "qvn") return carried;
  if (n >= 4 && carried[n - 4] == '.') return carried.substr(0, n - 4) + ".txt";
  return carried + ".txt";  // Save As keeps a name ending in the letters alone
}

}  // namespace

void Export_Click() {
  ui::CommonDialog& dialog = windows::Sheet().dlgCommonDialog;
  dialog.Flags = ui::FlagOverwritePrompt | ui::FlagHideReadOnly;
  dialog.Filter = "All Files (*.*)|*.*|Text Files(*.txt)|*.txt";
  dialog.FilterIndex = 2;
  dialog.CancelError = true;
  // The file name field keeps what the last use of the dialog left in it, a document's
  // name turned into a report's.
  dialog.FileName = ReportNameFrom(dialog.FileName);
  if (!ui::platform().ShowSave(dialog)) return;
  const std::string path = dialog.FileName;  // as chosen: no extension is added
  // Written whole or not at all: a failure leaves no partial file and says so.
  if (!editor::ReplaceFileContents(path, PropertyReportText(model::G)))
    ui::MsgBox("The results could not be written to " + path + ". Check that its folder exists and can be written to.");
}

}  // namespace app
