// File > Export to Text File...: the save dialog as the command sets it up, the report
// written whole, and nothing written when the user cancels or the file cannot be written.

#include "app/export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/report_text.h"
#include "editor/documents.h"
#include "model/globals.h"
#include "test_files.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace {

namespace fs = std::filesystem;
using model::G;

using testing_files::ReadFileText;

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G = model::Globals{};
    windows::ResetSheet();
    G.UnitStatus = model::True;
    G.RotAxis = model::True;
    G.SecArea = 2000;
    G.SecWidth = 100;
    G.SecDepth = 20;
    G.ProjectName = "Mill building";
    dir = testing_files::FreshTestFolder("quorvane-export");
  }
  void TearDown() override { testing_files::RemoveTestFolder(dir); }
  // What the folder holds besides the given names.
  size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }

  fs::path dir;
  ui::headless::ScopedHeadless h;
};

TEST_F(ExportTest, TheSaveDialogOffersTheTextFilterAndKeepsTheLastFileName) {
  windows::Sheet().dlgCommonDialog.FileName = "/home/eng/last report";
  app::Export_Click();  // cancelled: no answer queued
  ASSERT_EQ(h.platform.FileRequests.size(), 1u);
  const ui::CommonDialog& asked = h.platform.FileRequests[0];
  EXPECT_EQ(asked.Flags, 6);
  EXPECT_EQ(asked.Filter, "All Files (*.*)|*.*|Text Files(*.txt)|*.txt");
  EXPECT_EQ(asked.FilterIndex, 2);
  EXPECT_TRUE(asked.CancelError);
  EXPECT_EQ(asked.FileName, "/home/eng/last report");
}

// A document's name carried over from a save or an open would have Enter replace the
// document with the report: the dialog proposes the report beside it instead.
TEST_F(ExportTest, ADocumentNameCarriedOverBecomesTheReportsName) {
  struct Case {
    const char* carried;
    const char* proposed;
  };
  const Case cases[] = {
      {"/home/eng/beam1.qvn", "/home/eng/beam1.txt"},
      {"/home/eng/BEAM1.QVN", "/home/eng/BEAM1.txt"},
      {"/home/eng/beam1.Qvn", "/home/eng/beam1.txt"},
      {"/home/eng/beam1qvn", "/home/eng/beam1qvn.txt"},  // a document by the Save As rule
      {"/home/eng/beam1.txt", "/home/eng/beam1.txt"},
      {"/home/eng/beam1.qvn.bak", "/home/eng/beam1.qvn.bak"},
      {"qvn", "qvn.txt"},
      {"", ""},
  };
  for (const Case& c : cases) {
    h.platform.FileRequests.clear();
    windows::Sheet().dlgCommonDialog.FileName = c.carried;
    app::Export_Click();
    ASSERT_EQ(h.platform.FileRequests.size(), 1u) << c.carried;
    EXPECT_EQ(h.platform.FileRequests[0].FileName, c.proposed) << c.carried;
  }
}

// The open document's own file is never proposed, whatever its name and however the
// carried name spells it; Enter on the proposal writes the report beside the document.
TEST_F(ExportTest, TheOpenDocumentsOwnFileIsNeverProposed) {
  fs::create_directories(dir / "sub");
  struct Case {
    const char* document;  // the open document, in the test's folder
    const char* carried;   // what the dialog carries, in the test's folder
    const char* proposed;
  };
  const Case cases[] = {
      {"beam.txt", "beam.txt", "beam.txt.txt"},
      {"beam", "beam", "beam.txt"},
      {"beam.bak", "beam.bak", "beam.txt"},
      {"beam.qvn", "beam.qvn", "beam.txt"},
      {"beam.txt", "sub/../beam.txt", "sub/../beam.txt.txt"},  // another spelling of the same file
      {"beam.txt", "./beam.txt", "./beam.txt.txt"},
      {"beam.txt", "other.txt", "other.txt"},  // another file is proposed as it stands
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.carried);
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.is_regular_file()) fs::remove(entry.path());
    const fs::path document = dir / c.document;
    testing_files::WriteFileText(document, "the document\n");
    G.FileName = document.string();
    const std::string proposed = (dir / c.proposed).string();
    windows::Sheet().dlgCommonDialog.FileName = (dir / c.carried).string();
    h.platform.FileRequests.clear();
    h.platform.FileAnswers.push_back(proposed);  // Enter on the proposal
    app::Export_Click();
    ASSERT_EQ(h.platform.FileRequests.size(), 1u);
    EXPECT_EQ(h.platform.FileRequests[0].FileName, proposed);
    EXPECT_EQ(ReadFileText(document), "the document\n");
    EXPECT_EQ(ReadFileText(proposed), app::PropertyReportText(G));
  }
}

// A link that leads to the document is the document: the report goes beside the link.
TEST_F(ExportTest, ALinkToTheDocumentIsNotProposed) {
  const fs::path document = dir / "beam.qvn";
  testing_files::WriteFileText(document, "the document\n");
  fs::create_symlink(document, dir / "report.txt");
  G.FileName = document.string();
  windows::Sheet().dlgCommonDialog.FileName = (dir / "report.txt").string();
  app::Export_Click();  // cancelled
  ASSERT_EQ(h.platform.FileRequests.size(), 1u);
  EXPECT_EQ(h.platform.FileRequests[0].FileName, (dir / "report.txt.txt").string());
}

// The proposal does not outlive a cancelled export: the next Save As is offered the
// document's own name and writes the document there, not a "beam.txt.qvn". A report
// written keeps its name in the dialog, as the dialog carries any chosen name.
TEST_F(ExportTest, ACancelledExportLeavesTheCarriedNameAsItWas) {
  const std::string document = (dir / "beam.qvn").string();
  G.FileName = document;
  G.Modified = model::True;
  windows::Sheet().dlgCommonDialog.FileName = document;
  h.platform.FileAnswers.push_back(std::nullopt);
  app::Export_Click();
  ASSERT_EQ(h.platform.FileRequests.size(), 1u);
  EXPECT_EQ(h.platform.FileRequests[0].FileName, (dir / "beam.txt").string());
  EXPECT_EQ(windows::Sheet().dlgCommonDialog.FileName, document);

  h.platform.FileAnswers.push_back(document);  // Enter on what Save As proposes
  editor::Saveas_Click();
  ASSERT_EQ(h.platform.FileRequests.size(), 2u);
  EXPECT_EQ(h.platform.FileRequests[1].FileName, document);
  EXPECT_EQ(G.FileName, document);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_TRUE(fs::is_regular_file(document));
  EXPECT_EQ(Entries(), 1u);  // no report, no "beam.txt.qvn"

  const std::string report = (dir / "beam.txt").string();
  h.platform.FileAnswers.push_back(report);
  app::Export_Click();
  EXPECT_EQ(windows::Sheet().dlgCommonDialog.FileName, report);
}

TEST_F(ExportTest, TheReportIsWrittenUnderTheNameAsChosen) {
  G.Modified = model::False;
  windows::Sheet().Caption = "Quorvane - (Unmodified)";
  const fs::path file = dir / "girder";  // no extension: none is added
  h.platform.FileAnswers.push_back(file.string());
  app::Export_Click();
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_EQ(ReadFileText(file), app::PropertyReportText(G));
  EXPECT_NE(ReadFileText(file).find("\r\nArea:  2000\r\n"), std::string::npos);
  EXPECT_EQ(Entries(), 1u);  // no temporary file beside it
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(windows::Sheet().Caption, "Quorvane - (Unmodified)");
}

TEST_F(ExportTest, AnExistingFileIsReplacedWhole) {
  const fs::path file = dir / "girder.txt";
  std::ofstream(file) << std::string(5000, 'x');
  h.platform.FileAnswers.push_back(file.string());
  app::Export_Click();
  EXPECT_EQ(ReadFileText(file), app::PropertyReportText(G));
}

TEST_F(ExportTest, ACancelledDialogWritesNothingAndSaysNothing) {
  h.platform.FileAnswers.push_back(std::nullopt);
  app::Export_Click();
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_EQ(Entries(), 0u);
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
  struct Case {
    const char* name;
    fs::path target;
  };
  fs::create_directories(dir / "taken" / "inside");  // a folder where the file should go
  const Case cases[] = {
      {"missing folder", dir / "no such folder" / "girder.txt"},
      {"a folder by that name", dir / "taken"},
  };
  for (const Case& c : cases) {
    h.platform.Messages.clear();
    h.platform.FileAnswers.push_back(c.target.string());
    app::Export_Click();
    ASSERT_EQ(h.platform.Messages.size(), 1u) << c.name;
    EXPECT_EQ(h.platform.Messages[0], "The results could not be written to " + c.target.string() +
                                          ". Check that its folder exists and can be written to.");
    EXPECT_FALSE(fs::is_regular_file(c.target)) << c.name;
    EXPECT_EQ(Entries(), 1u) << c.name;  // only the folder made above: no partial file
    EXPECT_TRUE(fs::exists(dir / "taken" / "inside"));
  }
}

}  // namespace
