// Printing and the text export in the real window: the menu command makes the preview, its
// Print button writes one page to a PDF file; the export writes the report through the
// file dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/preview_form.h"
#include "app/wiring.h"
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
using windows::Sheet;

using testing_files::ReadFileText;

size_t PdfPages(const std::string& bytes) {
  size_t pages = 0;
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  return pages;
}

class PrintExportWindowTest : public qt_testing::StartedWindowTest {
 protected:
  void SetUp() override {
    app::ResetPreview();
    StartedWindowTest::SetUp();
    // A tee: a 300 x 20 flange on a 20 x 280 web.
    model::ElementRecord flange = model::testing::Plate(300, 20, 300, 480);
    flange.NameSI = "PL 300x20";
    flange.NameImp = "PL 11.81x0.787";
    model::ElementRecord web = model::testing::Plate(20, 280, 440, 200);
    web.NameSI = "PL 20x280";
    web.NameImp = "PL 0.787x11.02";
    G.Elements[1] = flange;
    G.Elements[2] = web;
    G.ElementCount = 2;
    G.ProjectName = "Crane runway";
    view::RedrawDrawing();
    qt.platform.SyncAll();
  }
  void TearDown() override {
    app::ResetPreview();
    StartedWindowTest::TearDown();
  }
};

TEST_F(PrintExportWindowTest, PrintWritesTheSectionAsOnePagePdf) {
  const std::string pdf = Path("section.pdf");
  qt.platform.SetPrinterOutputFile(pdf);
  const float left = Sheet().Base.ScaleLeft, width = Sheet().Base.ScaleWidth, height = Sheet().Base.Height;

  QAction* print = MenuAction("Print...");
  ASSERT_NE(print, nullptr);
  print->trigger();
  app::PreviewForm& page = app::Preview();
  ASSERT_TRUE(page.IsLoaded());
  ui::qt::FormWindow* preview = qt.platform.WindowOf(page);
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->windowTitle(), "Print Preview");
  EXPECT_EQ(page.lblObject1.Caption, "PL 300x20");
  EXPECT_EQ(page.lblObject2.Caption, "PL 20x280");
  EXPECT_EQ(page.lblProjName.Caption, " Crane runway");
  // The main window's view is back as it was.
  EXPECT_EQ(Sheet().Base.ScaleLeft, left);
  EXPECT_EQ(Sheet().Base.ScaleWidth, width);
  EXPECT_EQ(Sheet().Base.Height, height);

  auto* button = qobject_cast<QPushButton*>(preview->WidgetOf(&page.cmdPrint));
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_FALSE(page.IsLoaded());

  const std::string bytes = ReadFileText(pdf);
  ASSERT_EQ(bytes.rfind("%PDF", 0), 0u) << pdf;
  EXPECT_EQ(PdfPages(bytes), 1u);
  // A calculation sheet at the printer's resolution, not a screen grab: the labels are
  // text in embedded fonts, and the one picture is the drawing, its 232 x 190 pixels (a
  // flat 3480 x 2850 twip box) at 1200 / 96 device pixels each.
  EXPECT_NE(bytes.find("/FontFile"), std::string::npos);
  size_t pictures = 0;
  for (size_t at = bytes.find("/Subtype /Image"); at != std::string::npos; at = bytes.find("/Subtype /Image", at + 1))
    ++pictures;
  EXPECT_EQ(pictures, 1u);
  EXPECT_NE(bytes.find("/Width 2900"), std::string::npos);
  EXPECT_NE(bytes.find("/Height 2375"), std::string::npos);
  // QUORVANE_KEEP_PRINT=/some/page.pdf keeps the page for a look (pdftoppm turns it into PNG).
  if (const char* keep = std::getenv("QUORVANE_KEEP_PRINT")) QFile::copy(QString::fromStdString(pdf), keep);
}

TEST_F(PrintExportWindowTest, TheToolbarButtonAndCtrlPOpenThePreviewToo) {
  qt.platform.SetPrinterOutputFile(Path("unused.pdf"));
  ui::qt::FormWindow* main = qt.platform.WindowOf(Sheet());
  auto* bar = qobject_cast<QToolBar*>(main->WidgetOf(&Sheet().tbToolBar));
  ASSERT_NE(bar, nullptr);
  QAction* button = nullptr;
  for (QAction* a : bar->actions())
    if (a->text() == "Print") button = a;
  ASSERT_NE(button, nullptr);
  button->trigger();
  ASSERT_TRUE(app::Preview().IsLoaded());
  EXPECT_EQ(app::Preview().lblObject1.Caption, "PL 300x20");
  app::cmdCancel_Click();
  ASSERT_FALSE(app::Preview().IsLoaded());

  QWidget* drawing = main->WidgetOf(&Sheet().Base);
  drawing->setFocus();
  QTest::keyClick(drawing, Qt::Key_P, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_TRUE(app::Preview().IsLoaded());
  // Esc in the preview closes it without printing.
  ui::qt::FormWindow* preview = qt.platform.WindowOf(app::Preview());
  ASSERT_NE(preview, nullptr);
  QWidget* print = preview->WidgetOf(&app::Preview().cmdPrint);
  EXPECT_TRUE(print->hasFocus());
  QTest::keyClick(print, Qt::Key_Escape);
  EXPECT_FALSE(app::Preview().IsLoaded());
}

TEST_F(PrintExportWindowTest, ExportWritesTheReportThroughTheFileDialog) {
  view::RedrawDrawing();  // the results of the section
  const std::string path = Path("tee");
  QString filter;
  qt_testing::AnswerFileDialog(path, &filter);
  QAction* exportItem = MenuAction("Export to Text File...");
  ASSERT_NE(exportItem, nullptr);
  exportItem->trigger();
  EXPECT_EQ(filter, "Text Files (*.txt)");
  const std::string text = ReadFileText(path);  // the name as typed, no extension added
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.rfind("Section properties calculated by Quorvane (TM).\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\nProject: Crane runway\r\n"), std::string::npos);
  // 300 x 20 + 20 x 280 = 11600 mm2.
  EXPECT_NE(text.find("\r\nArea:  11600\r\n"), std::string::npos);
}

// The next file dialog is answered with a key, as a user answers it: `proposed` gets the
// name it offered, then Enter takes that name or Esc cancels; the dialog's question
// whether to replace a file that exists is answered Yes.
void AnswerFileDialogWithKey(Qt::Key key, std::string* proposed) {
  QTimer::singleShot(0, [key, proposed] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    const QStringList files = box->selectedFiles();
    *proposed = files.isEmpty() ? std::string() : files.first().toStdString();
    QTimer::singleShot(0, [] {
      if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        QTest::mouseClick(question->button(QMessageBox::Yes), Qt::LeftButton);
    });
    auto* name = box->findChild<QLineEdit*>("fileNameEdit");
    QTest::keyClick(name ? static_cast<QWidget*>(name) : box, key);
  });
}

// A document named like a report ("beam.txt") is never what the export offers: Enter on
// the offer writes the report beside it. An export cancelled leaves the dialog with the
// name it carried, so Save As offers the document's own name again.
TEST_F(PrintExportWindowTest, ExportNeverOffersTheOpenDocumentAndACancelLeavesTheNameAsItWas) {
  editor::DocumentData document;
  document.Elements = {G.Elements[1], G.Elements[2]};
  document.ProjectName = "Crane runway";
  OpenDocument(document, "beam.txt");
  ASSERT_EQ(G.FileName, Path("beam.txt"));
  const std::string written = ReadFileText(Path("beam.txt"));

  QAction* exportItem = MenuAction("Export to Text File...");
  ASSERT_NE(exportItem, nullptr);
  std::string proposed;
  AnswerFileDialogWithKey(Qt::Key_Return, &proposed);
  exportItem->trigger();
  QApplication::processEvents();
  EXPECT_EQ(proposed, Path("beam.txt.txt"));
  EXPECT_EQ(ReadFileText(Path("beam.txt")), written);  // the document as it was
  EXPECT_EQ(ReadFileText(Path("beam.txt.txt")).rfind("Section properties calculated by Quorvane (TM).\r\n", 0), 0u);

  OpenDocument(document, "girder.qvn");
  ASSERT_EQ(G.FileName, Path("girder.qvn"));
  AnswerFileDialogWithKey(Qt::Key_Escape, &proposed);
  exportItem->trigger();
  QApplication::processEvents();
  EXPECT_EQ(proposed, Path("girder.txt"));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("girder.txt"))));

  G.Modified = model::True;  // a change to save
  QAction* saveAs = MenuAction("Save As...");
  ASSERT_NE(saveAs, nullptr);
  AnswerFileDialogWithKey(Qt::Key_Return, &proposed);
  saveAs->trigger();
  QApplication::processEvents();
  EXPECT_EQ(proposed, Path("girder.qvn"));
  EXPECT_EQ(G.FileName, Path("girder.qvn"));
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_TRUE(editor::ReadDocument(ReadFileText(Path("girder.qvn"))).has_value());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("girder.txt.qvn"))));
}

}  // namespace
