// Editing in the real window, as a user does it: a plate built through its dialog,
// placed by a click, moved by the pointer, turned by a typed angle, the turn undone, and
// the results panel read.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "ui/qt/form_window.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

class EditingWindowTest : public qt_testing::StartedWindowTest {
 protected:
  QWidget* Widget(const ui::Control& c) { return window()->WidgetOf(&c); }
  void Toolbar(const char* key) { PressToolbarButton(key); }
  void MoveTo(QPoint p) {
    QTest::mouseMove(Widget(Sheet().Base), p);
    QApplication::processEvents();
  }
  void ClickAt(QPoint p) {
    MoveTo(p);
    QTest::mouseClick(Widget(Sheet().Base), Qt::LeftButton, Qt::NoModifier, p);
    QApplication::processEvents();
  }
  // Where the placing or the move puts a pointer position: the nearest grid point while
  // grid snap is on, else the nearest millimetre.
  int32_t Ghost(float v) {
    const int32_t step = G.SnapGrid == 1 ? G.GridSpacing : 1;
    return step * static_cast<int32_t>(std::nearbyint(static_cast<double>(v) / step));
  }
  // The last shown digit of a value label in millimetres.
  double IxStep() { return std::pow(10.0, G.SIIxTol - G.SIPrec); }
  double AreaStep() { return std::pow(10.0, G.SIATol - G.SIPrec); }
  float UserX(QPoint p) { return Sheet().Base.FromPixelX(p.x() - 2); }
  float UserY(QPoint p) { return Sheet().Base.FromPixelY(p.y() - 2); }
};

template <typename FormT>
FormT& ActiveForm() {
  auto* w = dynamic_cast<ui::qt::FormWindow*>(QApplication::activeModalWidget());
  if (w == nullptr) throw std::runtime_error("no modal form");
  return *static_cast<FormT*>(w->form());
}

TEST_F(EditingWindowTest, APlateIsBuiltPlacedMovedTurnedAndTheTurnUndone) {
  window()->activateWindow();
  QApplication::processEvents();
  G.OLapStatus = 1;
  // The plate window, then the plate dialog: 200 wide, 12 high.
  QTimer::singleShot(0, [&] {
    dialogs::PlateBarForm& bar = ActiveForm<dialogs::PlateBarForm>();
    QTimer::singleShot(0, [&] {
      dialogs::PlateOptionsForm& dlg = ActiveForm<dialogs::PlateOptionsForm>();
      ui::qt::FormWindow* w = qt.platform.WindowOf(dlg);
      for (auto [box, text] : {std::pair{&dlg.Text2, "200"}, std::pair{&dlg.Text3, "12"}}) {
        auto* edit = qobject_cast<QLineEdit*>(w->WidgetOf(box));
        edit->selectAll();
        QTest::keyClicks(edit, text);
      }
      QTest::mouseClick(w->WidgetOf(&dlg.Command1), Qt::LeftButton);
    });
    QTest::mouseClick(qt.platform.WindowOf(bar)->WidgetOf(&bar.PlateCmd), Qt::LeftButton);
  });
  Toolbar("Bar");
  window()->activateWindow();  // back to the main window once the dialogs have closed
  QApplication::processEvents();
  ASSERT_EQ(G.ElementCount, 1);
  ASSERT_EQ(G.PlaceMode, model::True);

  // Placed by a click: it follows the pointer and drops where it was shown.
  const QPoint drop = PixelOf(500, 400);
  MoveTo(PixelOf(300, 300));
  ClickAt(drop);
  ASSERT_EQ(G.PlaceMode, model::False);
  const int32_t x0 = Ghost(UserX(drop)), y0 = Ghost(UserY(drop));
  EXPECT_EQ(G.Elements[1].PosX, x0);
  EXPECT_EQ(G.Elements[1].PosY, y0);
  EXPECT_EQ(window()->windowTitle(), "Quorvane -  (Modified)");

  // Selected by a click inside it, then moved by the pointer: base, drag, target.
  ClickAt(PixelOf(x0 + 100, y0 + 6));
  ASSERT_EQ(G.Elements[1].Selected, model::True);
  Toolbar("Move");
  ASSERT_EQ(G.MoveMode, model::True);
  const QPoint base = PixelOf(x0, y0), target = PixelOf(x0 + 150, y0 + 100);
  QWidget* area = Widget(Sheet().Base);
  QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, base);
  for (int k = 1; k <= 10; ++k) QTest::mouseMove(area, base + (target - base) * k / 10);
  QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, target);
  QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, target);
  QApplication::processEvents();
  ASSERT_EQ(G.MoveMode, model::False);
  // The offset runs from the raw base point to the ghost of the target.
  const double dx = Ghost(UserX(target)) - static_cast<double>(UserX(base));
  const double dy = Ghost(UserY(target)) - static_cast<double>(UserY(base));
  const int32_t moved_x = static_cast<int32_t>(std::nearbyint(x0 + dx));
  const int32_t moved_y = static_cast<int32_t>(std::nearbyint(y0 + dy));
  EXPECT_EQ(G.Elements[1].PosX, moved_x);
  EXPECT_EQ(G.Elements[1].PosY, moved_y);

  // Turned by 90 degrees typed into the entry box, about its own insertion point.
  ClickAt(PixelOf(moved_x + 100, moved_y + 6));
  Toolbar("Rotate");
  ClickAt(PixelOf(moved_x, moved_y));
  auto* entry = qobject_cast<QLineEdit*>(Widget(Sheet().TextEntry));
  ASSERT_TRUE(entry->hasFocus());
  QTest::keyClicks(entry, "90");
  QTest::keyClick(entry, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(G.RotateMode, model::False);
  EXPECT_NEAR(G.Elements[1].Angle, 1.5707963, 1e-6);
  // Standing up, the plate's Ix is 12 x 200^3 / 12. The panel shows it to its power of
  // ten and decimals.
  EXPECT_NEAR(G.SecIx, 8.0e6, 1);
  EXPECT_NEAR(ShownNumber(Sheet().Ix), 8.0e6, IxStep() / 2);
  EXPECT_NEAR(ShownNumber(Sheet().Area), 2400, AreaStep() / 2);

  // Undo takes the turn back: 200 x 12^3 / 12 = 28800.
  Toolbar("Undo");
  EXPECT_EQ(G.Elements[1].Angle, 0);
  EXPECT_EQ(G.Elements[1].PosX, moved_x);
  EXPECT_NEAR(G.SecIx, 28800, 0.01);
  EXPECT_NEAR(ShownNumber(Sheet().Area), 2400, AreaStep() / 2);
  EXPECT_NEAR(ShownNumber(Sheet().Ix), 28800, IxStep() / 2);
  G.Modified = model::False;  // closing asks nothing: the section is not to be kept
}

// Mirror previewed about a vertical axis, then Ctrl+A and Esc in the drawing area, as a
// user who changes their mind does: every element is back as it was, none with a mirror
// sign the Mirror never took from it.
TEST_F(EditingWindowTest, SelectAllDuringAMirrorThenEscLeavesEveryElementAsItWas) {
  window()->activateWindow();
  G.Elements[1] = model::testing::Plate(100, 50, 200, 200);
  G.Elements[2] = model::testing::Plate(100, 50, 600, 600);
  G.ElementCount = 2;
  view::RedrawDrawing();
  ClickAt(PixelOf(250, 225));
  ASSERT_EQ(G.Elements[1].Selected, model::True);
  Toolbar("Mirror");
  ClickAt(PixelOf(400, 100));
  MoveTo(PixelOf(410, 400));  // well above the first point: the vertical axis
  ASSERT_EQ(G.Elements[1].MirrorSign, -1);
  QWidget* base = Widget(Sheet().Base);
  QTest::keyClick(base, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(base, Qt::Key_Escape);
  QApplication::processEvents();
  for (int i = 1; i <= 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(G.Elements[i].MirrorSign, 1);
    EXPECT_EQ(G.Elements[i].Angle, 0);
    EXPECT_EQ(G.Elements[i].Selected, model::False);
  }
  EXPECT_EQ(G.Elements[1].PosX, 200);
  EXPECT_EQ(G.Elements[2].PosX, 600);
  EXPECT_EQ(G.Modified, model::False);
}

// The Mirror's second prompt is longer than the status box: the box shows how the
// sentence begins, where it says what to do, not its last words.
TEST_F(EditingWindowTest, ALongPromptShowsItsBeginningInTheStatusBox) {
  window()->activateWindow();
  G.Elements[1] = model::testing::Plate(100, 50, 200, 200);
  G.ElementCount = 1;
  view::RedrawDrawing();
  ClickAt(PixelOf(250, 225));
  ASSERT_EQ(G.Elements[1].Selected, model::True);
  Toolbar("Mirror");
  ClickAt(PixelOf(400, 100));
  auto* box = qobject_cast<QLineEdit*>(Widget(Sheet().CurrentObject));
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(box->text().startsWith("Now move cursor")) << box->text().toStdString();
  ASSERT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width());  // it cannot show whole
  EXPECT_EQ(box->cursorPosition(), 0);
  QTest::keyClick(Widget(Sheet().Base), Qt::Key_Escape);
  QApplication::processEvents();
}

}  // namespace
