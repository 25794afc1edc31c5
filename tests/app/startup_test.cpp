// Start-up from the settings store, the close question and the settings written at exit.

#include "app/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/query_form.h"
#include "app/settings_store.h"
#include "app/small_dialogs.h"
#include "app_fixture.h"
#include "editor/document_codec.h"
#include "editor/documents.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "query_answers.h"
#include "test_files.h"
#include "ui/headless/actions.h"
#include "view/view_navigation.h"
#include "windows/sheet.h"

namespace app {
namespace {

using model::G;
using testing::AppSession;
using windows::Sheet;

// A key of the store: its default as a first start reads it, another stored text and
// the value that text gives, and where the value lives.
struct KeyCase {
  const char* key;
  const char* defaultText;
  double defaultValue;
  const char* otherText;
  double otherValue;
  std::function<double()> value;
};

std::function<double()> Of(int16_t model::Globals::*field) {
  return [field] { return G.*field; };
}

std::vector<KeyCase> KeysBesideTheRectangle() {
  std::vector<KeyCase> keys = {
      {"WindowState", "2", 2, "0", 0, [] { return Sheet().WindowState; }},
      {"UnitStatus", "True", -1, "False", 0, Of(&model::Globals::UnitStatus)},
      {"GridSpacing", "100", 100, "250", 250, Of(&model::Globals::GridSpacing)},
      {"ZoomScale", "1", 1, "0.25", 0.25, [] { return G.ZoomScale; }},
      {"ScaleWidth", "1200", 1200, "300", 300, [] { return Sheet().Base.ScaleWidth; }},
      {"ScaleHeight", "-1000", -1000, "-250", -250, [] { return Sheet().Base.ScaleHeight; }},
      {"ScaleLeft", "0", 0, "-40.5", -40.5, [] { return Sheet().Base.ScaleLeft; }},
      {"ScaleTop", "1000", 1000, "620", 620, [] { return Sheet().Base.ScaleTop; }},
      {"SnapGrid", "0", 0, "1", 1, Of(&model::Globals::SnapGrid)},
      {"ShowGrid", "1", 1, "0", 0, Of(&model::Globals::ShowGrid)},
      {"SnapObject", "1", 1, "0", 0, Of(&model::Globals::SnapObject)},
      {"ShowXY", "1", 1, "0", 0, Of(&model::Globals::ShowXY)},
      {"RotateSnap", "1", 1, "15", 15, Of(&model::Globals::RotateSnap)},
      {"OLapStatus", "1", 1, "0", 0, Of(&model::Globals::OLapStatus)},
      {"OSnapStatus", "1", 1, "0", 0, Of(&model::Globals::OSnapStatus)},
      {"RotAxis", "True", -1, "False", 0, Of(&model::Globals::RotAxis)},
      {"ShowPAxis", "1", 1, "0", 0, Of(&model::Globals::ShowPAxis)},
      {"ShowCentroid", "1", 1, "0", 0, Of(&model::Globals::ShowCentroid)},
      {"SplashRead", "1", 1, "0", 0, Of(&model::Globals::SplashRead)},
      {"SIPrec", "2", 2, "5", 5, Of(&model::Globals::SIPrec)},
      {"ImpPrec", "2", 2, "3", 3, Of(&model::Globals::ImpPrec)},
      {"ShowHelp", "True", -1, "False", 0, Of(&model::Globals::ShowHelp)},
  };
  using G_ = model::Globals;
  struct Tol {
    const char* si;
    int16_t G_::*siField;
    const char* siDefault;
    const char* imp;
    int16_t G_::*impField;
  };
  const Tol tols[] = {{"SIATol", &G_::SIATol, "0", "ImpATol", &G_::ImpATol},
                      {"SIDTol", &G_::SIDTol, "0", "ImpDTol", &G_::ImpDTol},
                      {"SIBTol", &G_::SIBTol, "0", "ImpBTol", &G_::ImpBTol},
                      {"SIXTol", &G_::SIXTol, "0", "ImpXTol", &G_::ImpXTol},
                      {"SIYTol", &G_::SIYTol, "0", "ImpYTol", &G_::ImpYTol},
                      {"SIIxTol", &G_::SIIxTol, "6", "ImpIxTol", &G_::ImpIxTol},
                      {"SISxTol", &G_::SISxTol, "3", "ImpSxTol", &G_::ImpSxTol},
                      {"SIZxTol", &G_::SIZxTol, "3", "ImpZxTol", &G_::ImpZxTol},
                      {"SIIyTol", &G_::SIIyTol, "6", "ImpIyTol", &G_::ImpIyTol},
                      {"SISyTol", &G_::SISyTol, "3", "ImpSyTol", &G_::ImpSyTol},
                      {"SIZyTol", &G_::SIZyTol, "3", "ImpZyTol", &G_::ImpZyTol},
                      {"SIRxTol", &G_::SIRxTol, "0", "ImpRxTol", &G_::ImpRxTol},
                      {"SIRyTol", &G_::SIRyTol, "0", "ImpRyTol", &G_::ImpRyTol},
                      {"SIJTol", &G_::SIJTol, "4", "ImpJTol", &G_::ImpJTol},
                      {"SICwTol", &G_::SICwTol, "6", "ImpCwTol", &G_::ImpCwTol}};
  // Each exponent gets a value of its own, so a key read into the wrong field shows.
  static std::vector<std::string> texts;
  texts.clear();
  texts.reserve(60);
  int n = 0;
  for (const Tol& t : tols) {
    ++n;
    texts.push_back(std::to_string(10 + n));
    keys.push_back({t.si, t.siDefault, std::stod(t.siDefault), texts.back().c_str(), 10.0 + n, Of(t.siField)});
    texts.push_back(std::to_string(-n));
    keys.push_back({t.imp, "0", 0, texts.back().c_str(), -1.0 * n, Of(t.impField)});
  }
  return keys;
}

struct Rect {
  const char* key;
  const char* defaultText;
  std::function<float()> value;
};
const Rect Rectangle[] = {{"MainLeft", "500", [] { return Sheet().Left; }},
                          {"MainTop", "500", [] { return Sheet().Top; }},
                          {"MainWidth", "12500", [] { return Sheet().Width; }},
                          {"MainHeight", "9500", [] { return Sheet().Height; }}};

using Startup = AppSession;

TEST_F(Startup, AnEmptyStoreGivesEveryDefaultAndStaysEmpty) {
  Start();
  for (const KeyCase& k : KeysBesideTheRectangle()) EXPECT_EQ(k.value(), k.defaultValue) << k.key;
  for (const Rect& r : Rectangle) EXPECT_EQ(r.value(), std::stof(r.defaultText)) << r.key;
  EXPECT_TRUE(h.platform.Settings.empty());  // reading never writes

  windows::SheetForm& s = Sheet();
  EXPECT_TRUE(s.Visible);
  EXPECT_EQ(s.Caption, "Quorvane - (Unmodified)");
  EXPECT_EQ(s.AunitL.Caption, "mm");
  EXPECT_FLOAT_EQ(s.CwUnitL.FontSize, 10);
  EXPECT_EQ(s.IxL.Caption, "Ix:");
  EXPECT_FALSE(s.PhiL.Visible);
  EXPECT_TRUE(s.Base.HasFocus());
  EXPECT_FALSE(s.Undo.Enabled);
  EXPECT_FALSE(s.Redo.Enabled);
  EXPECT_FALSE(s.tbToolBar.Button(7).Enabled);
  EXPECT_FALSE(s.tbToolBar.Button(8).Enabled);
  // Every menu item but Undo and Redo is enabled, Cut, Copy and Paste among them; their
  // toolbar buttons are not.
  for (const ui::Control* c : s.Controls()) {
    if (c->Kind() == ui::ControlKind::Menu && c != &s.Undo && c != &s.Redo) {
      EXPECT_TRUE(c->Enabled) << c->Name();
    }
  }
  for (const ui::Menu* m : {&s.Cut, &s.Copy, &s.Paste, &s.Save, &s.Torsional}) EXPECT_TRUE(m->Enabled) << m->Name();
  for (int b : {10, 11, 12}) EXPECT_FALSE(s.tbToolBar.Button(b).Enabled) << b;
  EXPECT_TRUE(s.tbToolBar.Button(3).Enabled);
  EXPECT_TRUE(s.tbToolBar.Button(5).Enabled);
  EXPECT_FLOAT_EQ(G.InitialScaleWidth, 1200);
  EXPECT_EQ(G.InitialScaleHeight, -1000);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(G.GridRedrawPending, model::True);
  ASSERT_FALSE(G.AppPath.empty());
  EXPECT_EQ(G.AppPath.back(), '/');
  EXPECT_EQ(h.platform.FontsRegistered, std::vector<std::string>{G.AppPath + "erarch.ttf"});
  // The redraw drew the grid: a dot at (100, 100) of the default view, 649 by 549 pixels.
  const int px = static_cast<int>(100.0 * 649 / 1200 + 0.5), py = static_cast<int>(900.0 * 549 / 1000 + 0.5);
  EXPECT_EQ(s.Base.PixelAt(px, py), model::Blue);
}

TEST_F(Startup, AnExitWritesEveryKeyByItsNameAsText) {
  Start();
  Sheet().WindowState = ui::WindowNormal;
  ASSERT_TRUE(Close());
  std::map<std::string, std::string> expected;
  for (const KeyCase& k : KeysBesideTheRectangle()) expected[k.key] = k.defaultText;
  for (const Rect& r : Rectangle) expected[r.key] = r.defaultText;
  expected["WindowState"] = "0";
  EXPECT_EQ(Stored(), expected);
  EXPECT_EQ(expected.size(), 56u);
}

TEST_F(Startup, AnExitThenAStartRestoresEveryKey) {
  const std::vector<KeyCase> keys = KeysBesideTheRectangle();
  for (const KeyCase& k : keys) Store(k.key, k.otherText);
  Store("MainLeft", "720");
  Store("MainTop", "345");
  Store("MainWidth", "9000");
  Store("MainHeight", "7200.5");
  const std::map<std::string, std::string> before = Stored();
  Start();
  for (const KeyCase& k : keys) EXPECT_EQ(k.value(), k.otherValue) << k.key;
  EXPECT_FLOAT_EQ(Sheet().Left, 720);
  EXPECT_FLOAT_EQ(Sheet().Height, 7200.5f);
  ASSERT_TRUE(Close());
  EXPECT_EQ(Stored(), before);

  // What changed during a run is what the next run finds.
  Start();
  G.GridSpacing = 40;
  G.ImpCwTol = -9;
  Sheet().Base.SetScale(-600, 500, 2400, -2000);
  G.ZoomScale = 2;
  ASSERT_TRUE(Close());
  Start();
  EXPECT_EQ(G.GridSpacing, 40);
  EXPECT_EQ(G.ImpCwTol, -9);
  EXPECT_FLOAT_EQ(Sheet().Base.ScaleLeft, -600);
  EXPECT_FLOAT_EQ(Sheet().Base.ScaleHeight, -2000);
  EXPECT_FLOAT_EQ(G.ZoomScale, 2);
  EXPECT_FLOAT_EQ(G.InitialScaleWidth, 2400);
  EXPECT_EQ(G.InitialScaleHeight, -2000);
  // The stored units and axes reach the panel's captions at start.
  EXPECT_EQ(Sheet().IxUnitL.Caption, "in");
  EXPECT_EQ(Sheet().IxL.Caption, "Ix':");
  EXPECT_TRUE(Sheet().Phi.Visible);
}

TEST_F(Startup, AMaximisedOrMinimisedExitKeepsTheLastNormalRectangle) {
  for (int16_t state : {ui::WindowMaximized, ui::WindowMinimized}) {
    Store("MainLeft", "720");
    Store("MainTop", "345");
    Store("MainWidth", "9000");
    Store("MainHeight", "7000");
    Start();
    windows::SheetForm& s = Sheet();
    s.WindowState = state;
    s.Left = s.Top = 0;
    s.Width = 28800;
    s.Height = 16000;
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored()["WindowState"], std::to_string(state));
    EXPECT_EQ(Stored()["MainLeft"], "720");
    EXPECT_EQ(Stored()["MainWidth"], "9000");
    EXPECT_EQ(Stored()["MainHeight"], "7000");
    Start();
    EXPECT_EQ(Sheet().WindowState, state);
    EXPECT_FLOAT_EQ(Sheet().Width, 9000);
  }
}

TEST_F(Startup, StoredTextsThatDoNotFitTheirKeyGiveTheDefaultOrTheFloor) {
  struct Bad {
    const char* key;
    const char* text;
    double value;
  };
  const std::vector<KeyCase> keys = KeysBesideTheRectangle();
  auto valueOf = [&](const std::string& key) {
    for (const KeyCase& k : keys)
      if (k.key == key) return k.value();
    for (const Rect& r : Rectangle)
      if (r.key == key) return static_cast<double>(r.value());
    ADD_FAILURE() << key;
    return 0.0;
  };
  for (const Bad& b : {
           Bad{"GridSpacing", "ten", 100},
           Bad{"GridSpacing", "", 100},
           Bad{"GridSpacing", "40000", 100},  // beyond 16 bits
           Bad{"GridSpacing", "5", 10},
           Bad{"GridSpacing", "-30", 10},
           Bad{"GridSpacing", "+-30", 100},  // one sign at most: no number, not -30
           Bad{"ScaleLeft", "+-40", 0},
           Bad{"GridSpacing", "12.5", 12},  // half to even
           Bad{"GridSpacing", "13.5", 14},
           Bad{"RotateSnap", "0", 1},
           Bad{"RotateSnap", "-5", 1},
           Bad{"RotateSnap", "45deg", 1},
           Bad{"ScaleWidth", "0", 1200},
           Bad{"ScaleWidth", "wide", 1200},
           Bad{"ScaleWidth", "0.3", 1200},
           Bad{"ScaleHeight", "0", -1000},
           Bad{"ScaleWidth", "-1200", 1200},   // y points up: the width is positive,
           Bad{"ScaleHeight", "1000", -1000},  // the height negative
           Bad{"ScaleHeight", "-0.4", -1000},
           Bad{"ScaleHeight", "1e39", -1000},
           Bad{"ScaleLeft", "nan", 0},
           Bad{"ScaleLeft", "1e30", 0},
           Bad{"ScaleTop", "-2e7", 1000},
           Bad{"ScaleWidth", "3e7", 1200},
           Bad{"ScaleLeft", "-9999999", -9999999},
           Bad{"ScaleTop", "inf", 1000},
           Bad{"ZoomScale", "0", 1},
           Bad{"ZoomScale", "-2", 1},
           Bad{"UnitStatus", "maybe", -1},
           Bad{"UnitStatus", "false", 0},
           Bad{"UnitStatus", "0", 0},
           Bad{"RotAxis", "Yes", -1},
           Bad{"ShowHelp", "", -1},
           Bad{"WindowState", "7", 2},
           Bad{"WindowState", "-1", 2},
           Bad{"MainLeft", "left", 500},
           Bad{"MainHeight", "1e40", 9500},
           Bad{"MainLeft", "-3e9", 500},
           Bad{"MainTop", "2e6", 500},
           Bad{"MainWidth", "0", 12500},
           Bad{"MainHeight", "-100", 9500},
           Bad{"MainLeft", "-2000", -2000},
           Bad{"SIIxTol", "6.5", 6},
           Bad{"SIJTol", "x", 4},
           Bad{"ImpPrec", "99999", 2},
       }) {
    h.platform.Settings.clear();
    Store(b.key, b.text);
    Start();
    EXPECT_EQ(valueOf(b.key), b.value) << b.key << " \"" << b.text << "\"";
  }
}

// A view the store gives saves and opens again through the zoom steps, and the next start
// finds it. A zoom scale of 3e38 is one (no zoom out is taken: doubled, it would pass the
// largest single); a negative width is not, and the default width serves.
TEST_F(Startup, AStoredViewSavesAndOpensAgainThroughTheZoomSteps) {
  const std::filesystem::path dir = testing_files::FreshTestFolder("quorvane-stored-view");
  Store("ScaleLeft", "-50");
  Store("ScaleTop", "700");
  Store("ScaleWidth", "-1200");
  Store("ZoomScale", "3e38");
  Start();
  for (int i = 0; i < 30; ++i) view::ZoomViewOut();
  view::ZoomViewIn();  // about the centre (550, 200): 600 x -500, half the zoom scale
  auto expectView = [](const char* when) {
    const ui::PictureBox& base = Sheet().Base;
    EXPECT_EQ(base.ScaleLeft, 250) << when;
    EXPECT_EQ(base.ScaleTop, 450) << when;
    EXPECT_EQ(base.ScaleWidth, 600) << when;
    EXPECT_EQ(base.ScaleHeight, -500) << when;
    EXPECT_EQ(G.ZoomScale, 3e38f / 2) << when;
  };
  expectView("after the steps");
  G.Modified = model::True;
  const std::string file = (dir / "view.qvn").string();
  h.platform.FileAnswers.push_back(file);
  editor::Saveas_Click();
  ASSERT_EQ(G.Modified, model::False);
  Sheet().Base.SetScale(0, 1000, 1200, -1000);
  G.ZoomScale = 1;
  h.platform.FileAnswers.push_back(file);
  editor::Open_Click();
  EXPECT_TRUE(h.platform.Messages.empty());
  expectView("opened again");
  ASSERT_TRUE(Close());
  Start();
  expectView("at the next start");
  testing_files::RemoveTestFolder(dir);
}

TEST_F(Startup, TheNoticeShowsOnlyWhenSplashReadIsOne) {
  struct Case {
    const char* stored;  // nothing stored: the default 1
    bool shown;
  };
  for (const Case& c : {Case{nullptr, true}, Case{"1", true}, Case{"0", false}, Case{"2", false}, Case{"-1", false}}) {
    h.platform.Settings.clear();
    if (c.stored) Store("SplashRead", c.stored);
    Start();
    const SplashForm* splash = SplashWindow();
    const bool open = splash && splash->IsLoaded() && splash->Visible;
    EXPECT_EQ(open, c.shown) << (c.stored ? c.stored : "(none)");
    ASSERT_TRUE(Close());
    // The notice does not outlive the main window, and its own answer is not asked for.
    EXPECT_TRUE(!SplashWindow() || !SplashWindow()->IsLoaded());
    EXPECT_EQ(Stored()["SplashRead"], c.stored ? c.stored : "1");
  }
}

TEST_F(Startup, AnUnchangedDocumentClosesWithoutAQuestion) {
  Start();
  ASSERT_TRUE(Close());
  EXPECT_TRUE(h.platform.ModalShown.empty());
  EXPECT_FALSE(Stored().empty());
}

TEST_F(Startup, OnlyYesToTheQuestionLetsAChangedDocumentClose) {
  using ui::headless::Click;
  using ui::headless::PressEscape;
  struct Answer {
    const char* name;
    std::function<void(QueryForm&)> gesture;
    bool closes;
  };
  for (const Answer& a : {Answer{"No", [](QueryForm& q) { Click(q.Command2); }, false},
                          Answer{"Cancel", [](QueryForm& q) { Click(q.Command3); }, false},
                          Answer{"Esc", [](QueryForm& q) { PressEscape(q); }, false},
                          Answer{"close box", [](QueryForm& q) { ui::headless::CloseBox(q); }, false},
                          Answer{"Yes", [](QueryForm& q) { Click(q.Command1); }, true}}) {
    h.platform.Settings.clear();
    Start();
    G.Modified = model::True;
    G.GridSpacing = 70;
    std::string asked;
    h.platform.OnModal("QueryForm", [&](ui::Form& f) {
      auto& q = static_cast<QueryForm&>(f);
      asked = q.Label1.Caption;
      a.gesture(q);
    });
    EXPECT_EQ(Close(), a.closes) << a.name;
    EXPECT_EQ(asked, "Discard Changes and Exit?");
    EXPECT_EQ(Sheet().IsLoaded(), !a.closes) << a.name;
    EXPECT_EQ(G.Modified, model::True);
    // A close that does not go ahead writes nothing.
    EXPECT_EQ(Stored().empty(), !a.closes) << a.name;
    if (a.closes) {
      EXPECT_EQ(Stored()["GridSpacing"], "70");
    }
  }
}

TEST_F(Startup, ExitClosesByTheSamePath) {
  Start();
  G.Modified = model::True;
  testing::AnswerQuestion(h.platform, testing::No);
  Sheet().Exit.Click();
  EXPECT_TRUE(Sheet().IsLoaded());
  G.Modified = model::False;
  Sheet().Exit.Click();
  EXPECT_FALSE(Sheet().IsLoaded());
  EXPECT_EQ(Stored()["UnitStatus"], "True");
}

class StartupWithACommandLine : public AppSession {
 protected:
  void TearDown() override {
    SetCommandLine(0, nullptr);
    testing_files::RemoveTestFolder(folder);
    AppSession::TearDown();
  }
  void CommandLine(std::vector<std::string> words) {
    args = {"quorvane"};
    for (std::string& w : words) args.push_back(std::move(w));
    argv.clear();
    for (std::string& a : args) argv.push_back(a.data());
    SetCommandLine(static_cast<int>(argv.size()), argv.data());
  }
  const std::filesystem::path folder = testing_files::FreshTestFolder("quorvane-startup");
  std::vector<std::string> args;
  std::vector<char*> argv;
};

TEST_F(StartupWithACommandLine, TheNamedDocumentOpensWithItsUnitsAndNothingToUndo) {
  const std::string path = (folder / "two plates.qvn").string();
  editor::DocumentData d;
  d.UnitStatus = model::False;  // stored in inches, principal axes
  d.RotAxis = model::False;
  d.Elements = {model::testing::Plate(254, 127, 0, 0), model::testing::Plate(254, 127, 0, 127)};
  std::ofstream(path, std::ios::binary) << editor::WriteDocument(d);

  CommandLine({path});
  Start();
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_EQ(G.ElementCount, 2);
  EXPECT_EQ(G.FileName, path);
  EXPECT_EQ(G.CommandLineFile, "");
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_EQ(Sheet().Caption, "Quorvane - " + path + " (Unmodified)");
  // The document's units and axes reach the panel: two 10 x 5 in plates are 100 in2.
  EXPECT_EQ(Sheet().AunitL.Caption, "in");
  EXPECT_EQ(Sheet().IxL.Caption, "Ix':");
  EXPECT_EQ(Sheet().Area.Caption, " 100");
  EXPECT_FALSE(Sheet().Undo.Enabled);
  EXPECT_FALSE(Sheet().Redo.Enabled);

  // With quotes around it the same document opens.
  CommandLine({"\"" + path + "\""});
  Start();
  EXPECT_EQ(G.FileName, path);
}

TEST_F(StartupWithACommandLine, ADocumentThatCannotBeReadIsReportedAndStartUpGoesOn) {
  CommandLine({"first.qvn", "second.qvn"});  // two names are one path
  Start();
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>{"Invalid File or File Not Found!"});
  EXPECT_EQ(G.FileName, "");
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(Sheet().Caption, "Quorvane - (Unmodified)");
  EXPECT_FALSE(Sheet().Undo.Enabled);
  EXPECT_TRUE(Sheet().Visible);
}

TEST_F(Startup, TheResultsPanelIsSetInTheResultsFace) {
  Start();
  windows::SheetForm& s = Sheet();
  int inFace = 0;
  for (ui::Control* c : s.Controls())
    if (c->FontName == "ER Architect") ++inFace;
  EXPECT_EQ(inFace, 59);
  for (ui::Control* c : {static_cast<ui::Control*>(&s.CalcTitle), static_cast<ui::Control*>(&s.PaxisPhiL),
                         static_cast<ui::Control*>(&s.Phi), static_cast<ui::Control*>(&s.Label27)})
    EXPECT_EQ(c->FontName, "ER Architect") << c->Name();
  // Only the face changes: the heading stays bold, the power digits small.
  EXPECT_TRUE(s.CalcTitle.FontBold);
  EXPECT_FLOAT_EQ(s.Label5.FontSize, 7);
}

}  // namespace
}  // namespace app
