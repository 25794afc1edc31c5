#pragma once
// What the system asks of the platform: showing windows, message boxes, the clipboard,
// the settings store, the common dialogs, the printer, the shell and fonts. One
// implementation talks to Qt (ui/qt), one keeps everything in memory for tests
// (ui/headless). Until a backend is installed, the headless one serves.

#include <cstdint>
#include <string>

namespace ui {

class Form;
class Control;

// The application title: message box title and settings application name.
inline constexpr const char* AppTitle = "Quorvane";

// Common dialog flags the system uses.
constexpr int32_t FlagOverwritePrompt = 2;
constexpr int32_t FlagHideReadOnly = 4;
constexpr int32_t FlagPrintSetup = 64;

// The common dialog's state; it carries over from one use to the next.
struct CommonDialog {
  std::string Filter;  // "desc|pattern|desc|pattern"
  int16_t FilterIndex = 1;
  std::string FileName;
  std::string DialogTitle;
  int32_t Flags = 0;
  bool CancelError = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Windows.
  virtual void RunModal(Form& form) = 0;  // returns once the form has unloaded
  virtual void ShowModeless(Form& form) = 0;
  virtual void FormClosed(Form& form) = 0;  // the form unloaded or is being destroyed
  virtual void FocusChanged(Control& control) { (void)control; }
  // Width and height that the frame (border, title bar, menu bar) adds to the client area, twips.
  virtual void FrameExtents(const Form& form, float& dx, float& dy) const;

  // Services.
  virtual void MsgBox(const std::string& text) = 0;
  virtual bool ClipboardHasText() = 0;
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                 const std::string& fallback) = 0;
  virtual void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  // File dialogs: true with dialog.FileName (and FilterIndex) set, false when cancelled.
  virtual bool ShowOpen(CommonDialog& dialog) = 0;
  virtual bool ShowSave(CommonDialog& dialog) = 0;
  virtual bool ShowPrinter(CommonDialog& dialog) = 0;
  // Printer: each returns false when no usable printer is there.
  virtual bool PrinterName(std::string& name) = 0;
  virtual bool PrintLine(const std::string& text) = 0;
  virtual bool PrintForm(Form& form) = 0;
  virtual bool EndDoc() = 0;
  virtual bool ShellOpen(const std::string& path) = 0;
  virtual bool RegisterFont(const std::string& path) = 0;
  virtual std::string ShortDate() = 0;
  // The decimal separator of the user's number format, the one typed into dialog boxes.
  virtual std::string DecimalSeparator() = 0;
};

Platform& platform();
// Installs a backend (not owned); null goes back to the built-in headless one.
void SetPlatform(Platform* backend);

// Owns a backend and installs it for the life of the object (a test, or the program).
template <typename Backend>
class ScopedPlatform {
 public:
  ScopedPlatform() { SetPlatform(&platform); }
  ~ScopedPlatform() { SetPlatform(nullptr); }
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;
  Backend platform;
};

// A plain message: one OK button, no icon, the application title.
void MsgBox(const std::string& text);

}  // namespace ui
