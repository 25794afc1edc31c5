// The Qt backend brings a widget up to date only when something it shows changed: every
// property a handler changes still reaches its widget, a widget whose control stayed as
// it was is left alone, and a change the user made in a widget that a handler undid is
// undone on the widget as well.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <string>

#include "started_window.h"
#include "ui/form.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "windows/sheet.h"

namespace {

// One control of each kind that shows a property, a child label placed in a picture
// box's units, a menu and a toolbar.
struct PanelForm : ui::Form {
  PanelForm() : ui::Form("PanelForm") {
    Caption = "Panel";
    SetClientSize(6000, 4500);
    Bar.Move(0, 0, 6000, 450);
    Bar.Add("Plate", "Plate");
    Bar.Add("Bar", "Round bar");
    Note.Caption = "Idle";
    Note.Move(120, 600, 2000, 300);
    Entry.Move(120, 1000, 2000, 300);
    Sure.Caption = "Sure";
    Sure.Move(120, 1400, 2000, 300);
    Units.Caption = "Units";
    Units.Move(2400, 600, 2400, 1100);
    Mm.Caption = "mm";
    Mm.Container = &Units;
    Mm.Move(120, 240, 1000, 300);
    Mm.Value = true;
    Inch.Caption = "in";
    Inch.Container = &Units;
    Inch.Move(120, 600, 1000, 300);
    List.Move(120, 1800, 2000, 900);
    List.AddItem("W");
    List.AddItem("C");
    List.AddItem("L");
    // 3000 twips less the 2-pixel frames: 196 inner pixels for 100 units.
    Area.Move(2400, 1800, 3000, 2400);
    Area.SetScale(0, 0, 100, 100);
    Tip.Container = &Area;
    Tip.Move(10, 10, 30, 10);
    Tip.Caption = "+";
    mnuView.Caption = "&View";
    Grid.Caption = "&Grid";
  }
  ui::Toolbar Bar{*this, "Bar"};
  ui::Label Note{*this, "Note"};
  ui::TextBox Entry{*this, "Entry"};
  ui::CheckBox Sure{*this, "Sure"};
  ui::Frame Units{*this, "Units"};
  ui::OptionButton Mm{*this, "Mm"};
  ui::OptionButton Inch{*this, "Inch"};
  ui::ListBox List{*this, "List"};
  ui::PictureBox Area{*this, "Area"};
  ui::Label Tip{*this, "Tip"};
  ui::Menu mnuView{*this, "mnuView"};
  ui::Menu Grid{*this, "Grid", &mnuView};
};

// Public: the cases below are plain functions of the fixture.
class WidgetUpdatesTest : public ::testing::Test {
 public:
  void SetUp() override {
    ui::ShowModeless(form);
    QApplication::processEvents();
    window = qt.platform.WindowOf(form);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    form.Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Runs `handler` as the backend runs one for an event; returns how many widgets and
  // menu items were brought up to date after it.
  uint64_t UpdatesAfter(const std::function<void()>& handler) {
    const uint64_t before = window->WidgetUpdates();
    qt.platform.Dispatch(handler);
    return window->WidgetUpdates() - before;
  }
  template <typename W>
  W* Widget(const ui::Control& c) {
    return qobject_cast<W*>(window->WidgetOf(&c));
  }
  QAction* GridItem() {
    for (QAction* top : window->menuBar()->actions())
      if (top->menu())
        for (QAction* a : top->menu()->actions())
          if (a->text() == "&Grid" || a->text() == "&Snap") return a;
    return nullptr;
  }
  QAction* ToolbarButton(int index) { return Widget<QToolBar>(form.Bar)->actions().at(index - 1); }

  ui::qt::ScopedQtPlatform qt;
  PanelForm form;
  ui::qt::FormWindow* window = nullptr;
};

TEST_F(WidgetUpdatesTest, EveryPropertyAHandlerChangesReachesItsWidgetAndNoOtherIsTouched) {
  struct Case {
    const char* name;
    std::function<void(PanelForm&)> change;
    std::function<bool(WidgetUpdatesTest&)> shown;
  };
  const Case cases[] = {
      {"label caption", [](PanelForm& f) { f.Note.Caption = "Busy"; },
       [](WidgetUpdatesTest& t) { return t.Widget<QLabel>(t.form.Note)->text() == "Busy"; }},
      {"label colour", [](PanelForm& f) { f.Note.ForeColor = 0x0000FF; },  // red in the low byte
       [](WidgetUpdatesTest& t) {
         return t.Widget<QLabel>(t.form.Note)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
       }},
      {"label bold", [](PanelForm& f) { f.Note.FontBold = true; },
       [](WidgetUpdatesTest& t) { return t.Widget<QLabel>(t.form.Note)->font().bold(); }},
      {"label place", [](PanelForm& f) { f.Note.Move(120, 750, 2000, 300); },  // 750 twips: 50 pixels
       [](WidgetUpdatesTest& t) { return t.Widget<QLabel>(t.form.Note)->geometry().top() == 50; }},
      {"tooltip", [](PanelForm& f) { f.Note.ToolTipText = "What runs"; },
       [](WidgetUpdatesTest& t) { return t.Widget<QLabel>(t.form.Note)->toolTip() == "What runs"; }},
      {"hidden", [](PanelForm& f) { f.Note.Visible = false; },
       [](WidgetUpdatesTest& t) { return !t.Widget<QLabel>(t.form.Note)->isVisible(); }},
      {"text box text", [](PanelForm& f) { f.Entry.Text = "12, 34"; },
       [](WidgetUpdatesTest& t) { return t.Widget<QLineEdit>(t.form.Entry)->text() == "12, 34"; }},
      {"text box locked", [](PanelForm& f) { f.Entry.Locked = true; },
       [](WidgetUpdatesTest& t) { return t.Widget<QLineEdit>(t.form.Entry)->isReadOnly(); }},
      {"disabled", [](PanelForm& f) { f.Sure.Enabled = false; },
       [](WidgetUpdatesTest& t) { return !t.Widget<QCheckBox>(t.form.Sure)->isEnabled(); }},
      {"check box value", [](PanelForm& f) { f.Sure.Value = 1; },
       [](WidgetUpdatesTest& t) { return t.Widget<QCheckBox>(t.form.Sure)->isChecked(); }},
      {"option value", [](PanelForm& f) { f.Inch.Value = true; },
       [](WidgetUpdatesTest& t) { return t.Widget<QRadioButton>(t.form.Inch)->isChecked(); }},
      {"frame caption", [](PanelForm& f) { f.Units.Caption = "Length"; },
       [](WidgetUpdatesTest& t) { return t.Widget<QGroupBox>(t.form.Units)->title() == "Length"; }},
      {"list rows", [](PanelForm& f) { f.List.AddItem("T"); },
       [](WidgetUpdatesTest& t) { return t.Widget<QListWidget>(t.form.List)->count() == 4; }},
      {"list choice", [](PanelForm& f) { f.List.ListIndex = 1; },
       [](WidgetUpdatesTest& t) { return t.Widget<QListWidget>(t.form.List)->currentRow() == 1; }},
      // (10 + 10) units of 1.96 pixels, rounded, inside the 2-pixel frame.
      {"picture box scale under a child", [](PanelForm& f) { f.Area.ScaleLeft = -10; },
       [](WidgetUpdatesTest& t) { return t.Widget<QLabel>(t.form.Tip)->geometry().left() == 41; }},
      {"menu item checked", [](PanelForm& f) { f.Grid.Checked = true; },
       [](WidgetUpdatesTest& t) { return t.GridItem()->isChecked(); }},
      {"menu item caption", [](PanelForm& f) { f.Grid.Caption = "&Snap"; },
       [](WidgetUpdatesTest& t) { return t.GridItem()->text() == "&Snap"; }},
      {"menu item disabled", [](PanelForm& f) { f.Grid.Enabled = false; },
       [](WidgetUpdatesTest& t) { return !t.GridItem()->isEnabled(); }},
      {"toolbar button disabled", [](PanelForm& f) { f.Bar.Button(2).Enabled = false; },
       [](WidgetUpdatesTest& t) { return !t.ToolbarButton(2)->isEnabled(); }},
      {"toolbar button tooltip", [](PanelForm& f) { f.Bar.Button(1).ToolTipText = "Plate element"; },
       [](WidgetUpdatesTest& t) { return t.ToolbarButton(1)->toolTip() == "Plate element"; }},
  };
  ASSERT_EQ(Widget<QLabel>(form.Tip)->geometry().left(), 22);  // 10 units: 19.6 pixels, in the frame
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(c.shown(*this));
    EXPECT_EQ(UpdatesAfter([&] { c.change(form); }), 1u);
    EXPECT_TRUE(c.shown(*this));
  }
}

TEST_F(WidgetUpdatesTest, AHandlerThatChangesNothingTouchesNoWidget) {
  EXPECT_EQ(UpdatesAfter([] {}), 0u);
  // The same values assigned again are no change either.
  EXPECT_EQ(UpdatesAfter([&] {
              form.Note.Caption = "Idle";
              form.Entry.Text = "";
              form.Mm.Value = true;
              form.Grid.Checked = false;
            }),
            0u);
}

TEST_F(WidgetUpdatesTest, AUsersChangeThatAHandlerUndoesIsUndoneOnTheWidget) {
  // The check box clicked on, its handler keeps it off.
  form.Sure.Click = [&] { form.Sure.Value = 0; };
  auto* sure = Widget<QCheckBox>(form.Sure);
  QTest::mouseClick(sure, Qt::LeftButton, {}, QPoint(5, sure->height() / 2));
  EXPECT_EQ(form.Sure.Value, 0);
  EXPECT_FALSE(sure->isChecked());

  // The option already chosen clicked again: it stays chosen.
  auto* mm = Widget<QRadioButton>(form.Mm);
  QTest::mouseClick(mm, Qt::LeftButton, {}, QPoint(5, mm->height() / 2));
  EXPECT_TRUE(form.Mm.Value);
  EXPECT_TRUE(mm->isChecked());

  // A checked menu item chosen, its handler keeps the check.
  form.Grid.Checked = true;
  qt.platform.SyncAll();
  ASSERT_TRUE(GridItem()->isChecked());
  GridItem()->trigger();
  EXPECT_TRUE(GridItem()->isChecked());

  // A letter typed into the text box that its handler refuses.
  form.Entry.Text = "12";
  qt.platform.SyncAll();
  form.Entry.Change = [&] { form.Entry.Text = "12"; };
  auto* entry = Widget<QLineEdit>(form.Entry);
  entry->setFocus();
  entry->setCursorPosition(2);
  QTest::keyClick(entry, Qt::Key_X);
  EXPECT_EQ(form.Entry.Text, "12");
  EXPECT_EQ(entry->text(), "12");
}

class IdleMainWindowTest : public qt_testing::StartedWindowTest {};

TEST_F(IdleMainWindowTest, APointerMoveWithNoCommandUpdatesTheCoordinatesBoxAlone) {
  ui::qt::FormWindow* w = window();
  ASSERT_NE(w, nullptr);
  QWidget* area = w->WidgetOf(&windows::Sheet().Base);
  auto* coord = qobject_cast<QLineEdit*>(w->WidgetOf(&windows::Sheet().Coord));
  ASSERT_NE(coord, nullptr);
  QTest::mouseMove(area, QPoint(100, 100));
  QApplication::processEvents();
  for (const QPoint p : {QPoint(160, 130), QPoint(100, 100)}) {
    const uint64_t before = w->WidgetUpdates();
    QTest::mouseMove(area, p);
    QApplication::processEvents();
    EXPECT_EQ(w->WidgetUpdates() - before, 1u);
    EXPECT_EQ(coord->text().toStdString(), windows::Sheet().Coord.Text);
  }
}

}  // namespace
