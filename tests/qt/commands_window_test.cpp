// The commands in the real window: the toolbar as a row of picture buttons with tips, the
// menus with their shortcuts, and the drawing area's keys running one command per press.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <map>
#include <string>
#include <vector>

#include "editor/clip_text.h"
#include "editor/undo.h"
#include "editor/wide_bar_text.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

class CommandsWindowTest : public qt_testing::StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    Sheet().Base.SetFocus();
    window()->activateWindow();
    QApplication::processEvents();
    qt.platform.SyncAll();
  }
  QToolBar* toolbar() { return static_cast<QToolBar*>(window()->WidgetOf(&Sheet().tbToolBar)); }
  // A key pressed once, as the window system delivers it: the press and then the release
  // to the main window, each reaching the widget that holds its focus then.
  void PressOnce(Qt::Key key, Qt::KeyboardModifiers mods) {
    QTest::keyPress(window()->windowHandle(), key, mods);
    QTest::keyRelease(window()->windowHandle(), key, mods);
    QApplication::processEvents();
  }
};

// Counts the modal windows that open and closes each with Esc, as a user would.
class ModalWindowsEscaped {
 public:
  ModalWindowsEscaped() {
    watch_.setInterval(0);
    QObject::connect(&watch_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == last_ || !modal->windowHandle()) return;
      last_ = modal;
      ++opened;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) texts.push_back(box->text().toStdString());
      QTest::keyClick(modal->windowHandle(), Qt::Key_Escape);
    });
    watch_.start();
  }
  int opened = 0;
  std::vector<std::string> texts;

 private:
  QTimer watch_;
  QPointer<QWidget> last_;
};

TEST_F(CommandsWindowTest, TheToolbarShows27EntriesWithTipsPicturesAndStartStates) {
  ASSERT_NE(toolbar(), nullptr);
  const QList<QAction*> actions = toolbar()->actions();
  ASSERT_EQ(actions.size(), 27);
  struct Entry {
    const char* tip;  // null for a separator
    bool enabled;
  };
  const Entry entries[27] = {
      {"New", true},
      {"Open", true},
      {"Save", true},
      {nullptr, true},
      {"Print", true},
      {nullptr, true},
      {"Undo", false},
      {"Redo", false},
      {nullptr, true},
      {"Cut", false},
      {"Copy", false},
      {"Paste", false},
      {nullptr, true},
      {"Insert Steel Shape", true},
      {"Insert Plate or Bar", true},
      {nullptr, true},
      {"Erase", true},
      {"Move", true},
      {"Rotate", true},
      {"Mirror", true},
      {nullptr, true},
      {"Zoom In", true},
      {"Zoom Out", true},
      {"Pan Up", true},
      {"Pan Down", true},
      {"Pan Left", true},
      {"Pan Right", true},
  };
  for (int i = 0; i < 27; ++i) {
    SCOPED_TRACE(i + 1);
    QAction* a = actions[i];
    if (!entries[i].tip) {
      EXPECT_TRUE(a->isSeparator());
      continue;
    }
    EXPECT_FALSE(a->isSeparator());
    EXPECT_EQ(a->toolTip().toStdString(), entries[i].tip);
    EXPECT_EQ(a->isEnabled(), entries[i].enabled);
    EXPECT_FALSE(a->icon().isNull());
    auto* button = qobject_cast<QToolButton*>(toolbar()->widgetForAction(a));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // The whole button lies inside the toolbar's row: nothing is cut off.
    EXPECT_TRUE(toolbar()->rect().contains(button->geometry())) << button->geometry().y();
  }
  EXPECT_EQ(toolbar()->iconSize(), QSize(24, 24));
}

TEST_F(CommandsWindowTest, TheMenusShowTheirShortcuts) {
  struct Item {
    const char* menu;
    const char* caption;
    const char* shortcut;
  };
  for (const Item& i :
       {Item{"File", "New", "Ctrl+N"}, Item{"File", "Open...", "Ctrl+O"}, Item{"File", "Save", "Ctrl+S"},
        Item{"File", "Print...", "Ctrl+P"}, Item{"File", "Exit", "Ctrl+Q"}, Item{"Edit", "Undo", "Ctrl+Z"},
        Item{"Edit", "Redo", "Ctrl+Y"}, Item{"Edit", "Cut", "Ctrl+X"}, Item{"Edit", "Copy", "Ctrl+C"},
        Item{"Edit", "Paste", "Ctrl+V"}, Item{"Edit", "Select All", "Ctrl+A"}, Item{"Help", "Contents...", "F1"},
        Item{"File", "Save As...", ""}, Item{"Edit", "Settings...", ""}}) {
    SCOPED_TRACE(i.caption);
    QAction* a = MenuItem(i.menu, i.caption);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->shortcut(), QKeySequence(i.shortcut));
  }
  // Separators are lines only, with no text beside them.
  int separators = 0;
  for (QAction* top : window()->menuBar()->actions())
    for (QAction* a : top->menu()->actions())
      if (a->isSeparator()) {
        ++separators;
        EXPECT_TRUE(a->text().isEmpty());
      }
  EXPECT_EQ(separators, 8);
  EXPECT_FALSE(MenuItem("Edit", "Undo")->isEnabled());
  EXPECT_FALSE(MenuItem("Edit", "Redo")->isEnabled());
}

TEST_F(CommandsWindowTest, ClickingTheBarButtonOpensThePlateOrBarWindow) {
  QAction* bar = nullptr;
  for (QAction* a : toolbar()->actions())
    if (a->toolTip() == "Insert Plate or Bar") bar = a;
  ASSERT_NE(bar, nullptr);
  std::string seen;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    seen = modal->windowTitle().toStdString();
    modal->close();
  });
  QTest::mouseClick(toolbar()->widgetForAction(bar), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(seen, "Shape Type");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(CommandsWindowTest, CtrlZInTheDrawingAreaUndoesOnceAndCtrlYRedoesOnce) {
  for (int i = 1; i <= 3; ++i) G.Elements[i] = model::testing::Plate(100, 10, 100, 100 * i);
  G.ElementCount = 1;
  editor::ResetUndoHistory();
  G.ElementCount = 2;
  editor::PushUndoState();
  G.ElementCount = 3;
  editor::PushUndoState();
  qt.platform.SyncAll();
  QWidget* base = window()->WidgetOf(&Sheet().Base);
  ASSERT_EQ(QApplication::focusWidget(), base);
  QTest::keyClick(base, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(G.ElementCount, 2);
  EXPECT_FLOAT_EQ(G.SecArea, 2000);
  qt.platform.SyncAll();
  EXPECT_TRUE(MenuItem("Edit", "Redo")->isEnabled());
  EXPECT_TRUE(toolbar()->actions()[7]->isEnabled());  // button 8, Redo
  QTest::keyClick(base, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(G.ElementCount, 3);
  // The menu item runs the same command once.
  MenuItem("Edit", "Undo")->trigger();
  EXPECT_EQ(G.ElementCount, 2);
}

// At start every menu item but Undo and Redo is enabled, Cut, Copy and Paste too; opening
// the Edit menu sets Cut and Copy by the selection, and Paste with nothing on the
// clipboard does nothing and says nothing.
TEST_F(CommandsWindowTest, TheEditItemsStartEnabledAndTheMenuSetsCutAndCopyWhenItOpens) {
  // A start with no text on the clipboard, so that the start-up redraw keeps Paste.
  QApplication::clipboard()->clear();
  CommandsWindowTest::TearDown();
  CommandsWindowTest::SetUp();
  ASSERT_TRUE(QApplication::clipboard()->text().isEmpty());
  for (QAction* top : window()->menuBar()->actions()) {
    for (QAction* a : top->menu()->actions()) {
      if (!a->isSeparator() && a->text() != "Undo" && a->text() != "Redo") {
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
      }
    }
  }
  for (int button : {10, 11, 12}) EXPECT_FALSE(toolbar()->actions()[button - 1]->isEnabled()) << button;

  G.Elements[1] = model::testing::Plate(200, 10, 100, 300);
  G.ElementCount = 1;
  view::RedrawDrawing();
  QMenu* edit = nullptr;
  for (QAction* top : window()->menuBar()->actions())
    if (top->text() == "Edit") edit = top->menu();
  ASSERT_NE(edit, nullptr);
  emit edit->aboutToShow();  // nothing selected
  qt.platform.SyncAll();
  EXPECT_FALSE(MenuItem("Edit", "Cut")->isEnabled());
  EXPECT_FALSE(MenuItem("Edit", "Copy")->isEnabled());
  EXPECT_TRUE(MenuItem("Edit", "Paste")->isEnabled());

  int modals = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (QWidget* m = QApplication::activeModalWidget()) {
      ++modals;
      m->close();
    }
  });
  watch.start(10);
  MenuItem("Edit", "Paste")->trigger();
  QApplication::processEvents();
  watch.stop();
  EXPECT_EQ(modals, 0);
  EXPECT_EQ(G.ElementCount, 1);
  EXPECT_EQ(G.Modified, model::False);

  Sheet().Base.SetFocus();
  QTest::mouseClick(window()->WidgetOf(&Sheet().Base), Qt::LeftButton, Qt::NoModifier, PixelOf(200, 305));
  ASSERT_EQ(G.Elements[1].Selected, model::True);
  emit edit->aboutToShow();
  qt.platform.SyncAll();
  EXPECT_TRUE(MenuItem("Edit", "Cut")->isEnabled());
  EXPECT_TRUE(MenuItem("Edit", "Copy")->isEnabled());
}

TEST_F(CommandsWindowTest, CopyAndPasteThroughTheSystemClipboard) {
  G.Elements[1] = model::testing::Plate(200, 10, 100, 300);
  G.Elements[2] = model::testing::Plate(50, 50, 500, 500);
  G.ElementCount = 2;
  editor::ResetUndoHistory();
  view::RedrawDrawing();
  QWidget* base = window()->WidgetOf(&Sheet().Base);
  QTest::keyClick(base, Qt::Key_A, Qt::ControlModifier);  // Select All
  ASSERT_EQ(G.Elements[2].Selected, model::True);
  // Select All leaves the toolbar's Copy as it was: the Edit menu's Copy does it.
  MenuItem("Edit", "Copy")->trigger();
  const std::string copied = QApplication::clipboard()->text().toStdString();
  EXPECT_TRUE(copied.starts_with("Shape::,"));
  EXPECT_TRUE(copied.ends_with("#"));
  qt.platform.SyncAll();
  EXPECT_TRUE(toolbar()->actions()[11]->isEnabled());  // button 12, Paste
  QTest::keyClick(base, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(G.ElementCount, 4);
  EXPECT_EQ(G.Elements[3].PosX, 110);
  EXPECT_EQ(G.Elements[3].PosY, 310);
  EXPECT_EQ(G.Elements[4].PosX, 510);
  EXPECT_EQ(G.Elements[4].PosY, 510);
  EXPECT_FLOAT_EQ(G.SecArea, 2 * (2000 + 2500));
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied);
}

TEST_F(CommandsWindowTest, EachKeyInTheDrawingAreaRunsItsCommandOnce) {
  windows::SheetForm& s = Sheet();
  std::map<std::string, int> runs;
  for (ui::Menu* m : {&s.New, &s.Open, &s.Save, &s.Printr, &s.Exit, &s.Undo, &s.Redo, &s.Cut, &s.Copy, &s.Paste,
                      &s.SelectAll, &s.Contents}) {
    m->Enabled = true;
    m->Click = [&runs, m] { ++runs[m->Name()]; };
  }
  for (int b : {7, 8, 10, 11, 12}) s.tbToolBar.Button(b).Enabled = true;
  qt.platform.SyncAll();
  QWidget* base = window()->WidgetOf(&s.Base);
  ASSERT_EQ(QApplication::focusWidget(), base);
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* item;
  };
  for (const Key& k : {Key{Qt::Key_N, Qt::ControlModifier, "New"}, Key{Qt::Key_O, Qt::ControlModifier, "Open"},
                       Key{Qt::Key_S, Qt::ControlModifier, "Save"}, Key{Qt::Key_P, Qt::ControlModifier, "Printr"},
                       Key{Qt::Key_Q, Qt::ControlModifier, "Exit"}, Key{Qt::Key_Z, Qt::ControlModifier, "Undo"},
                       Key{Qt::Key_Y, Qt::ControlModifier, "Redo"}, Key{Qt::Key_X, Qt::ControlModifier, "Cut"},
                       Key{Qt::Key_C, Qt::ControlModifier, "Copy"}, Key{Qt::Key_V, Qt::ControlModifier, "Paste"},
                       Key{Qt::Key_A, Qt::ControlModifier, "SelectAll"}, Key{Qt::Key_F1, Qt::NoModifier, "Contents"}}) {
    SCOPED_TRACE(k.item);
    runs.clear();
    QTest::keyClick(base, k.key, k.mods);
    QApplication::processEvents();
    EXPECT_EQ(runs, (std::map<std::string, int>{{k.item, 1}}));
  }
}

// A command that opens a window from a key of the drawing area runs once: the release
// that ran it is not taken again by the main window once the window it opened has gone.
TEST_F(CommandsWindowTest, AKeyWhoseCommandOpensAWindowRunsItOnce) {
  windows::SheetForm& s = Sheet();
  // F1 ends in the help page's fallback message, as on a desktop with no program for the
  // page (the test must not start a browser).
  s.Contents.Click = [] { ui::MsgBox("The help page could not be opened."); };
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* command;
  };
  for (const Key& k : {Key{Qt::Key_O, Qt::ControlModifier, "Open"}, Key{Qt::Key_F1, Qt::NoModifier, "Contents"},
                       Key{Qt::Key_Q, Qt::ControlModifier, "Exit with changes"}}) {
    SCOPED_TRACE(k.command);
    G.Modified = model::True;  // Exit asks first; Esc keeps the window
    ModalWindowsEscaped modals;
    PressOnce(k.key, k.mods);
    EXPECT_EQ(modals.opened, 1);
    ASSERT_TRUE(Sheet().IsLoaded());
  }
  G.Modified = model::False;
}

// Ctrl+V of a clipboard text with one good and one unreadable entry pastes the good one
// once and tells of the other once.
TEST_F(CommandsWindowTest, CtrlVWithARefusedEntryPastesTheGoodOneOnce) {
  model::ElementRecord copied[2];  // the copy's elements 1..count, as in the section
  copied[1] = model::testing::Plate(300, 20, 100, 100);
  copied[1].Selected = model::True;
  std::string text = editor::WriteClipText(copied, 1);
  text.pop_back();               // the closing "#"
  text += "Shape::, abc, 50,#";  // cut off after a value that reads as no number
  QApplication::clipboard()->setText(QString::fromStdString(text));
  view::RedrawDrawing();  // offers Paste from the clipboard
  qt.platform.SyncAll();
  ModalWindowsEscaped modals;
  PressOnce(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(modals.opened, 1);
  ASSERT_EQ(G.ElementCount, 1);
  EXPECT_FLOAT_EQ(G.SecArea, 300 * 20);
  G.Modified = model::False;
}

// Ctrl+V of a 20 mm bar whose Width reads 1E+30 shows one message naming it and adds
// nothing: the section stays empty and unchanged.
TEST_F(CommandsWindowTest, CtrlVOfABarWiderThanCanBeHeldSaysSoAndAddsNothing) {
  QApplication::clipboard()->setText(QString(editor::testing::WideBarEntry) + "#");
  view::RedrawDrawing();  // offers Paste from the clipboard
  qt.platform.SyncAll();
  const std::string title = Sheet().Caption;
  ModalWindowsEscaped modals;
  PressOnce(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(modals.opened, 1);
  EXPECT_EQ(modals.texts,
            std::vector<std::string>{"These elements on the clipboard could not be read and were not pasted: 1."});
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(Sheet().Caption, title);
}

}  // namespace
