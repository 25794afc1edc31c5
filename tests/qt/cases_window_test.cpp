// The rectangular closed-box torsion case in the real window: chosen from the Tools menu,
// its two plates clicked in the drawing area, its J read on the results panel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "model/globals.h"
#include "started_window.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

model::ElementRecord Plate(float w, float d, int32_t x, int32_t y) {
  model::ElementRecord e;
  e.ShapeType = 50;
  e.Width = e.WebThickness = w;
  e.Depth = e.FlangeThickness = d;
  e.ElemJ = 1.5e6f;
  e.PosX = x;
  e.PosY = y;
  e.MirrorSign = 1;
  return e;
}

class CasesWindowTest : public qt_testing::StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    // Millimetres about the global axes; J in units of 10^6 with two decimals.
    G.UnitStatus = model::True;
    G.RotAxis = model::True;
    G.SIJTol = 6;
    G.SIPrec = 2;
    G.Elements[1] = Plate(200, 10, 100, 100);  // t1: 10 thick, 200 long
    G.Elements[2] = Plate(12, 300, 400, 100);  // t2: 12 thick, 300 long
    G.ElementCount = 2;
    view::RedrawDrawing();
    qt.platform.SyncAll();
  }
  void TearDown() override {
    answer.stop();
    StartedWindowTest::TearDown();
  }

  // Answers whatever modal window comes up, as a user would: the chooser's rectangle
  // picture, Continue in the first prompt, Enter in the second, OK in every message.
  // The answer runs on its own turn of the event loop: a window it opens runs a nested
  // loop, and the polling timer must stay free to answer that one too.
  void StartAnswering() {
    QObject::connect(&answer, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == answered) return;
      answered = modal;
      QPointer<QWidget> target = modal;
      QTimer::singleShot(0, [this, target] {
        if (target) Answer(target);
      });
    });
    answer.start(20);
  }

  void Answer(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.push_back(box->text().toStdString());
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      return;
    }
    auto* w = dynamic_cast<ui::qt::FormWindow*>(modal);
    if (!w || !w->form()) return;
    const std::string name = w->form()->Name();
    shown.push_back(name);
    if (name == "frmSetTorsion")
      QTest::mouseClick(w->WidgetOf(w->form()->Find("pctRectangle")), Qt::LeftButton);
    else if (name == "frmPlate1")
      QTest::mouseClick(w->WidgetOf(w->form()->Find("cmdContinue")), Qt::LeftButton);
    else if (name == "frmPlate2")
      PressEnter(w);
  }

  // Enter on the control of the window that has the focus.
  static void PressEnter(QWidget* w) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    ASSERT_EQ(focus->window(), w);
    QTest::keyClick(focus, Qt::Key_Return);
  }

  // A click at the middle of element k, on the drawing area's widget (inside its frame).
  void ClickOn(int k) {
    const model::ElementRecord& e = G.Elements[k];
    ui::PictureBox& base = Sheet().Base;
    QTest::mouseClick(window()->WidgetOf(&base), Qt::LeftButton, Qt::NoModifier,
                      PixelOf(e.PosX + e.Width / 2.0, e.PosY + e.Depth / 2.0));
  }

  QTimer answer;
  QPointer<QWidget> answered;
  std::vector<std::string> shown, messages;
};

TEST_F(CasesWindowTest, TheRectangularBoxFromTheToolsMenuShowsItsJOnThePanel) {
  QAction* torsional = MenuItem("Tools", "Set Torsional Constant (J)...");
  ASSERT_NE(torsional, nullptr);
  auto* j = qobject_cast<QLabel*>(window()->WidgetOf(&Sheet().J));
  ASSERT_NE(j, nullptr);
  EXPECT_EQ(j->text().toStdString(), " 3E6");  // the sum of the plates' own 1.5E6 each

  StartAnswering();
  torsional->trigger();
  QApplication::processEvents();
  ClickOn(1);
  QApplication::processEvents();
  ClickOn(2);
  QApplication::processEvents();

  EXPECT_EQ(shown, (std::vector<std::string>{"frmSetTorsion", "frmPlate1", "frmPlate2"}));
  EXPECT_EQ(messages, std::vector<std::string>{"Torsional Constant Has Been Modified"});
  // 2 x 212^2 x 290^2 / (290 / 12 + 212 / 10) = 166633114 mm^4: 166.63 x 10^6.
  EXPECT_EQ(j->text().toStdString(), " 166.63E6");
  EXPECT_EQ(torsional->text().toStdString(), "Reset Torsional Constant to Default");
  EXPECT_EQ(window()->windowTitle().toStdString(), "Quorvane -  (Modified)");
}

// Esc in the drawing area between the two plates ends no case: the second plate still
// finishes it.
TEST_F(CasesWindowTest, EscBetweenThePlatesKeepsTheCaseWaiting) {
  QAction* torsional = MenuItem("Tools", "Set Torsional Constant (J)...");
  ASSERT_NE(torsional, nullptr);
  StartAnswering();
  torsional->trigger();
  QApplication::processEvents();
  ClickOn(1);
  QApplication::processEvents();
  QWidget* base = window()->WidgetOf(&Sheet().Base);
  base->setFocus();
  QTest::keyClick(base, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(G.ManualJ, 1);
  EXPECT_TRUE(messages.empty());
  ClickOn(2);
  QApplication::processEvents();

  EXPECT_EQ(shown, (std::vector<std::string>{"frmSetTorsion", "frmPlate1", "frmPlate2"}));
  EXPECT_EQ(messages, std::vector<std::string>{"Torsional Constant Has Been Modified"});
  EXPECT_EQ(qt_testing::ShownText(window(), Sheet().J), " 166.63E6");  // as without the Esc
  EXPECT_EQ(torsional->text().toStdString(), "Reset Torsional Constant to Default");
}

}  // namespace
