// A held key is one key stroke: its release acts once, when the key comes up, however the
// window system's repeats arrive; text boxes still type every repeat.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "editor/undo.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "ui/form.h"
#include "ui/qt/form_window.h"
#include "ui/qt/key_presses.h"
#include "ui/qt/qt_platform.h"
#include "view/redraw.h"
#include "window_system_keys.h"
#include "windows/sheet.h"

namespace {

using model::G;
using qt_testing::KeyA;
using qt_testing::KeyBackspace;
using qt_testing::KeyReturn;
using qt_testing::KeyV;
using qt_testing::KeyZ;
using qt_testing::PhysicalKey;
using qt_testing::WindowSystemKeys;
using windows::Sheet;

// The release's wait, long enough that a loaded test machine never runs it out by accident
// between two events that a test queues one after the other.
constexpr int Wait = 250;

// How the repeats of a held key reach the program.
enum class Arrival {
  Together,     // each press queued right behind its release
  Late,         // each press a few milliseconds after its release, events handled between
  AfterTheWait  // each press only after the release's wait has run out (a busy machine)
};

// One key pressed at `start` and held: `pairs` repeats 40 ms apart follow, each a release
// and a press with the same time stamp, unmarked, or marked as Qt marks the pairs it sees
// whole where `marked` says so. Returns the time at which the key comes up.
ulong HoldDown(WindowSystemKeys& keys, const PhysicalKey& k, Qt::KeyboardModifiers mods, ulong start, int pairs,
               Arrival arrival, const std::vector<bool>& marked = {}) {
  keys.Press(k, mods, start);
  WindowSystemKeys::Run();
  for (int i = 0; i < pairs; ++i) {
    const ulong t = start + 500 + 40 * static_cast<ulong>(i);
    const bool mark = static_cast<size_t>(i) < marked.size() && marked[static_cast<size_t>(i)];
    keys.Release(k, mods, t, mark);
    if (arrival == Arrival::Late) WindowSystemKeys::Run(5);
    if (arrival == Arrival::AfterTheWait) WindowSystemKeys::Run(Wait + 30);
    keys.Press(k, mods, t, mark);
    WindowSystemKeys::Run(arrival == Arrival::AfterTheWait ? 0 : 10);
  }
  return start + 500 + 40 * static_cast<ulong>(pairs) + 17;
}

// The whole stroke: held, then let go, and the release's wait run out.
void Hold(WindowSystemKeys& keys, const PhysicalKey& k, Qt::KeyboardModifiers mods, ulong start, int pairs,
          Arrival arrival, const std::vector<bool>& marked = {}) {
  keys.Release(k, mods, HoldDown(keys, k, mods, start, pairs, arrival, marked));
  WindowSystemKeys::Run(Wait + 30);
}

// A window whose text box acts on the release of its keys, as the typed-entry box does.
struct EntryForm : ui::Form {
  EntryForm() : ui::Form("EntryForm") {
    Caption = "Entry";
    SetClientSize(4000, 1500);
    Entry.Move(120, 120, 3000, 300);
    Entry.KeyUp = [this](int16_t& code, int16_t) {
      if (code == 13) ++enters;
    };
  }
  ui::TextBox Entry{*this, "Entry"};
  int enters = 0;
};

class HeldKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qt.platform.Presses().SetRepeatWait(Wait);
    ui::ShowModeless(form);
    keys = WindowSystemKeys(qt.platform.WindowOf(form));
    form.Entry.SetFocus();
    QApplication::processEvents();
    qt.platform.SyncAll();
    ASSERT_EQ(QApplication::focusWidget(), qt.platform.WindowOf(form)->WidgetOf(&form.Entry));
  }
  void TearDown() override {
    form.Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QLineEdit* edit() { return static_cast<QLineEdit*>(qt.platform.WindowOf(form)->WidgetOf(&form.Entry)); }

  ui::qt::ScopedQtPlatform qt;
  EntryForm form;
  WindowSystemKeys keys;
};

TEST_F(HeldKeysTest, AHeldKeyActsOnceWhenItComesUpHoweverItsRepeatsArrive) {
  struct Case {
    const char* what;
    Arrival arrival;
    std::vector<bool> marked;
    bool actsOnlyAtTheEnd;  // nothing before the key comes up
  };
  const Case cases[] = {
      {"pairs queued whole", Arrival::Together, {}, true},
      {"pairs split by a few milliseconds", Arrival::Late, {}, true},
      {"some pairs marked as repeats, some not", Arrival::Late, {true, false, true, true, false, false}, true},
      // On a machine too busy to see the press within the wait, the first release acts
      // early, and the rest of the hold is still one stroke.
      {"every press after the wait", Arrival::AfterTheWait, {}, false},
  };
  ulong time = 1000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.enters = 0;
    const ulong up = HoldDown(keys, KeyReturn, Qt::NoModifier, time, 6, c.arrival, c.marked);
    if (c.actsOnlyAtTheEnd) {
      EXPECT_EQ(form.enters, 0);
    }
    keys.Release(KeyReturn, Qt::NoModifier, up);
    WindowSystemKeys::Run(Wait + 30);
    EXPECT_EQ(form.enters, 1);
    time += 10000;
  }
}

TEST_F(HeldKeysTest, TwoStrokesActTwiceAndEachReleaseActsInItsTurn) {
  // Two presses of the same key 60 ms apart, the second before the first release's wait
  // would have run out: each release acts once, the first before the second press.
  std::vector<std::string> seen;
  form.Entry.KeyDown = [&](int16_t& code, int16_t) {
    if (code == 13) seen.push_back("down");
  };
  form.Entry.KeyUp = [&](int16_t& code, int16_t) {
    if (code == 13) seen.push_back("up");
  };
  keys.Press(KeyReturn, Qt::NoModifier, 1000);
  keys.Release(KeyReturn, Qt::NoModifier, 1080);
  keys.Press(KeyReturn, Qt::NoModifier, 1140);
  keys.Release(KeyReturn, Qt::NoModifier, 1210);
  WindowSystemKeys::Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"down", "up", "down"}));
  WindowSystemKeys::Run(Wait + 30);
  EXPECT_EQ(seen, (std::vector<std::string>{"down", "up", "down", "up"}));
}

TEST_F(HeldKeysTest, ATextBoxTypesEveryRepeat) {
  for (Arrival arrival : {Arrival::Together, Arrival::Late}) {
    form.Entry.Text = "";
    qt.platform.SyncAll();
    Hold(keys, KeyA, Qt::NoModifier, 1000, 4, arrival);
    EXPECT_EQ(edit()->text().toStdString(), "aaaaa");
    Hold(keys, KeyBackspace, Qt::NoModifier, 5000, 2, arrival);
    EXPECT_EQ(edit()->text().toStdString(), "aa");
  }
}

// The real main window, as the reviewer used it: a plate clicked and copied, then Ctrl+V
// held, and Ctrl+Z held.
class HeldShortcutsTest : public qt_testing::StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    qt.platform.Presses().SetRepeatWait(Wait);
    keys = WindowSystemKeys(window());
    G.Elements[1] = model::testing::Plate(100, 10, 300, 400);
    G.ElementCount = 1;
    editor::ResetUndoHistory();
    view::RedrawDrawing();
    Sheet().Base.SetFocus();
    window()->activateWindow();
    QApplication::processEvents();
    QTest::mouseClick(window()->WidgetOf(&Sheet().Base), Qt::LeftButton, Qt::NoModifier, PixelOf(350, 405));
    ASSERT_EQ(G.Elements[1].Selected, model::True);
    keys.Press(qt_testing::PhysicalKey{Qt::Key_C, 54, "c"}, Qt::ControlModifier, 100);
    keys.Release(qt_testing::PhysicalKey{Qt::Key_C, 54, "c"}, Qt::ControlModifier, 180);
    WindowSystemKeys::Run(Wait + 30);
    qt.platform.SyncAll();
    ASSERT_TRUE(Sheet().tbToolBar.Button(12).Enabled);
  }
  WindowSystemKeys keys;
};

TEST_F(HeldShortcutsTest, CtrlVHeldFourTimesPastesFourCopiesAndCtrlZHeldUndoesOneStepAHold) {
  ulong time = 1000;
  const Arrival arrivals[] = {Arrival::Together, Arrival::Late, Arrival::Late, Arrival::AfterTheWait};
  for (Arrival arrival : arrivals) {
    Hold(keys, KeyV, Qt::ControlModifier, time, 8, arrival);
    time += 10000;
  }
  ASSERT_EQ(G.ElementCount, 5);
  // Every copy lands 10 mm from the copied plate.
  for (int i = 2; i <= 5; ++i) {
    EXPECT_EQ(G.Elements[i].PosX, 310) << i;
    EXPECT_EQ(G.Elements[i].PosY, 410) << i;
  }
  EXPECT_FLOAT_EQ(G.SecArea, 5 * 100 * 10);
  for (Arrival arrival : {Arrival::Together, Arrival::Late}) {
    const int before = G.ElementCount;
    Hold(keys, KeyZ, Qt::ControlModifier, time, 8, arrival);
    EXPECT_EQ(G.ElementCount, before - 1);
    time += 10000;
  }
}

TEST_F(HeldShortcutsTest, AMenuShortcutHeldElsewhereRunsOnce) {
  // With the focus in the locked typed-entry box, Ctrl+V is the Edit menu's shortcut.
  Sheet().TextEntry.SetFocus();
  QApplication::processEvents();
  ASSERT_TRUE(Sheet().TextEntry.Locked);
  ASSERT_EQ(QApplication::focusWidget(), window()->WidgetOf(&Sheet().TextEntry));
  Hold(keys, KeyV, Qt::ControlModifier, 1000, 8, Arrival::Late, {true, false, true, false});
  EXPECT_EQ(G.ElementCount, 2);
}

}  // namespace
