#include "app/export.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "app/report_text.h"
#include "editor/documents.h"
#include "model/globals.h"
#include "ui/platform.h"
#include "windows/sheet.h"

namespace app {

namespace {

namespace fs = std::filesystem;

// Whether two names are one file as the file system sees it: the same file where both
// exist (through a link, "..", another spelling of the folder), else the same absolute
// path once the folders that exist are resolved.
bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  const fs::path pa = fs::weakly_canonical(fs::absolute(a, ec), ec);
  if (ec) return false;
  const fs::path pb = fs::weakly_canonical(fs::absolute(b, ec), ec);
  return !ec && pa == pb;
}

bool EndsInDocumentLetters(const std::string& name) {
  if (name.size() < 3) return false;
  std::string tail = name.substr(name.size() - 3);
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return tail == "qvn";
}

// The report beside a file: its name with ".txt" in place of its extension ("beam.qvn"
// gives "beam.txt", "beam" and Save As's "beamqvn" get ".txt" added).
std::string ReportBeside(const std::string& name) { return fs::path(name).replace_extension(".txt").string(); }

// The name the export dialog proposes from the one the dialog last held. A document's
// name (a save or an open just before) would have Enter and Yes replace a document with
// the report, so the report is proposed beside it instead. The open document's own file
// is never proposed, whatever its name: a document named "beam.txt" gets
// "beam.txt.txt".
std::string ProposedReportName(const std::string& carried) {
  std::string name = EndsInDocumentLetters(carried) ? ReportBeside(carried) : carried;
  if (SameFile(name, model::G.FileName)) name = ReportBeside(name);
  // Only links can make the longer names the document too; a few tries end that.
  for (int tries = 0; tries < 4 && SameFile(name, model::G.FileName); ++tries) name += ".txt";
  return SameFile(name, model::G.FileName) ? std::string() : name;
}

}  // namespace

void Export_Click() {
  ui::CommonDialog& dialog = windows::Sheet().dlgCommonDialog;
  dialog.Flags = ui::FlagOverwritePrompt | ui::FlagHideReadOnly;
  dialog.Filter = "All Files (*.*)|*.*|Text Files(*.txt)|*.txt";
  dialog.FilterIndex = 2;
  dialog.CancelError = true;
  // The file name field keeps what the last use of the dialog left in it, a document's
  // name turned into a report's. A cancel leaves the carried name as it was, so the
  // next Save As is not offered the report's name.
  const std::string carried = dialog.FileName;
  dialog.FileName = ProposedReportName(carried);
  if (!ui::platform().ShowSave(dialog)) {
    dialog.FileName = carried;
    return;
  }
  const std::string path = dialog.FileName;  // as chosen: no extension is added
  // Written whole or not at all: a failure leaves no partial file and says so.
  if (!editor::ReplaceFileContents(path, PropertyReportText(model::G)))
    ui::MsgBox("The results could not be written to " + path + ". Check that its folder exists and can be written to.");
}

}  // namespace app
