#pragma once
// The real main window started as the program starts it: every handler wired, shown
// through its Load, on a settings store of the test's own (a first start, without the
// start-up notice); its menu items found by their captions.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <string>

#include "app/wiring.h"
#include "model/globals.h"
#include "model/sheet.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"

namespace qt_testing {

class StartedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings("Quorvane", "Quorvane").setValue("Settings/SplashRead", "0");
    model::G = model::Globals{};
    model::ResetSheet();
    app::WireMainWindow();
    ui::ShowModeless(model::Sheet());  // start-up, through the main window's Load
    QApplication::processEvents();
  }
  void TearDown() override {
    model::Sheet().Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QAction* MenuAction(const QString& text) {
    for (QAction* top : qt.platform.WindowOf(model::Sheet())->menuBar()->actions())
      if (top->menu())
        for (QAction* a : top->menu()->actions())
          if (a->text() == text) return a;
    return nullptr;
  }
  // A file in the test's own folder.
  std::string Path(const char* name) { return QDir(dir.path()).filePath(name).toStdString(); }

  QTemporaryDir dir;
  ui::qt::ScopedQtPlatform qt;
};

}  // namespace qt_testing
