// New, Open, Save and Save As on the headless platform, with real files in a fresh folder.

#include "editor/documents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/query_answers.h"
#include "app/query_form.h"
#include "app/settings_store.h"
#include "app/wiring.h"
#include "editor/document_codec.h"
#include "editor/title.h"
#include "editor/undo.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "test_files.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "view/view_navigation.h"
#include "windows/sheet.h"

namespace editor {
namespace {

namespace fs = std::filesystem;
using model::G;
using windows::Sheet;

using testing_files::ReadFileText;
using testing_files::WriteFileText;

// What a document command may change, to compare before and after.
struct Snapshot {
  int16_t count;
  std::vector<model::ElementRecord> elements;
  std::string fileName, title, name, number, description, engineer;
  model::Bool16 modified, unitStatus, rotAxis;
  float zoom, width, height, left, top;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take() {
  const ui::PictureBox& base = Sheet().Base;
  return {G.ElementCount,
          std::vector<model::ElementRecord>(G.Elements.begin() + 1, G.Elements.begin() + 1 + G.ElementCount),
          G.FileName,
          Sheet().Caption,
          G.ProjectName,
          G.ProjectNumber,
          G.ObjectDescription,
          G.ProjectEngineer,
          G.Modified,
          G.UnitStatus,
          G.RotAxis,
          G.ZoomScale,
          base.ScaleWidth,
          base.ScaleHeight,
          base.ScaleLeft,
          base.ScaleTop};
}

class Documents : public ::testing::Test {
 protected:
  void SetUp() override {
    G = model::Globals{};
    windows::ResetSheet();
    app::ApplySettingDefaults();
    app::WireMainWindow();
    G.InitialScaleWidth = 1200;
    G.InitialScaleHeight = -1000;
    ResetUndoHistory();
    ShowTitle();
    dir = testing_files::FreshTestFolder("quorvane-documents");
  }
  void TearDown() override { testing_files::RemoveTestFolder(dir); }

  // A tee of two plates: flange 200 x 20 on top of a web 20 x 200. Area 8000; the
  // centroid lies (4000 * 210 + 4000 * 100) / 8000 = 155 above the bottom.
  void BuildTee() {
    G.Elements[1] = model::testing::Plate(200, 20, 0, 200);
    G.Elements[2] = model::testing::Plate(20, 200, 90, 0);
    G.ElementCount = 2;
    G.ProjectName = "Warehouse, bay 3";
    G.ProjectNumber = "117";
    G.ObjectDescription = "Crane girder 6\" cap";
    G.ProjectEngineer = "A. Engineer";
    G.Modified = model::True;
    ShowTitle();
  }

  std::string Path(const std::string& name) const { return (dir / name).string(); }
  ui::headless::HeadlessPlatform& hp() { return h.platform; }

  ui::headless::ScopedHeadless h;
  fs::path dir;
};

TEST_F(Documents, ASavedSectionComesBackAfterNew) {
  BuildTee();
  hp().FileAnswers.push_back(Path("tee"));
  Save_Click();  // untitled with changes: Save As
  const std::string file = Path("tee.qvn");
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(G.FileName, file);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + file + " (Unmodified)");
  ASSERT_EQ(hp().FileRequests.size(), 1u);
  const ui::CommonDialog& asked = hp().FileRequests[0];
  EXPECT_EQ(asked.Filter, "All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Quorvane Files (*.qvn)|*.qvn");
  EXPECT_EQ(asked.FilterIndex, 3);
  EXPECT_EQ(asked.Flags, 6);
  EXPECT_TRUE(asked.CancelError);
  const Snapshot saved = Take();

  New_Click();  // unchanged: no question
  EXPECT_TRUE(hp().ModalShown.empty());
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(G.FileName, "");
  EXPECT_EQ(G.ProjectName, "");
  EXPECT_EQ(G.ObjectDescription, "");
  EXPECT_EQ(Sheet().Caption, "Quorvane - (Unmodified)");

  hp().FileAnswers.push_back(file);
  Open_Click();
  EXPECT_TRUE(hp().Messages.empty());
  EXPECT_EQ(Take(), saved);
  EXPECT_FLOAT_EQ(G.SecArea, 8000);
  EXPECT_FLOAT_EQ(G.SecYBar, 155);
  // The document just read is the current level of the history, with nothing to undo.
  EXPECT_EQ(G.UndoCounts[5], 2);
  EXPECT_FALSE(Sheet().Undo.Enabled);
}

TEST_F(Documents, TheTitleFollowsEveryCommand) {
  EXPECT_EQ(Sheet().Caption, "Quorvane - (Unmodified)");
  BuildTee();
  EXPECT_EQ(Sheet().Caption, "Quorvane -  (Modified)");
  const std::string file = Path("t.qvn");
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + file + " (Unmodified)");
  G.Modified = model::True;
  app::testing::AnswerQuestion(hp(), app::testing::Yes);
  New_Click();
  EXPECT_EQ(Sheet().Caption, "Quorvane - (Unmodified)");
  hp().FileAnswers.push_back(file);
  Open_Click();
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + file + " (Unmodified)");
}

TEST_F(Documents, NoAndCancelInTheDiscardQuestionChangeNothing) {
  BuildTee();
  G.FileName = Path("old.qvn");
  ShowTitle();
  const Snapshot before = Take();
  struct Case {
    const char* how;
    void (*command)();
    int button;  // 2 No, 3 Cancel, 0 Esc
  };
  for (const Case& c :
       {Case{"New, No", New_Click, 2}, Case{"New, Cancel", New_Click, 3}, Case{"New, Esc", New_Click, 0},
        Case{"Open, No", Open_Click, 2}, Case{"Open, Cancel", Open_Click, 3}}) {
    SCOPED_TRACE(c.how);
    std::string question;
    hp().OnModal("QueryForm", [&](ui::Form& f) {
      auto& q = static_cast<app::QueryForm&>(f);
      question = q.Label1.Caption;
      if (c.button == 2) ui::headless::Click(q.Command2);
      if (c.button == 3) ui::headless::Click(q.Command3);
      if (c.button == 0) ui::headless::PressEscape(q);
    });
    hp().FileAnswers.push_back(Path("other.qvn"));
    c.command();
    EXPECT_EQ(question, "Discard Changes to Current File?");
    EXPECT_EQ(Take(), before);
    EXPECT_TRUE(hp().FileRequests.empty());  // Open went no further than the question
    hp().FileAnswers.clear();
  }
  // Yes discards.
  app::testing::AnswerQuestion(hp(), app::testing::Yes);
  New_Click();
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(G.FileName, "");
  EXPECT_EQ(G.Modified, model::False);
}

TEST_F(Documents, AFileThatDoesNotReadWholeChangesNothing) {
  BuildTee();
  const std::string good = Path("good.qvn");
  hp().FileAnswers.push_back(good);
  Saveas_Click();
  G.Modified = model::True;  // unsaved changes answered Yes below: still nothing may change
  Sheet().Base.SetScale(-50, 700, 2400, -2000);
  ShowTitle();
  const Snapshot before = Take();
  std::vector<std::string> lines;
  {
    const std::string text = ReadFileText(good);
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
  }
  // The saved text with each (line, value) of `changes` replaced.
  auto with = [&](const std::vector<std::pair<size_t, std::string>>& changes) {
    std::vector<std::string> l = lines;
    for (const auto& [line, value] : changes) l[line] = value;
    std::string text;
    for (const std::string& s : l) text += s + "\r\n";
    return text;
  };
  std::string cut;
  for (size_t i = 0; i < 60; ++i) cut += lines[i] + "\r\n";
  struct Case {
    const char* what;
    std::string content;  // null-free text; "<none>" for no file, "<folder>" for a folder
  };
  const Case cases[] = {{"no such file", "<none>"},
                        {"a folder", "<folder>"},
                        {"an empty file", ""},
                        {"the file ends inside the second element", cut},
                        {"a count of 51", with({{10, "51"}})},
                        {"70000 in a 16-bit field", with({{12, "70000"}})},
                        {"a scale width of 0", with({{6, "0"}})},
                        // The flange (lines 11 to 52) read as a 20 mm bar whose Width is 1E+30:
                        // its circle would lie 5E+29 to the right of the web.
                        {"a 20 mm bar 1E+30 wide", with({{12, "51"}, {13, "20"}, {14, "1E+30"}})}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string bad = Path("bad.qvn");
    fs::remove_all(bad);
    if (c.content == "<folder>")
      fs::create_directory(bad);
    else if (c.content != "<none>")
      WriteFileText(bad, c.content);
    hp().Messages.clear();
    app::testing::AnswerQuestion(hp(), app::testing::Yes);
    hp().FileAnswers.push_back(bad);
    Open_Click();
    EXPECT_EQ(hp().Messages, std::vector<std::string>{"Invalid File or File Not Found!"});
    EXPECT_EQ(Take(), before);
  }
  // Cancelling the dialog ends Open silently.
  hp().Messages.clear();
  app::testing::AnswerQuestion(hp(), app::testing::Yes);
  Open_Click();
  EXPECT_TRUE(hp().Messages.empty());
  EXPECT_EQ(Take(), before);
}

// A document's view through Open, 30 Zoom Outs, two pans right and one up, Save As and
// Open again: refused at Open with the section before kept, or back as it was saved. Zoom
// Out doubles the view about its centre while it is under 1,000,000 wide and takes no step
// that would leave the range a document keeps; a pan moves a tenth of the view.
TEST_F(Documents, EveryViewThatOpensSavesAndOpensAgainThroughZoomAndPan) {
  struct View {
    float left, top, width, height, zoom;
  };
  struct Case {
    const char* what;
    size_t line;  // the line of the file that is replaced: 2 ZoomScale, 6 ScaleWidth, 7 ScaleHeight
    const char* text;
    bool refused;
    View after;  // after the steps, as saved
  };
  const Case cases[] = {
      // Doubled, 3e38 would pass the largest single: no zoom is taken, the pans are.
      {"zoom scale 3e38", 2, "3e38", false, {-240, 900, 1200, -1000, 3e38f}},
      {"width -1200", 6, "-1200", true, {}},
      // Held as the single -2147483520; doubled it would leave the 32-bit range, and its
      // bottom edge lies far below -1,000,000, so it does not pan up.
      {"height -2147483583", 7, "-2147483583", false, {-240, 1000, 1200, -2147483520.0f, 1}},
      // Ten zooms take it to 1228800 x -1024000 about its centre (600, 500), left edge
      // 600 - 614400 and top edge 500 + 512000; then 122880 right twice, 102400 up.
      {"the default view", 6, "1200", false, {-859560, 410100, 1228800, -1024000, 1024}},
  };
  DocumentData plate;
  plate.Elements = {model::testing::Plate(200, 20, 0, 0)};
  std::vector<std::string> lines;
  {
    const std::string text = WriteDocument(plate);
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
  }
  auto expectView = [](const View& v, const char* when) {
    const ui::PictureBox& base = Sheet().Base;
    EXPECT_EQ(base.ScaleLeft, v.left) << when;
    EXPECT_EQ(base.ScaleTop, v.top) << when;
    EXPECT_EQ(base.ScaleWidth, v.width) << when;
    EXPECT_EQ(base.ScaleHeight, v.height) << when;
    EXPECT_EQ(G.ZoomScale, v.zoom) << when;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> changed = lines;
    changed.at(c.line) = c.text;
    std::string text;
    for (const std::string& l : changed) text += l + "\r\n";
    WriteFileText(Path("view.qvn"), text);
    BuildTee();  // changed: Open asks first
    Sheet().Base.SetScale(-50, 700, 2400, -2000);
    G.ZoomScale = 2;
    const Snapshot before = Take();
    hp().Messages.clear();
    app::testing::AnswerQuestion(hp(), app::testing::Yes);
    hp().FileAnswers.push_back(Path("view.qvn"));
    Open_Click();
    if (c.refused) {
      EXPECT_EQ(hp().Messages, std::vector<std::string>{"Invalid File or File Not Found!"});
      EXPECT_EQ(Take(), before);
      continue;
    }
    ASSERT_TRUE(hp().Messages.empty());
    for (int i = 0; i < 30; ++i) view::ZoomViewOut();
    view::PanViewRight();
    view::PanViewRight();
    view::PanViewUp();
    expectView(c.after, "after the steps");
    hp().FileAnswers.push_back(Path("saved.qvn"));
    Saveas_Click();
    ASSERT_EQ(G.FileName, Path("saved.qvn"));
    ASSERT_EQ(G.Modified, model::False);
    Sheet().Base.SetScale(-50, 700, 2400, -2000);
    G.ZoomScale = 2;
    hp().FileAnswers.push_back(Path("saved.qvn"));
    Open_Click();
    EXPECT_TRUE(hp().Messages.empty());
    expectView(c.after, "opened again");
  }
}

TEST_F(Documents, TheCommandLinePathOpensWithOrWithoutQuotes) {
  BuildTee();
  const std::string file = Path("my beam.qvn");
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  for (const std::string& given : {file, "\"" + file + "\""}) {
    SCOPED_TRACE(given);
    G.ElementCount = 0;
    G.FileName.clear();
    G.CommandLineFile = given;
    Open_Click();
    EXPECT_TRUE(hp().Messages.empty());
    EXPECT_EQ(G.ElementCount, 2);
    EXPECT_EQ(G.FileName, file);
    EXPECT_EQ(G.CommandLineFile, "");
  }
  EXPECT_EQ(hp().FileRequests.size(), 1u);  // only the Save As above
  // Once used, Open asks with the dialog again.
  Open_Click();
  EXPECT_EQ(hp().FileRequests.size(), 2u);
  // Two names on the command line are one path that cannot be read.
  G.CommandLineFile = file + " " + file;
  Open_Click();
  EXPECT_EQ(hp().Messages, std::vector<std::string>{"Invalid File or File Not Found!"});
}

TEST_F(Documents, OpenReplacesTheProjectStringsTheViewAndTheModes) {
  // An older file: no marker, no project strings; principal axes, inches, its own view.
  DocumentData d;
  d.UnitStatus = model::False;
  d.RotAxis = model::False;
  d.ZoomScale = 2;
  d.ScaleWidth = 2400;
  d.ScaleHeight = -2000;
  d.ScaleLeft = -100;
  d.ScaleTop = 1900;
  d.Elements = {model::testing::Plate(100, 10, 0, 0)};
  std::string text = WriteDocument(d);
  text.erase(0, text.find("\r\n") + 2);  // the marker
  for (int i = 0; i < 4; ++i) text.erase(text.rfind("\"\"\r\n"));
  WriteFileText(Path("old.qvn"), text);
  BuildTee();
  G.Modified = model::False;
  G.ManualJ = 2;
  G.ManualCw = 1;
  Sheet().Torsional.Caption = "Reset Torsional Constant to Default";
  G.CommandLineFile = Path("old.qvn");
  Open_Click();
  ASSERT_TRUE(hp().Messages.empty());
  EXPECT_EQ(G.ProjectName, "");
  EXPECT_EQ(G.ObjectDescription, "");
  EXPECT_EQ(G.UnitStatus, model::False);
  EXPECT_EQ(G.RotAxis, model::False);
  EXPECT_EQ(G.ZoomScale, 2);
  EXPECT_EQ(Sheet().Base.ScaleWidth, 2400);
  EXPECT_EQ(Sheet().Base.ScaleTop, 1900);
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(G.ManualCw, 0);
  EXPECT_EQ(Sheet().Torsional.Caption, "Set Torsional Constant (J)...");
  // The results panel follows the file's modes.
  EXPECT_EQ(Sheet().AunitL.Caption, "in");
  EXPECT_EQ(Sheet().IxL.Caption, "Ix':");
  EXPECT_TRUE(Sheet().Phi.Visible);
  EXPECT_FALSE(Sheet().tbToolBar.Button(10).Enabled);
  EXPECT_FALSE(Sheet().tbToolBar.Button(11).Enabled);
}

TEST_F(Documents, SaveAsAddsTheExtensionUnlessTheNameEndsInIt) {
  struct Case {
    const char* typed;
    const char* written;
  };
  const Case cases[] = {{"beam", "beam.qvn"},
                        {"beam.qvn", "beam.qvn"},
                        {"beam.QVN", "beam.QVN"},
                        {"beamqvn", "beamqvn"},
                        {"beam.Qvn", "beam.Qvn.qvn"},
                        {"beam.txt", "beam.txt.qvn"},
                        {"beam.qvn.bak", "beam.qvn.bak.qvn"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    fs::remove_all(dir);
    fs::create_directories(dir);
    BuildTee();
    hp().FileAnswers.push_back(Path(c.typed));
    Saveas_Click();
    EXPECT_EQ(G.FileName, Path(c.written));
    EXPECT_EQ(G.Modified, model::False);
    EXPECT_TRUE(fs::exists(Path(c.written)));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  }
}

TEST_F(Documents, SaveAsAsksAgainBeforeReplacingTheExtendedName) {
  const std::string existing = Path("beam.qvn");
  WriteFileText(existing, "another section");
  BuildTee();
  G.FileName = Path("first.qvn");
  ShowTitle();
  const Snapshot before = Take();
  for (int button : {2, 3}) {
    std::string question;
    hp().OnModal("QueryForm", [&](ui::Form& f) {
      auto& q = static_cast<app::QueryForm&>(f);
      question = q.Label1.Caption;
      ui::headless::Click(button == 2 ? q.Command2 : q.Command3);
    });
    hp().FileAnswers.push_back(Path("beam"));
    Saveas_Click();
    EXPECT_EQ(question, "beam.qvn already exists.\nDo you want to replace it?");
    EXPECT_EQ(ReadFileText(existing), "another section");
    EXPECT_EQ(Take(), before);
  }
  app::testing::AnswerQuestion(hp(), app::testing::Yes);
  hp().FileAnswers.push_back(Path("beam"));
  Saveas_Click();
  EXPECT_EQ(G.FileName, existing);
  EXPECT_EQ(ReadFileText(existing).rfind("\"V2\"\r\n", 0), 0u);
  // A name typed with its extension is the dialog's own question: no second one.
  G.Modified = model::True;
  hp().FileAnswers.push_back(existing);
  Saveas_Click();
  EXPECT_TRUE(hp().PendingScripts().empty());
  EXPECT_EQ(G.Modified, model::False);
}

TEST_F(Documents, AnUnchangedDocumentIsNotWritten) {
  // Untitled and unchanged: Save does nothing at all.
  Save_Click();
  EXPECT_TRUE(hp().FileRequests.empty());
  EXPECT_TRUE(hp().Messages.empty());
  BuildTee();
  const std::string file = Path("beam.qvn");
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  WriteFileText(file, "left alone");  // whatever is on disk now must stay
  Save_Click();
  EXPECT_EQ(ReadFileText(file), "left alone");
  // Save As to the same path of the unchanged document writes nothing and keeps the title.
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  EXPECT_EQ(ReadFileText(file), "left alone");
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + file + " (Unmodified)");
  // With a change, Save writes.
  G.Modified = model::True;
  Save_Click();
  EXPECT_EQ(ReadFileText(file).rfind("\"V2\"\r\n", 0), 0u);
  EXPECT_EQ(G.Modified, model::False);
}

TEST_F(Documents, TheNoteOnManualConstantsComesBeforeTheWrite) {
  BuildTee();
  G.ManualCw = 2;
  const std::string file = Path("beam.qvn");
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  EXPECT_EQ(hp().Messages, std::vector<std::string>{
                               "Please note custom Torsional or Warping Constant information will not be saved."});
  G.ManualCw = 0;
  const std::string withNote = ReadFileText(file);
  G.Modified = model::True;
  Save_Click();
  EXPECT_EQ(ReadFileText(file), withNote);  // no trace of the case in the file
  EXPECT_EQ(hp().Messages.size(), 1u);
}

TEST_F(Documents, NewAndOpenEndTheCommandInProgress) {
  BuildTee();
  G.Modified = model::False;
  G.Elements[3] = model::testing::Plate(50, 50, 400, 400);  // still following the pointer
  G.ElementCount = 3;
  G.CurrentElement = 3;
  G.PlaceMode = model::True;
  const std::string file = Path("tee.qvn");
  {
    DocumentData d;
    d.Elements = {model::testing::Plate(200, 20, 0, 200)};
    WriteFileText(file, WriteDocument(d));
  }
  // No to the question: the element goes on following the pointer.
  G.Modified = model::True;
  app::testing::AnswerQuestion(hp(), app::testing::No);
  New_Click();
  EXPECT_EQ(G.PlaceMode, model::True);
  EXPECT_EQ(G.ElementCount, 3);
  // A file that does not read leaves the mode on as well.
  app::testing::AnswerQuestion(hp(), app::testing::Yes);
  G.CommandLineFile = Path("missing.qvn");
  Open_Click();
  EXPECT_EQ(G.PlaceMode, model::True);
  EXPECT_EQ(G.ElementCount, 3);
  // A file that reads: the mode ends and the file's section is there.
  G.Modified = model::False;
  G.CommandLineFile = file;
  Open_Click();
  EXPECT_EQ(G.PlaceMode, model::False);
  EXPECT_EQ(G.ElementCount, 1);
  // New while moving.
  G.Elements[1].Selected = model::True;
  G.MoveMode = G.MoveBaseSet = model::True;
  New_Click();
  EXPECT_EQ(G.MoveMode, model::False);
  EXPECT_EQ(G.MoveBaseSet, model::False);
  EXPECT_EQ(G.ElementCount, 0);
}

TEST_F(Documents, ASaveDuringACommandWritesTheSectionAsCommitted) {
  BuildTee();
  G.Elements[1].Selected = model::True;
  // A rotation under way: element 1 is drawn turned by the preview, from 0.
  G.RotateMode = G.PivotSet = model::True;
  G.RotateStartAngle[1] = 0;
  G.Elements[1].Angle = 0.5;
  const std::string file = Path("tee.qvn");
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  std::optional<DocumentData> d = ReadDocument(ReadFileText(file));
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->Elements.at(0).Angle, 0.0);
  EXPECT_EQ(G.Elements[1].Angle, 0.5);  // the preview itself is left as it is
  G.RotateMode = G.PivotSet = model::False;

  G.MirrorMode = G.MirrorFirstSet = model::True;
  G.MirrorStartAngle[1] = 0.25;
  G.MirrorStartSign[1] = 1;
  G.Elements[1].MirrorSign = -1;
  G.Modified = model::True;
  Save_Click();
  d = ReadDocument(ReadFileText(file));
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->Elements.at(0).Angle, 0.25);
  EXPECT_EQ(d->Elements.at(0).MirrorSign, 1);
  G.MirrorMode = G.MirrorFirstSet = model::False;

  G.Elements[3] = model::testing::Plate(50, 50, 400, 400);
  G.ElementCount = 3;
  G.CurrentElement = 3;
  G.PlaceMode = model::True;
  G.Modified = model::True;
  Save_Click();
  d = ReadDocument(ReadFileText(file));
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->Elements.size(), 2u);
  EXPECT_EQ(G.ElementCount, 3);
}

// Runs the rest of a scope as an ordinary user when the tests run as root, who may
// write anywhere.
class Unprivileged {
 public:
  Unprivileged() {
    if (::geteuid() == 0) dropped_ = ::seteuid(65534) == 0;
  }
  ~Unprivileged() {
    if (dropped_) (void)::seteuid(0);
  }
  bool Works() const { return ::geteuid() != 0; }

 private:
  bool dropped_ = false;
};

TEST_F(Documents, AFailedWriteLeavesTheOldFileAndTheChanges) {
  BuildTee();
  const std::string file = Path("beam.qvn");
  hp().FileAnswers.push_back(file);
  Saveas_Click();
  const std::string old = ReadFileText(file);
  G.Elements[1].PosX = 300;
  G.Modified = model::True;
  ShowTitle();
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
  {
    Unprivileged user;
    if (!user.Works()) GTEST_SKIP() << "cannot run as an ordinary user here";
    Save_Click();
  }
  EXPECT_EQ(hp().Messages, std::vector<std::string>{SaveFailedMessage});
  EXPECT_EQ(ReadFileText(file), old);
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + file + " (Modified)");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(Documents, AFolderThatIsGoneIsReportedAndTheChangesKept) {
  BuildTee();
  hp().FileAnswers.push_back(Path("gone/beam"));
  Saveas_Click();
  EXPECT_EQ(hp().Messages, std::vector<std::string>{SaveFailedMessage});
  EXPECT_EQ(G.FileName, Path("gone/beam.qvn"));
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + Path("gone/beam.qvn") + " (Modified)");
}

TEST(ReplaceFileContents, KeepsTheOldPermissionsAndFollowsALink) {
  const fs::path dir = testing_files::FreshTestFolder("quorvane-replace");
  const fs::path file = dir / "beam.qvn";
  WriteFileText(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(file, dir / "link.qvn");
  ASSERT_TRUE(ReplaceFileContents((dir / "link.qvn").string(), "new"));
  EXPECT_EQ(ReadFileText(file), "new");
  EXPECT_TRUE(fs::is_symlink(dir / "link.qvn"));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  testing_files::RemoveTestFolder(dir);
}

}  // namespace
}  // namespace editor
