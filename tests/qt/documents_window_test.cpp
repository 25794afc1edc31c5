// Documents in the real window: a section saved through the file dialog, thrown away by
// New after the discard question, and opened again through the file dialog shows the
// same results; the project information typed into its dialog travels with the file.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/query_form.h"
#include "app/small_dialogs.h"
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

class DocumentsWindowTest : public qt_testing::StartedWindowTest {
 protected:
  // What the results panel shows, row by row.
  std::vector<std::string> Shown() {
    qt.platform.SyncAll();
    std::vector<std::string> rows;
    for (const windows::ResultRow& r : Sheet().ResultRows())
      rows.push_back(r.Caption->Caption + r.Value->Caption + r.Unit->Caption + (r.Value->Visible ? "" : " hidden"));
    return rows;
  }
};

TEST_F(DocumentsWindowTest, SaveNewAndOpenAgainShowTheSameResults) {
  // A tee: a 300 x 20 flange on a 20 x 280 web, 11600 mm2.
  G.Elements[1] = model::testing::Plate(300, 20, 300, 480);
  G.Elements[2] = model::testing::Plate(20, 280, 440, 200);
  G.ElementCount = 2;
  G.Modified = model::True;
  view::RedrawDrawing();

  // The project information, typed into its real dialog and confirmed with Enter.
  QTimer::singleShot(0, [] {
    auto* w = dynamic_cast<ui::qt::FormWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    auto& info = static_cast<app::ProjInfoForm&>(*w->form());
    auto* name = qobject_cast<QLineEdit*>(w->WidgetOf(&info.txtProjName));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(w->focusWidget(), name);
    QTest::keyClicks(name, "Crane runway, bay 3");
    QTest::keyClick(name, Qt::Key_Return);
  });
  MenuAction("Set Project Information...")->trigger();
  ASSERT_EQ(G.ProjectName, "Crane runway, bay 3");

  const std::vector<std::string> before = Shown();
  ASSERT_EQ(before[0].substr(0, 8), "A: 11600");

  // Save on an untitled document: the save dialog, on the document filter; ".qvn" added.
  QString filter;
  qt_testing::AnswerFileDialog(Path("tee"), &filter);
  MenuAction("Save")->trigger();
  EXPECT_EQ(filter, "Quorvane Files (*.qvn)");
  const std::string file = Path("tee.qvn");
  ASSERT_TRUE(std::filesystem::exists(file));
  {
    // Its numbers in decimal notation: the flange's Ix 300 x 20^3 / 12 and Iy 20 x 300^3 / 12.
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[26], "200000");
    EXPECT_EQ(lines[30], "45000000");
  }
  qt.platform.SyncAll();
  EXPECT_EQ(window()->windowTitle().toStdString(), "Quorvane - " + file + " (Unmodified)");

  // A change, then New: the question opens with Yes focused, and Enter discards.
  G.Elements[1].PosX = 0;
  G.Modified = model::True;
  std::string question;
  QTimer::singleShot(0, [&question] {
    auto* w = dynamic_cast<ui::qt::FormWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    auto& q = static_cast<app::QueryForm&>(*w->form());
    question = q.Label1.Caption;
    QWidget* yes = w->WidgetOf(&q.Command1);
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), yes);
    QTest::keyClick(yes, Qt::Key_Return);
  });
  MenuAction("New")->trigger();
  EXPECT_EQ(question, "Discard Changes to Current File?");
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(G.ProjectName, "");
  qt.platform.SyncAll();
  EXPECT_EQ(window()->windowTitle(), "Quorvane - (Unmodified)");

  // Open through the dialog: the section as saved, the same results.
  qt_testing::AnswerFileDialog(file, &filter);
  MenuAction("Open...")->trigger();
  EXPECT_EQ(filter, "Quorvane Files (*.qvn)");
  EXPECT_EQ(G.ElementCount, 2);
  EXPECT_EQ(G.Elements[1].PosX, 300);
  EXPECT_EQ(G.ProjectName, "Crane runway, bay 3");
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(window()->windowTitle().toStdString(), "Quorvane - " + file + " (Unmodified)");
}

TEST_F(DocumentsWindowTest, TheNoticeOpensBesideTheMainWindowAndRemembersItsBox) {
  G.SplashRead = 1;
  app::ShowSplash();
  app::SplashForm* splash = app::SplashWindow();
  ASSERT_NE(splash, nullptr);
  ui::qt::FormWindow* w = qt.platform.WindowOf(*splash);
  ASSERT_NE(w, nullptr);
  QApplication::processEvents();
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(w->isModal());  // the main window stays usable
  EXPECT_EQ(w->windowTitle(), "Quorvane ");
  auto* box = w->WidgetOf(&splash->chkRead);
  ASSERT_NE(box, nullptr);
  QTest::mouseClick(box, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(splash->chkRead.Value, 0);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FALSE(splash->IsLoaded());
  EXPECT_EQ(G.SplashRead, 0);
  app::CloseSplash();
}

}  // namespace
