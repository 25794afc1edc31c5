// What a user does while the program waits on a window of its own, in the real window: a
// resize behind the e0 message of the channel warping case, a resize behind the section
// options of a shape insertion that is then cancelled, and a text export right after a
// document was saved.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/list_form.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "test_files.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using model::G;
using model::testing::Plate;
using windows::Sheet;

class InterruptionsWindowTest : public qt_testing::StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    G.UnitStatus = model::True;
    G.SIATol = 0;
    G.SIPrec = 0;
    window()->activateWindow();
    QApplication::processEvents();
  }
  void TearDown() override {
    answer.stop();
    StartedWindowTest::TearDown();
  }

  // Answers each modal window that comes up with `respond`, on its own turn of the event
  // loop: a window the answer opens runs a nested loop, and the polling timer must stay
  // free to answer that one too.
  void StartAnswering(std::function<void(QWidget*)> respond) {
    QObject::connect(&answer, &QTimer::timeout, [this, respond] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == answered) return;
      answered = modal;
      QPointer<QWidget> target = modal;
      QTimer::singleShot(0, [respond, target] {
        if (target) respond(target);
      });
    });
    answer.start(20);
  }

  // The user drags the main window larger by (dw, dh) pixels.
  void Widen(int dw, int dh) {
    window()->resize(window()->width() + dw, window()->height() + dh);
    QApplication::processEvents();
  }

  // Every message box open at this moment.
  static int OpenMessageBoxes() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<QMessageBox*>(w) && w->isVisible();
    return n;
  }

  void ClickOk(QMessageBox* box) { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); }

  // The pixel the drawing area shows at a drawing position.
  int32_t PixelAt(double x, double y) {
    const ui::PictureBox& base = Sheet().Base;
    return base.PixelAt(static_cast<int>(std::floor(base.ToPixelX(x) + 0.5)),
                        static_cast<int>(std::floor(base.ToPixelY(y) + 0.5)));
  }

  void Toolbar(const char* key) { PressToolbarButton(key); }

  QTimer answer;
  QPointer<QWidget> answered;
};

// Principal axes, the channel case complete: every recalculation shows e0. A resize while
// the box is open waits for it; the section is never left turned.
TEST_F(InterruptionsWindowTest, AResizeBehindTheE0MessageLeavesTheElementsAsDrawn) {
  G.RotAxis = model::False;
  G.Elements[1] = Plate(200, 100, 300, 300, 0.2);
  G.Elements[2] = Plate(200, 100, 600, 300, 0);
  G.ElementCount = 2;
  // Flange 300 x 20, web 500 x 10: A = 17000, xbar = 102.35, Ix = 915766667, rx = 232.10,
  // e0 = (520 / 464.19)^2 x 102.35 = 128.4 mm.
  G.ManualCw = 4;
  G.WarpPickStep = 2;
  G.WarpPicks[1].Width = 300;
  G.WarpPicks[1].Depth = 20;
  G.WarpPicks[2].Width = 10;
  G.WarpPicks[2].Depth = 500;

  std::vector<std::string> messages;
  std::vector<int> openAtOnce;
  std::vector<double> firstAngles, secondAngles;
  StartAnswering([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    messages.push_back(box->text().toStdString());
    openAtOnce.push_back(OpenMessageBoxes());
    firstAngles.push_back(G.Elements[1].Angle);
    secondAngles.push_back(G.Elements[2].Angle);
    if (messages.size() == 1) Widen(40, 30);  // behind the first box
    ClickOk(box);
  });
  const QSize before = window()->size();
  Widen(80, 60);  // the resize redraws and recalculates: the first box
  for (int k = 0; k < 20 && messages.size() < 2; ++k) QTest::qWait(20);
  QTest::qWait(100);  // time for any further box to show

  // One box for the resize's recalculation, one for the redraw the second resize asked
  // for once the first had finished; never two at once.
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(openAtOnce, (std::vector<int>{1, 1}));
  for (const std::string& m : messages) EXPECT_NEAR(std::stod(m), 128.4, 0.05) << m;
  // While each box waited, and after, the angles are those drawn, exactly.
  EXPECT_EQ(firstAngles, (std::vector<double>{0.2, 0.2}));
  EXPECT_EQ(secondAngles, (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(G.Elements[1].Angle, 0.2);
  EXPECT_EQ(G.Elements[2].Angle, 0.0);
  EXPECT_EQ(G.Elements[1].PosX, 300);
  EXPECT_EQ(G.Elements[2].PosX, 600);
  // The window took both resizes, and the drawing area followed.
  EXPECT_EQ(window()->size(), before + QSize(120, 90));
  EXPECT_FLOAT_EQ(Sheet().Base.Width, Sheet().Width - 2700);
  EXPECT_FALSE(G.Recalculating);
  EXPECT_FALSE(G.RedrawRequested);
}

// A section of one plate, and in the next slot an element erased earlier (a 1000 x 1000
// plate). Shape, W, OK, a resize behind the section options, Cancel: the erased element is
// never counted or drawn.
TEST_F(InterruptionsWindowTest, AShapeInsertionCancelledAfterAResizeLeavesTheSectionAsItWas) {
  G.AppPath = QUORVANE_DATA_DIR;
  // Off the grid's points, so that no dot stands where an edge is probed.
  G.Elements[1] = Plate(200, 100, 310, 310);
  G.Elements[2] = Plate(1000, 1000, 150, 150);  // erased: above the count
  G.ElementCount = 1;
  view::RedrawDrawing();
  qt.platform.SyncAll();
  ASSERT_EQ(ShownText(Sheet().Area), " 20000");
  ASSERT_EQ(PixelAt(150, 450), model::White);  // on the erased element's left edge
  ASSERT_EQ(PixelAt(310, 310), model::Black);  // the plate's corner

  std::vector<std::string> shown;
  std::string areaWhileOpen;
  int32_t erasedPixelWhileOpen = -2;
  StartAnswering([&](QWidget* modal) {
    auto* w = dynamic_cast<ui::qt::FormWindow*>(modal);
    ASSERT_TRUE(w && w->form()) << "an unexpected window";
    const std::string name = w->form()->Name();
    shown.push_back(name);
    if (name == "ShapeBar") {
      QTest::mouseClick(w->WidgetOf(&static_cast<dialogs::ShapeBarForm*>(w->form())->WFCmd), Qt::LeftButton);
    } else if (name == "ListForm") {
      auto* list = static_cast<dialogs::ListFormForm*>(w->form());
      list->ShapeList.ListIndex = 0;
      qt.platform.SyncAll();
      QTest::mouseClick(w->WidgetOf(&list->Command1), Qt::LeftButton);
    } else if (name == "SectionOptions") {
      Widen(60, 40);  // behind the options window
      qt.platform.SyncAll();
      areaWhileOpen = ShownText(Sheet().Area);
      erasedPixelWhileOpen = PixelAt(150, 450);
      QTest::mouseClick(w->WidgetOf(&static_cast<dialogs::SectionOptionsForm*>(w->form())->Command2), Qt::LeftButton);
    }
  });
  Toolbar("Shape");
  for (int k = 0; k < 20 && shown.size() < 3; ++k) QTest::qWait(20);

  EXPECT_EQ(shown, (std::vector<std::string>{"ShapeBar", "ListForm", "SectionOptions"}));
  EXPECT_EQ(areaWhileOpen, " 20000");
  EXPECT_EQ(erasedPixelWhileOpen, model::White);
  EXPECT_EQ(G.ElementCount, 1);
  EXPECT_EQ(G.PlaceMode, model::False);
  EXPECT_FLOAT_EQ(G.SecArea, 20000);
  EXPECT_EQ(ShownText(Sheet().Area), " 20000");
  view::RedrawDrawing();  // whatever the next redraw shows, it is the one plate
  qt.platform.SyncAll();
  EXPECT_EQ(ShownText(Sheet().Area), " 20000");
  EXPECT_EQ(PixelAt(150, 450), model::White);
  EXPECT_EQ(PixelAt(310, 310), model::Black);
}

// Save as beam1.qvn, New, Export: the dialog proposes beam1.txt, and Enter writes the
// report beside the document, which stays as saved.
TEST_F(InterruptionsWindowTest, TheExportAfterASaveProposesTheReportBesideTheDocument) {
  G.Elements[1] = Plate(200, 100, 300, 300);
  G.ElementCount = 1;
  G.Modified = model::True;
  view::RedrawDrawing();
  const std::string document = Path("beam1.qvn");
  qt_testing::AnswerFileDialog(document);
  QAction* saveAs = MenuAction("Save As...");
  ASSERT_NE(saveAs, nullptr);
  saveAs->trigger();
  QApplication::processEvents();
  const std::string saved = testing_files::ReadFileText(document);
  ASSERT_FALSE(saved.empty());

  QAction* newItem = MenuAction("New");
  ASSERT_NE(newItem, nullptr);
  newItem->trigger();
  QApplication::processEvents();
  ASSERT_EQ(G.ElementCount, 0);

  QString proposed;
  std::vector<std::string> questions;
  StartAnswering([&](QWidget* modal) {
    if (auto* box = qobject_cast<QFileDialog*>(modal)) {
      proposed = box->selectedFiles().value(0);
      QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);  // Enter on what it proposes
    } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
      questions.push_back(question->text().toStdString());
      question->button(QMessageBox::Yes) ? QTest::mouseClick(question->button(QMessageBox::Yes), Qt::LeftButton)
                                         : ClickOk(question);
    }
  });
  QAction* exportItem = MenuAction("Export to Text File...");
  ASSERT_NE(exportItem, nullptr);
  exportItem->trigger();
  QApplication::processEvents();

  EXPECT_EQ(proposed.toStdString(), Path("beam1.txt"));
  EXPECT_TRUE(questions.empty());  // nothing to replace
  EXPECT_EQ(testing_files::ReadFileText(document), saved);
  const std::string report = testing_files::ReadFileText(Path("beam1.txt"));
  EXPECT_EQ(report.rfind("Section properties calculated by Quorvane (TM).\r\n", 0), 0u);
}

}  // namespace
