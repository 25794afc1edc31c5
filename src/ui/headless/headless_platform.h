#pragma once
// The in-memory platform every test runs on. Nothing is shown: a modal form runs the
// script a test registered for it (by form name), message boxes are recorded in order,
// and the clipboard, settings store, file dialogs and printer can be inspected and made
// to fail.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "ui/platform.h"

namespace ui::headless {

// A test's expectation that the headless platform could not meet.
class HeadlessError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class HeadlessPlatform : public Platform {
 public:
  using Script = std::function<void(Form&)>;

  // The next modal showing of the form named `name` runs `script`; scripts for one name
  // run in the order given. A script must leave its form unloaded.
  void OnModal(const std::string& name, Script script);
  // Every modal showing of `name` runs `script` (after any one-shot scripts).
  void OnEveryModal(const std::string& name, Script script);
  // Scripts registered but never run.
  std::vector<std::string> PendingScripts() const;
  // Empties every record of what was shown, asked, saved and printed, so a long run that
  // drives the same platform again and again holds only what its last round did.
  void ForgetRecords();

  // What was shown.
  std::vector<std::string> Messages;
  // Runs while each message box is open, after its text is recorded: what the user does
  // meanwhile (a resize of the main window, say) before the box is answered.
  std::function<void(const std::string&)> WhileMessageOpen;
  std::vector<std::string> ModalShown;  // form names in order
  std::vector<Form*> ModelessOpen;      // modeless forms still loaded

  // Clipboard: no value means it holds no text.
  std::optional<std::string> Clipboard;

  // Settings store, by application, section and key.
  std::map<std::tuple<std::string, std::string, std::string>, std::string> Settings;
  // The keys in the order they were asked for and saved.
  std::vector<std::string> SettingsRead, SettingsSaved;

  // File dialogs: each showing takes the next answer (no value: the user cancels); with no
  // answer queued the dialog is cancelled. Every request is recorded as it was asked.
  std::deque<std::optional<std::string>> FileAnswers;
  std::vector<CommonDialog> FileRequests;
  bool PrinterSetupAccepted = true;

  // Printer.
  bool PrinterReady = true;
  std::string PrinterDevice = "Headless Printer";
  std::vector<std::string> PrintedLines;
  std::vector<std::string> PrintedForms;
  int DocumentsEnded = 0;

  std::vector<std::string> ShellOpened;
  bool ShellOpenWorks = true;  // false: the desktop has nothing to open a page with
  std::vector<std::string> FontsRegistered;
  bool FontRegistrationWorks = true;
  std::string Today = "12/10/2026";
  std::string UserDecimalSeparator = ".";

  void RunModal(Form& form) override;
  void ShowModeless(Form& form) override;
  void FormClosed(Form& form) override;

  void MsgBox(const std::string& text) override {
    Messages.push_back(text);
    if (WhileMessageOpen) WhileMessageOpen(text);
  }
  bool ClipboardHasText() override { return Clipboard.has_value(); }
  std::string ClipboardText() override { return Clipboard.value_or(""); }
  void SetClipboardText(const std::string& text) override { Clipboard = text; }
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool ShowOpen(CommonDialog& dialog) override { return AnswerFileDialog(dialog); }
  bool ShowSave(CommonDialog& dialog) override { return AnswerFileDialog(dialog); }
  bool ShowPrinter(CommonDialog& dialog) override;
  bool PrinterName(std::string& name) override;
  bool PrintLine(const std::string& text) override;
  bool PrintForm(Form& form) override;
  bool EndDoc() override;
  bool ShellOpen(const std::string& path) override;
  bool RegisterFont(const std::string& path) override;
  std::string ShortDate() override { return Today; }
  std::string DecimalSeparator() override { return UserDecimalSeparator; }

 private:
  bool AnswerFileDialog(CommonDialog& dialog);
  std::map<std::string, std::deque<Script>> once_;
  std::map<std::string, Script> every_;
};

// Installs a fresh headless platform for the life of the object (one per test).
using ScopedHeadless = ScopedPlatform<HeadlessPlatform>;

}  // namespace ui::headless
