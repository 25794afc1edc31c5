#pragma once
// The window runtime on Qt 6 Widgets: every form becomes a top-level window with one
// widget per control, a modal form runs a nested event loop until it unloads, and the
// services (message box, clipboard, settings, file and printer dialogs, printer, shell,
// fonts) use Qt's. Properties are plain members, so after every event it delivers the
// backend brings every open window up to date (SyncAll): each widget whose control
// changed since its last update.

#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "ui/platform.h"

class QPainter;
class QPrinter;
class QWidget;

namespace ui::qt {

class FormWindow;
class KeyPresses;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void RunModal(Form& form) override;
  void ShowModeless(Form& form) override;
  void FormClosed(Form& form) override;
  void FocusChanged(Control& control) override;
  // The size a form's outer Width and Height add to its client area: its menu bar. The
  // window manager's title bar and borders are not counted: they differ from one desktop
  // to the next, and the layout rules of the windows are made for a fixed allowance.
  void FrameExtents(const Form& form, float& dx, float& dy) const override;

  void MsgBox(const std::string& text) override;
  bool ClipboardHasText() override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool ShowOpen(CommonDialog& dialog) override;
  bool ShowSave(CommonDialog& dialog) override;
  bool ShowPrinter(CommonDialog& dialog) override;
  bool PrinterName(std::string& name) override;
  bool PrintLine(const std::string& text) override;
  bool PrintForm(Form& form) override;
  bool EndDoc() override;
  bool ShellOpen(const std::string& path) override;
  bool RegisterFont(const std::string& path) override;
  std::string ShortDate() override;
  std::string DecimalSeparator() override;

  // Runs a handler of the system for an event, then brings every window up to date.
  void Dispatch(const std::function<void()>& handler);
  void SyncAll();
  // The application quits when this form unloads (the main window).
  void QuitWhenClosed(Form& form) { quitForm_ = &form; }
  FormWindow* WindowOf(const Form& form) const;
  // Where each key's press went (a release acts only there, once).
  KeyPresses& Presses() { return *presses_; }
  // Height of a menu bar, pixels (the same for every window).
  static int MenuBarHeight();
  // Sends what is printed to a PDF file, as the print dialog's "print to file" does.
  void SetPrinterOutputFile(const std::string& pdfPath);

 private:
  FormWindow* Open(Form& form);
  // A modal window about to close or hide activates the window it was shown over.
  void HandActivationBack(FormWindow& closing);
  // The window a message box or platform dialog belongs to: the active one, unless that
  // is a form window that has closed and waits to be deleted (it would take the dialog
  // with it); then the modal form or the main window.
  QWidget* DialogOwner() const;
  bool FileDialog(CommonDialog& dialog, bool save);
  QPrinter& Printer();

  std::unique_ptr<KeyPresses> presses_;
  std::map<const Form*, QPointer<FormWindow>> windows_;
  Form* quitForm_ = nullptr;
  bool syncing_ = false;
  bool resync_ = false;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> page_;  // the print document being written
  int printY_ = 0;
};

// Installs a QtPlatform for the life of the object.
using ScopedQtPlatform = ScopedPlatform<QtPlatform>;

}  // namespace ui::qt
