// The windows that insert an element, in the real window: once they have closed, the
// keys a user types at once reach the typed-entry box, and their number boxes read the
// user's number format.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/bar_options.h"
#include "dialogs/list_form.h"
#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "model/globals.h"
#include "started_window.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

class ElementWindows : public qt_testing::StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    G.UnitStatus = model::True;
    G.AppPath = QUORVANE_DATA_DIR;
    window()->activateWindow();
    QApplication::processEvents();
  }

  // The form of the modal window that is open now, and its window.
  template <typename FormT>
  FormT& Modal() {
    auto* w = dynamic_cast<ui::qt::FormWindow*>(QApplication::activeModalWidget());
    if (w == nullptr) throw std::runtime_error("no modal window");
    return *static_cast<FormT*>(w->form());
  }
  QWidget* WidgetIn(const ui::Form& form, const ui::Control& c) { return qt.platform.WindowOf(form)->WidgetOf(&c); }
  void Press(const ui::Form& form, const ui::CommandButton& button) {
    QTest::mouseClick(WidgetIn(form, button), Qt::LeftButton);
  }
  void TypeInto(const ui::Form& form, const ui::TextBox& box, const char* text) {
    auto* edit = qobject_cast<QLineEdit*>(WidgetIn(form, box));
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  // The toolbar button `key` pressed while `inDialogs` runs in the windows it opens, one
  // window after the other as each opens.
  void Toolbar(const char* key, std::vector<std::function<void()>> inDialogs) {
    auto steps = std::make_shared<std::vector<std::function<void()>>>(std::move(inDialogs));
    auto next = std::make_shared<std::function<void(size_t)>>();
    // The step queues the next one; it holds itself only weakly, or it would never go.
    *next = [steps, self = std::weak_ptr(next)](size_t i) {
      if (i >= steps->size()) return;
      QTimer::singleShot(0, [steps, next = self.lock(), i] {
        (*next)(i + 1);  // queued before this window's button opens the next one
        (*steps)[i]();
      });
    };
    (*next)(0);
    PressToolbarButton(key);
  }
  // Insert Plate or Bar, plate, 300 by 20; the plate dialog confirmed by `confirm`.
  void InsertPlate(const std::function<void(dialogs::PlateOptionsForm&)>& confirm) {
    Toolbar("Bar", {[&] { Press(Modal<dialogs::PlateBarForm>(), Modal<dialogs::PlateBarForm>().PlateCmd); },
                    [&] {
                      auto& d = Modal<dialogs::PlateOptionsForm>();
                      TypeInto(d, d.Text2, "300");
                      TypeInto(d, d.Text3, "20");
                      confirm(d);
                    }});
  }
  // Insert Steel Shape, W, the list's first designation; its section options confirmed
  // by `confirm`.
  void InsertFirstWShape(const std::function<void(dialogs::SectionOptionsForm&)>& confirm) {
    Toolbar("Shape", {[&] { Press(Modal<dialogs::ShapeBarForm>(), Modal<dialogs::ShapeBarForm>().WFCmd); },
                      [&] {
                        auto& list = Modal<dialogs::ListFormForm>();
                        auto* items = qobject_cast<QListWidget*>(WidgetIn(list, list.ShapeList));
                        items->setCurrentRow(0);
                        Press(list, list.Command1);
                      },
                      [&] { confirm(Modal<dialogs::SectionOptionsForm>()); }});
  }
  // Enter pressed in the window of `form`, which it closes, and released as the window
  // system delivers it: on the window that holds the focus once the dialog has gone.
  void ConfirmWithEnter(const ui::Form& form) {
    QTest::keyPress(qt.platform.WindowOf(form)->windowHandle(), Qt::Key_Return);
    QTimer::singleShot(0, [this] { QTest::keyRelease(window()->windowHandle(), Qt::Key_Return); });
  }
  // What a user types next goes to the widget that has the keyboard focus.
  void TypeAtOnce(const char* text) {
    QApplication::processEvents();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, text);
    QTest::keyClick(focus, Qt::Key_Return);
    QApplication::processEvents();
  }
  QWidget* TextEntryWidget() { return window()->WidgetOf(&Sheet().TextEntry); }
  void ExpectPlacedAtTheTypedPoint() {
    ASSERT_EQ(G.ElementCount, 1);
    EXPECT_EQ(G.PlaceMode, model::False);
    EXPECT_EQ(G.Elements[1].PosX, 2);  // 2.5 to the even neighbour
    EXPECT_EQ(G.Elements[1].PosY, 307);
    G.Modified = model::False;
  }
};

TEST_F(ElementWindows, APlateGoesToThePointTypedRightAfterItsDialog) {
  InsertPlate([&](dialogs::PlateOptionsForm& d) { Press(d, d.Command1); });
  EXPECT_EQ(QApplication::focusWidget(), TextEntryWidget());
  TypeAtOnce("2.5,307");
  ExpectPlacedAtTheTypedPoint();
  EXPECT_EQ(G.Elements[1].Width, 300);
}

TEST_F(ElementWindows, APlateConfirmedWithEnterGoesToThePointTypedRightAfter) {
  InsertPlate([&](dialogs::PlateOptionsForm& d) { ConfirmWithEnter(d); });
  TypeAtOnce("2.5,307");
  ExpectPlacedAtTheTypedPoint();
  EXPECT_EQ(G.Elements[1].Depth, 20);
}

TEST_F(ElementWindows, ABarGoesToThePointTypedRightAfterItsDialog) {
  Toolbar("Bar", {[&] { Press(Modal<dialogs::PlateBarForm>(), Modal<dialogs::PlateBarForm>().BarCmd); },
                  [&] {
                    auto& d = Modal<dialogs::BarOptionsForm>();
                    TypeInto(d, d.Text1, "20");
                    Press(d, d.Command1);
                  }});
  TypeAtOnce("2.5,307");
  ExpectPlacedAtTheTypedPoint();
  EXPECT_EQ(G.Elements[1].ShapeType, 51);
}

TEST_F(ElementWindows, AShapeGoesToThePointTypedRightAfterTheListWindow) {
  InsertFirstWShape([&](dialogs::SectionOptionsForm& d) { Press(d, d.Command1); });
  TypeAtOnce("2.5,307");
  ExpectPlacedAtTheTypedPoint();
}

TEST_F(ElementWindows, AShapeConfirmedWithEnterGoesToThePointTypedRightAfter) {
  InsertFirstWShape([&](dialogs::SectionOptionsForm& d) { ConfirmWithEnter(d); });
  TypeAtOnce("2.5,307");
  ExpectPlacedAtTheTypedPoint();
}

TEST_F(ElementWindows, CancelInThePlateDialogAlsoLeavesTheFocusInTheEntryBox) {
  Toolbar("Bar", {[&] { Press(Modal<dialogs::PlateBarForm>(), Modal<dialogs::PlateBarForm>().PlateCmd); },
                  [&] {
                    auto& d = Modal<dialogs::PlateOptionsForm>();
                    Press(d, d.Command2);
                  }});
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), TextEntryWidget());
  EXPECT_EQ(QApplication::activeWindow(), window());
  EXPECT_EQ(G.ElementCount, 0);
}

// With a comma as the locale's decimal separator, the plate dialog reads "300,5" as
// 300.5 and "20.5" as 20.5; the designation keeps the point.
TEST_F(ElementWindows, ThePlateDialogReadsTheLocalesDecimalComma) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Toolbar("Bar", {[&] { Press(Modal<dialogs::PlateBarForm>(), Modal<dialogs::PlateBarForm>().PlateCmd); },
                  [&] {
                    auto& d = Modal<dialogs::PlateOptionsForm>();
                    TypeInto(d, d.Text2, "300,5");
                    TypeInto(d, d.Text3, "20.5");
                    Press(d, d.Command1);
                  }});
  QLocale::setDefault(before);
  ASSERT_EQ(G.ElementCount, 1);
  EXPECT_EQ(G.Elements[1].Width, 300.5f);
  EXPECT_EQ(G.Elements[1].Depth, 20.5f);
  EXPECT_EQ(G.Elements[1].NameSI.str(), "PL 300.5x 20.5           ");
  G.Modified = model::False;
}

}  // namespace
