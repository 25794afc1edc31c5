// A user's session in the real window: the units changed to inches in the Settings
// window reach the results panel, and the next start finds them still set.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/wiring.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

class SettingsSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  }
  void TearDown() override {
    if (Sheet().IsLoaded()) Sheet().Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // A program run: fresh state with one 254 x 127 mm plate (10 x 5 in), started by showing the window.
  void Start() {
    G = model::Globals{};
    windows::ResetSheet();
    G.Elements[1] = model::testing::Plate(254, 127, 100, 100);
    G.ElementCount = 1;
    app::WireMainWindow();
    ui::ShowModeless(Sheet());
    QApplication::processEvents();
    qt.platform.SyncAll();
  }
  ui::qt::FormWindow* window() { return qt.platform.WindowOf(Sheet()); }
  std::string shown(const ui::Label& l) { return qt_testing::ShownText(window(), l); }
  QAction* menuItem(const QString& menu, const QString& item) { return qt_testing::FindMenuItem(window(), item, menu); }
  template <typename W>
  static W* child(QWidget* top, const QString& text) {
    for (W* w : top->findChildren<W*>())
      if (w->text() == text) return w;
    return nullptr;
  }

  QTemporaryDir store;
  ui::qt::ScopedQtPlatform qt;
};

TEST_F(SettingsSession, InchesChosenInSettingsShowInThePanelAndStaySetForTheNextStart) {
  Start();
  ASSERT_NE(window(), nullptr);
  windows::SheetForm& s = Sheet();
  EXPECT_EQ(shown(s.AunitL), "mm");
  EXPECT_EQ(shown(s.Area), " 32258");
  EXPECT_EQ(shown(s.b), " 254");
  EXPECT_EQ(shown(s.d), " 127");

  QAction* settings = menuItem("Edit", "Settings...");
  ASSERT_NE(settings, nullptr);
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->windowTitle() == "Settings") dialog = w;
    ASSERT_NE(dialog, nullptr);
    QRadioButton* inches = child<QRadioButton>(dialog, "Imperial (inches)");
    QPushButton* ok = child<QPushButton>(dialog, "OK");
    ASSERT_NE(inches, nullptr);
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(inches, Qt::LeftButton);
    seen = inches->isChecked();
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  settings->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(seen);

  // 32258 mm2 is 50 in2 (645.16 mm2 each); 254 mm is 10 in and 127 mm is 5 in.
  for (const ui::Label* unit : {&s.AunitL, &s.DUnitL, &s.IxUnitL, &s.CwUnitL}) EXPECT_EQ(shown(*unit), "in");
  EXPECT_EQ(shown(s.Area), " 50");
  EXPECT_EQ(shown(s.b), " 10");
  EXPECT_EQ(shown(s.d), " 5");

  // The close box ends the run and writes the settings.
  window()->close();
  QApplication::processEvents();
  ASSERT_FALSE(s.IsLoaded());
  EXPECT_EQ(QSettings("Quorvane", "Quorvane").value("Settings/UnitStatus").toString(), "False");

  Start();
  EXPECT_EQ(G.UnitStatus, model::False);
  EXPECT_EQ(shown(Sheet().AunitL), "in");
  EXPECT_EQ(shown(Sheet().Area), " 50");
}

// A negative number of decimals typed into the S.I. precision window rounds the panel's
// values to tens.
TEST_F(SettingsSession, MinusOneDecimalsRoundThePanelToTens) {
  Start();
  ASSERT_NE(window(), nullptr);
  windows::SheetForm& s = Sheet();
  ASSERT_EQ(shown(s.Area), " 32258");

  QTimer::singleShot(0, [this] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    QPushButton* tolerances = child<QPushButton>(dialog, "S.I. Unit Tolerances");
    QPushButton* ok = child<QPushButton>(dialog, "OK");
    ASSERT_NE(tolerances, nullptr);
    ASSERT_NE(ok, nullptr);
    QTimer::singleShot(0, [] {
      auto* w = dynamic_cast<ui::qt::FormWindow*>(QApplication::activeModalWidget());
      ASSERT_NE(w, nullptr);
      ASSERT_EQ(w->windowTitle(), "Set Tolerance for S.I. Units");
      auto* decimals = qobject_cast<QLineEdit*>(w->WidgetOf(w->form()->Find("txtSIPrec")));
      ASSERT_NE(decimals, nullptr);
      decimals->selectAll();
      QTest::keyClicks(decimals, "-1");
      QTest::mouseClick(child<QPushButton>(w, "OK"), Qt::LeftButton);
    });
    QTest::mouseClick(tolerances, Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  menuItem("Edit", "Settings...")->trigger();
  QApplication::processEvents();
  qt.platform.SyncAll();

  EXPECT_EQ(G.SIPrec, -1);
  // 32258 / 10 = 3225.8 goes up to 3226; 254 / 10 = 25.4 stays 25; 127 / 10 = 12.7 goes up.
  EXPECT_EQ(shown(s.Area), " 32260");
  EXPECT_EQ(shown(s.b), " 250");
  EXPECT_EQ(shown(s.d), " 130");
}

TEST_F(SettingsSession, AMaximisedStartRestoresToTheStoredNormalRectangle) {
  QSettings("Quorvane", "Quorvane").setValue("Settings/MainLeft", "1500");
  QSettings("Quorvane", "Quorvane").setValue("Settings/MainTop", "900");
  QSettings("Quorvane", "Quorvane").setValue("Settings/MainWidth", "9000");
  QSettings("Quorvane", "Quorvane").setValue("Settings/MainHeight", "7500");
  Start();
  EXPECT_TRUE(window()->isMaximized());
  window()->showNormal();
  QApplication::processEvents();
  qt.platform.SyncAll();
  EXPECT_EQ(Sheet().WindowState, ui::WindowNormal);
  EXPECT_EQ(window()->size(), QSize(600, 500));
  EXPECT_EQ(window()->pos(), QPoint(100, 60));
}

}  // namespace
