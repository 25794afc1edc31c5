#pragma once
// The real main window started as the program starts it: every handler wired, shown
// through its Load, on a settings store of the test's own (a first start, without the
// start-up notice); its menu items found by their captions, its file dialogs answered.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <fstream>
#include <string>

#include "app/wiring.h"
#include "editor/document_codec.h"
#include "model/globals.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "windows/sheet.h"

namespace qt_testing {

// The item captioned `item` in the menu bar of `window`: in the menu captioned `menu`,
// or in any menu when `menu` is empty.
inline QAction* FindMenuItem(QMainWindow* window, const QString& item, const QString& menu = {}) {
  if (!window) return nullptr;
  for (QAction* top : window->menuBar()->actions())
    if (top->menu() && (menu.isEmpty() || top->text() == menu))
      for (QAction* a : top->menu()->actions())
        if (a->text() == item) return a;
  return nullptr;
}

// The text a label's widget shows in `window`.
inline std::string ShownText(ui::qt::FormWindow* window, const ui::Label& label) {
  auto* widget = window ? qobject_cast<QLabel*>(window->WidgetOf(&label)) : nullptr;
  EXPECT_NE(widget, nullptr);
  return widget ? widget->text().toStdString() : "";
}

// The next file dialog gets `path` typed into it and is accepted; the filter it showed
// is left in `filter` when one is given.
inline void AnswerFileDialog(const std::string& path, QString* filter = nullptr) {
  QTimer::singleShot(0, [path, filter] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (filter) *filter = box->selectedNameFilter();
    box->selectFile(QString::fromStdString(path));
    QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
  });
}

class StartedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings("Quorvane", "Quorvane").setValue("Settings/SplashRead", "0");
    model::G = model::Globals{};
    windows::ResetSheet();
    app::WireMainWindow();
    ui::ShowModeless(windows::Sheet());  // start-up, through the main window's Load
    QApplication::processEvents();
  }
  void TearDown() override {
    model::G.Modified = model::False;  // closes without the discard question
    windows::Sheet().Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  ui::qt::FormWindow* window() { return qt.platform.WindowOf(windows::Sheet()); }
  QAction* MenuAction(const QString& text) { return FindMenuItem(window(), text); }
  // The toolbar button `key` pressed, as a click on it does, and its events run.
  void PressToolbarButton(const char* key) {
    for (QToolBar* bar : window()->findChildren<QToolBar*>())
      for (QAction* a : bar->actions())
        if (a->text() == key) {
          a->trigger();
          QApplication::processEvents();
          return;
        }
    ADD_FAILURE() << "no toolbar button " << key;
  }
  QAction* MenuItem(const QString& menu, const QString& item) { return FindMenuItem(window(), item, menu); }
  std::string ShownText(const ui::Label& label) { return qt_testing::ShownText(window(), label); }
  // The number a value label shows, its widgets brought up to date first (0 when it shows
  // nothing).
  double ShownNumber(const ui::Label& label) {
    qt.platform.SyncAll();
    const std::string text = ShownText(label);
    return text.empty() ? 0 : std::stod(text);
  }
  // The drawing area widget's pixel for a drawing position: the design's rounding onto the
  // inner pixels, inside the 2-pixel frame.
  QPoint PixelOf(double x, double y) {
    const ui::PictureBox& base = windows::Sheet().Base;
    return {static_cast<int>(std::floor(base.ToPixelX(x) + 0.5)) + 2,
            static_cast<int>(std::floor(base.ToPixelY(y) + 0.5)) + 2};
  }
  // A file in the test's own folder.
  std::string Path(const char* name) { return QDir(dir.path()).filePath(name).toStdString(); }

  // The document written to `name` in the test's folder and opened through File > Open
  // and its file dialog, as a user opens it.
  void OpenDocument(const editor::DocumentData& document, const char* name) {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << editor::WriteDocument(document);
    AnswerFileDialog(path);
    QAction* open = MenuAction("Open...");
    ASSERT_NE(open, nullptr);
    open->trigger();
    QApplication::processEvents();
  }

  QTemporaryDir dir;
  ui::qt::ScopedQtPlatform qt;
};

}  // namespace qt_testing
