#include "editor/documents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "editor/command_end.h"
#include "editor/controls.h"
#include "editor/document_codec.h"
#include "editor/title.h"
#include "editor/undo.h"
#include "model/case_state.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/properties.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

namespace {

constexpr int16_t DocumentFilterIndex = 3;
// A full section of 50 elements is well under 100 kB; anything far larger is no document.
constexpr std::uintmax_t LargestDocument = 16 * 1024 * 1024;

// Asks through the program's slot; with no one to answer, the answer is no.
void AskQuestion(const std::string& Question) {
  G.QueryCancel = model::True;
  if (AskQuestionSlot) AskQuestionSlot(Question);
}

// The discard question of New and Open: true when the command may go on.
bool MayDiscardChanges() {
  G.QueryCancel = model::True;
  if (!G.Modified) return true;
  AskQuestion("Discard Changes to Current File?");
  return G.QueryCancel == model::False;
}

void PrepareFileDialog() {
  ui::CommonDialog& dlg = windows::Sheet().dlgCommonDialog;
  dlg.Filter = DocumentFilter;
  dlg.FilterIndex = DocumentFilterIndex;
  dlg.Flags = ui::FlagOverwritePrompt | ui::FlagHideReadOnly;
  dlg.CancelError = true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) > LargestDocument || ec)
    return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

DocumentData CurrentDocument() {
  const ui::PictureBox& base = windows::Sheet().Base;
  DocumentData d;
  d.UnitStatus = G.UnitStatus;
  d.ZoomScale = G.ZoomScale;
  d.RotAxis = G.RotAxis;
  d.InitialScaleWidth = G.InitialScaleWidth;
  d.InitialScaleHeight = G.InitialScaleHeight;
  d.ScaleWidth = base.ScaleWidth;
  d.ScaleHeight = base.ScaleHeight;
  d.ScaleLeft = base.ScaleLeft;
  d.ScaleTop = base.ScaleTop;
  // The section as committed: an element still following the pointer is no part of it
  // yet, and elements that a preview has turned or mirrored go in as they were before.
  int count = model::ElementsInUse();
  if (G.PlaceMode && count >= 1 && G.CurrentElement == count) --count;
  d.Elements.assign(G.Elements.begin() + 1, G.Elements.begin() + 1 + count);
  for (int i = 1; i <= count; ++i) {
    model::ElementRecord& e = d.Elements[static_cast<size_t>(i - 1)];
    if (!e.Selected) continue;
    if (G.RotateMode && G.PivotSet) e.Angle = G.RotateStartAngle[static_cast<size_t>(i)];
    if (G.MirrorMode && G.MirrorFirstSet) {
      e.Angle = G.MirrorStartAngle[static_cast<size_t>(i)];
      e.MirrorSign = G.MirrorStartSign[static_cast<size_t>(i)];
    }
  }
  d.ProjectName = G.ProjectName;
  d.ProjectNumber = G.ProjectNumber;
  d.ObjectDescription = G.ObjectDescription;
  d.ProjectEngineer = G.ProjectEngineer;
  return d;
}

void ApplyDocument(const DocumentData& d) {
  G.ProjectName = d.ProjectName;
  G.ProjectNumber = d.ProjectNumber;
  G.ObjectDescription = d.ObjectDescription;
  G.ProjectEngineer = d.ProjectEngineer;
  G.UnitStatus = d.UnitStatus;
  G.ZoomScale = d.ZoomScale;
  G.RotAxis = d.RotAxis;
  G.InitialScaleWidth = d.InitialScaleWidth;
  G.InitialScaleHeight = d.InitialScaleHeight;
  ui::PictureBox& base = windows::Sheet().Base;
  base.ScaleWidth = d.ScaleWidth;
  base.ScaleHeight = d.ScaleHeight;
  base.ScaleLeft = d.ScaleLeft;
  base.ScaleTop = d.ScaleTop;
  model::ResetTorsionWarpingCases();
  G.ElementCount = static_cast<int16_t>(d.Elements.size());
  for (size_t i = 1; i < G.Elements.size(); ++i)
    G.Elements[i] = i <= d.Elements.size() ? d.Elements[i - 1] : model::ElementRecord{};
}

// Save's steps from the note on: true when the file was written.
bool WriteDocumentFile() {
  if (G.ManualJ != 0 || G.ManualCw != 0) ui::MsgBox(ManualConstantsNote);
  if (!ReplaceFileContents(G.FileName, WriteDocument(CurrentDocument()))) {
    ui::MsgBox(SaveFailedMessage);
    return false;
  }
  G.Modified = model::False;
  ShowTitle();
  return true;
}

bool EndsInExtension(const std::string& name) {
  if (name.size() < 3) return false;
  const std::string last = name.substr(name.size() - 3);
  return last == "qvn" || last == "QVN";
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& text) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (path.empty()) return false;
  // A link is followed, so the file it names is replaced and the link stays.
  fs::path target = fs::path(path);
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    target = fs::canonical(target, ec);
    if (ec) return false;
  }
  const bool exists = fs::exists(target, ec);
  if (ec || (exists && !fs::is_regular_file(target, ec))) return false;
  // A file marked read-only is not replaced behind the user's back.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  const std::string temporary(name.data());

  // The new file keeps the old one's permissions; a new one gets the usual ones.
  mode_t mode = 0666;
  struct stat old {};
  if (exists && ::stat(target.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  bool ok = ::fchmod(fd, mode) == 0;
  for (size_t done = 0; ok && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

void New_Click() {
  if (!MayDiscardChanges()) return;
  EndCommandInProgress();
  G.Modified = model::False;
  G.ElementCount = 0;
  model::ResetTorsionWarpingCases();
  G.ProjectName.clear();
  G.ProjectNumber.clear();
  G.ObjectDescription.clear();
  G.ProjectEngineer.clear();
  model::RecalcProperties();
  view::RedrawDrawing();
  G.FileName.clear();
  SetCutCopyButtons(false);
  ShowTitle();
  ResetUndoHistory();
}

void Open_Click() {
  if (!MayDiscardChanges()) return;
  std::string path;
  if (!G.CommandLineFile.empty()) {
    const std::string& given = G.CommandLineFile;
    path = given.front() == '"' ? given.substr(1, given.size() >= 2 ? given.size() - 2 : 0) : given;
    G.CommandLineFile.clear();
  } else {
    PrepareFileDialog();
    ui::CommonDialog& dlg = windows::Sheet().dlgCommonDialog;
    if (!ui::platform().ShowOpen(dlg)) return;
    path = dlg.FileName;
  }

  // The whole file is read and checked before anything of it is used: a damaged file
  // changes nothing, so a later Save cannot write a half-read section over it.
  std::optional<DocumentData> document;
  if (std::optional<std::string> bytes = ReadWholeFile(path)) document = ReadDocument(*bytes);
  if (!document) {
    if (!path.empty()) ui::MsgBox(InvalidFileMessage);
    return;
  }

  EndCommandInProgress();
  G.FileName = path;
  ApplyDocument(*document);
  if (ApplyResultCaptionsSlot) ApplyResultCaptionsSlot();
  view::RedrawDrawing();
  G.Modified = model::False;
  ShowTitle();
  SetCutCopyButtons(false);
  ResetUndoHistory();
}

void Save_Click() {
  if (G.FileName.empty()) {
    if (G.Modified) Saveas_Click();
    return;
  }
  if (!G.Modified) return;
  WriteDocumentFile();
}

void Saveas_Click() {
  PrepareFileDialog();
  ui::CommonDialog& dlg = windows::Sheet().dlgCommonDialog;
  if (!ui::platform().ShowSave(dlg)) return;
  const std::string chosen = dlg.FileName;
  if (chosen.empty()) return;  // no name is no choice
  const std::string extended = EndsInExtension(chosen) ? chosen : chosen + ".qvn";

  // The dialog asked about replacing the name as typed; the name with the extension
  // added may be another file that exists, so ask about that one too.
  std::error_code ec;
  if (extended != chosen && std::filesystem::exists(extended, ec)) {
    AskQuestion(std::filesystem::path(extended).filename().string() + " already exists.\nDo you want to replace it?");
    if (G.QueryCancel != model::False) return;
  }

  if (chosen != G.FileName) {
    G.FileName = chosen;
    G.Modified = model::True;
    ShowTitle();
  }
  G.FileName = extended;
  if (!G.Modified) return;
  ShowTitle();
  WriteDocumentFile();
}

}  // namespace editor
