// Generic forms on the Qt backend: modal showing, dialog controls and their edits.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <string>
#include <vector>

#include "ui/dialog_keys.h"
#include "ui/form.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"

namespace {

struct AskForm : ui::Form {
  AskForm() : ui::Form("AskForm") {
    Caption = "Ask";
    SetClientSize(4000, 3000);
    OK.Caption = "OK";
    OK.Move(120, 2400, 1200, 400);
    Sure.Caption = "Sure";
    Sure.Move(120, 120, 2000, 300);
    Frame1.Caption = "Units";
    Frame1.Move(120, 500, 2400, 1000);
    Mm.Caption = "mm";
    Mm.Container = &Frame1;
    Mm.Move(120, 240, 1000, 300);
    Mm.Value = true;
    Inch.Caption = "in";
    Inch.Container = &Frame1;
    Inch.Move(120, 600, 1000, 300);
    List.Move(2600, 120, 1300, 1500);
    List.AddItem("W");
    List.AddItem("C");
    List.AddItem("L");
  }
  ui::CommandButton OK{*this, "OK"};
  ui::CheckBox Sure{*this, "Sure"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::OptionButton Mm{*this, "Mm"};
  ui::OptionButton Inch{*this, "Inch"};
  ui::ListBox List{*this, "List"};
};

class FormsTest : public ::testing::Test {
 protected:
  void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  ui::qt::ScopedQtPlatform qt;
};

TEST_F(FormsTest, AModalFormReturnsAfterItUnloads) {
  AskForm dlg;
  std::vector<std::string> steps;
  dlg.OK.Click = [&] {
    steps.push_back("ok");
    dlg.Unload();
  };
  QTimer::singleShot(0, [&] {
    ui::qt::FormWindow* w = qt.platform.WindowOf(dlg);
    ASSERT_NE(w, nullptr);
    steps.push_back(w->isVisible() && w->isModal() ? "shown modal" : "not modal");
    auto* ok = static_cast<QPushButton*>(w->WidgetOf(&dlg.OK));
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  ui::ShowModal(dlg);
  steps.push_back("returned");
  EXPECT_EQ(steps, (std::vector<std::string>{"shown modal", "ok", "returned"}));
  EXPECT_FALSE(dlg.IsLoaded());
  EXPECT_EQ(qt.platform.WindowOf(dlg), nullptr);
}

TEST_F(FormsTest, AModalFormThatUnloadsWhileLoadingDoesNotBlock) {
  AskForm dlg;
  dlg.Load = [&] { dlg.Unload(); };
  ui::ShowModal(dlg);
  EXPECT_FALSE(dlg.IsLoaded());
}

TEST_F(FormsTest, TheUsersChoicesFlowBackIntoTheControls) {
  AskForm dlg;
  int clicks = 0, listClicks = 0;
  dlg.Sure.Click = [&] { ++clicks; };
  dlg.List.Click = [&] { ++listClicks; };
  ui::ShowModeless(dlg);
  ui::qt::FormWindow* w = qt.platform.WindowOf(dlg);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Client()->size(), QSize(267, 200));  // 266.7 and 200 pixels

  auto* sure = static_cast<QCheckBox*>(w->WidgetOf(&dlg.Sure));
  QTest::mouseClick(sure, Qt::LeftButton, {}, QPoint(5, sure->height() / 2));
  EXPECT_EQ(dlg.Sure.Value, 1);
  EXPECT_EQ(clicks, 1);

  auto* inch = static_cast<QRadioButton*>(w->WidgetOf(&dlg.Inch));
  EXPECT_EQ(inch->parentWidget(), w->WidgetOf(&dlg.Frame1));
  QTest::mouseClick(inch, Qt::LeftButton, {}, QPoint(5, inch->height() / 2));
  EXPECT_TRUE(dlg.Inch.Value);
  EXPECT_FALSE(dlg.Mm.Value);
  EXPECT_FALSE(static_cast<QRadioButton*>(w->WidgetOf(&dlg.Mm))->isChecked());

  auto* list = static_cast<QListWidget*>(w->WidgetOf(&dlg.List));
  ASSERT_EQ(list->count(), 3);
  list->setCurrentRow(2);
  EXPECT_EQ(dlg.List.ListIndex, 2);
  EXPECT_EQ(listClicks, 1);

  // And code's changes reach the widgets.
  dlg.List.AddItem("T");
  dlg.List.ListIndex = 3;
  dlg.Sure.Value = 0;
  dlg.OK.Enabled = false;
  dlg.Frame1.Visible = false;
  qt.platform.SyncAll();
  EXPECT_EQ(list->count(), 4);
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_EQ(listClicks, 1);
  EXPECT_FALSE(sure->isChecked());
  EXPECT_FALSE(w->WidgetOf(&dlg.OK)->isEnabled());
  EXPECT_FALSE(inch->isVisible());
  dlg.Unload();
}

TEST_F(FormsTest, EnterReachesAKeyPreviewFormFirst) {
  AskForm dlg;
  dlg.KeyPreview = true;
  std::vector<int> seen;
  dlg.KeyPress = [&](int16_t& ascii) {
    seen.push_back(ascii);
    if (ascii == 13) {
      ascii = 0;
      dlg.Unload();
    }
  };
  dlg.OK.Click = [&] { seen.push_back(-1); };
  QTimer::singleShot(0, [&] {
    ui::qt::FormWindow* w = qt.platform.WindowOf(dlg);
    ASSERT_NE(w, nullptr);
    QWidget* ok = w->WidgetOf(&dlg.OK);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
  });
  ui::ShowModal(dlg);
  EXPECT_EQ(seen, (std::vector<int>{13}));  // the form took it; the button never clicked
}

// A window whose text box acts on the release of its keys, as the typed-entry box does.
struct EntryForm : ui::Form {
  EntryForm() : ui::Form("EntryForm") {
    Caption = "Entry";
    SetClientSize(4000, 1500);
    Entry.Move(120, 120, 3000, 300);
    Entry.KeyUp = [this](int16_t& code, int16_t) { released.push_back(code); };
  }
  ui::TextBox Entry{*this, "Entry"};
  std::vector<int> released;
};

// The window system sends a key's release to the window that has the focus when the key
// comes up: after a press that closed a dialog, the window below it. That release is the
// dialog's and acts nowhere; the next key pressed in the window acts there once.
TEST_F(FormsTest, AKeyReleaseActsOnlyInTheWindowThatTookItsPress) {
  EntryForm main;
  ui::ShowModeless(main);
  QApplication::processEvents();
  QWindow* mainWindow = qt.platform.WindowOf(main)->windowHandle();
  AskForm dlg;
  ui::AnswerEnterAndEsc(
      dlg, [&] { dlg.Unload(); }, nullptr);
  QTimer::singleShot(0, [&] { QTest::keyPress(qt.platform.WindowOf(dlg)->windowHandle(), Qt::Key_Return); });
  ui::ShowModal(dlg);
  ASSERT_FALSE(dlg.IsLoaded());
  main.Entry.SetFocus();
  QApplication::processEvents();
  QTest::keyRelease(mainWindow, Qt::Key_Return);
  EXPECT_TRUE(main.released.empty());
  QTest::keyPress(mainWindow, Qt::Key_Return);
  QTest::keyRelease(mainWindow, Qt::Key_Return);
  QTest::keyRelease(mainWindow, Qt::Key_Return);  // no second press: nothing more
  EXPECT_EQ(main.released, std::vector<int>{13});
  main.Unload();
}

}  // namespace
