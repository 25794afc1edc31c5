// The predefined cases from the Tools menu to the value on the panel: each case's picks
// clicked on the drawing area with its windows answered, the Tools captions before,
// during and after, Cancel and Esc between the picks, Esc in the drawing area, and the
// commands that end a case.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "dialogs/case_dialogs.h"
#include "editor/documents.h"
#include "editor/modes.h"
#include "editor/undo.h"
#include "model/globals.h"
#include "section_fixture.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace model {
namespace {

namespace hl = ui::headless;
using testing::Plate;
using testing::Shape;

// The drawing: every element's own J and Cw are round numbers so that the sums are plain.
enum Element { A = 1, B, C, F, W, I, Ch, Count = Ch };

class CasePicks : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    ui::ShowModeless(windows::Sheet());
    app::WireMainWindow();
    G.UnitStatus = True;
    G.RotAxis = True;
    G.ShowHelp = True;
    G.SIPrec = 2;
    Add(Plate(200, 10, 100, 100));  // A: 200 wide, 10 deep
    Add(Plate(12, 300, 400, 100));  // B: 12 wide, 300 deep
    Add(Plate(250, 10, 100, 300));  // C: one wall of a square box
    Add(Plate(300, 20, 100, 500));  // F: a flange plate
    Add(Plate(10, 500, 600, 300));  // W: a web plate
    // I: an I-section 400 deep, 200 wide, flanges 15 thick; its own Iy 2e7.
    ElementRecord i = Shape(0, 400, 200, 15, 10, 700, 100);
    i.ElemIy = 2e7f;
    Add(i);
    // Ch: a channel 250 deep, flanges 80 wide and 12 thick, web 8 thick; its own Ix 4e7.
    ElementRecord ch = Shape(6, 250, 80, 12, 8, 950, 100);
    ch.ElemIx = 4e7f;
    Add(ch);
    for (int16_t k = 1; k <= Count; ++k) {
      G.Elements[k].ElemJ = 1000.0f * k;
      G.Elements[k].ElemCw = 1e9f;
    }
    view::RedrawDrawing();
  }

  void Add(const ElementRecord& e) { G.Elements[++G.ElementCount] = e; }

  // A click at the middle of element k's box, through the pixel grid of the drawing area.
  void ClickOn(int k) {
    const ElementRecord& e = G.Elements[k];
    ui::PictureBox& base = windows::Sheet().Base;
    const double x = e.PosX + e.Width / 2.0, y = e.PosY + e.Depth / 2.0;
    hl::MouseDown(base, static_cast<int>(std::lround(base.ToPixelX(x))),
                  static_cast<int>(std::lround(base.ToPixelY(y))));
    hl::MouseUp(base, static_cast<int>(std::lround(base.ToPixelX(x))), static_cast<int>(std::lround(base.ToPixelY(y))));
  }

  // The Tools command chooses a case in its chooser and continues in its first prompt.
  void Choose(ui::Menu& item, const char* chooser, const char* button, const char* prompt) {
    h.platform.OnModal(chooser,
                       [button](ui::Form& f) { hl::Click(*dynamic_cast<ui::CommandButton*>(f.Find(button))); });
    h.platform.OnModal(prompt,
                       [](ui::Form& f) { hl::Click(*dynamic_cast<ui::CommandButton*>(f.Find("cmdContinue"))); });
    item.Click();
  }

  // The prompt window between the picks: its label is noted, then it is answered.
  void AnswerNext(const char* prompt, const char* button, std::string* label) {
    h.platform.OnModal(prompt, [button, label](ui::Form& f) {
      for (const char* name : {"Label1", "lbl1"})
        if (auto* l = dynamic_cast<ui::Label*>(f.Find(name))) *label = l->Caption;
      hl::Click(*dynamic_cast<ui::CommandButton*>(f.Find(button)));
    });
  }

  static constexpr float JSum = 1000 + 2000 + 3000 + 4000 + 5000 + 6000 + 7000;
  static constexpr float CwSum = 7e9f;
  hl::ScopedHeadless h;
};

// The values the formulas give by hand for the pieces of the drawing.
// Rectangular box, A (t1 10, L1 200) then B (t2 12, L2 300):
//   2 x 212^2 x 290^2 / (290 / 12 + 212 / 10) = 7559580800 / 45.36667 = 1.66633e8.
// Square box on C (t1 10, L1 250): 240^3 x 10 = 138240000.
// Wide flange, F (tf 20, bf 300) then W (tw 10, hw 500):
//   Iyf = 300^3 x 40 / 12 + 10^3 x 500 / 12 = 90041666.7; Cw = 520^2 x Iyf / 4 = 6.08682e12.
// Zed, F then W: t 15, b' 295, h 520: 295^3 x 520^2 x 15 / 12 x 1335 / 1110 = 1.04361e13.
// Channel, F then W: A 17000, xbar 1825000 / 17000 - 5 = 102.353, Ix 915766667,
//   rx 232.096, e0 (520 / 464.192)^2 x 102.353 = 128.44;
//   Cw = 520^2 x 295^3 x 20 / 6 - e0^2 x Ix = 2.31394e13 - 1.51080e13 = 8.0314e12.
// Crane girder, I (W1 200, T1 15, D1 400, Iy1 2e7) then Ch (W2 80, D2 250, T2 12, tw2 8,
//   Ix2 4e7): I1 5e7, I2 1e7, It 6e7, a 5/6, e 6400 x 62500 x 12 / (a x 4 x 6e7) = 24,
//   h 400 - 15 + 4 + 24 = 413, Cw = 413^2 / 36 x (25e7 + 5e7) = 1.421408e12.
struct CaseRun {
  const char* name;
  bool torsion;
  const char* button;
  const char* firstPrompt;
  const char* secondPrompt;  // null: one pick
  const char* secondText;
  std::vector<int> picks;
  double value;
};

const std::vector<CaseRun>& Runs() {
  static const std::vector<CaseRun> runs = {
      {"rectangular box",
       true,
       "pctRectangle",
       "frmPlate1",
       "frmPlate2",
       "Click Continue to Select typical plate t2 as shown:",
       {A, B},
       7559580800.0 / (290.0 / 12 + 21.2)},
      {"square box", true, "pctSquare", "frmPlate1", nullptr, nullptr, {C}, 138240000},
      {"crane girder",
       false,
       "pctCrane",
       "frmCrane",
       "frmCrane",
       "Click Continue to select the Channel section as shown:",
       {I, Ch},
       413.0 * 413 / 36 * 3e8},
      {"wide flange",
       false,
       "pctWF",
       "frmWF",
       "frmWF",
       "Click Continue to select the Web section:",
       {F, W},
       520.0 * 520 * (27e6 * 40 / 12 + 1000.0 * 500 / 12) / 4},
      {"zed",
       false,
       "pctZed",
       "frmZed",
       "frmZed",
       "Click Continue to select the Web section:",
       {F, W},
       295.0 * 295 * 295 * 520 * 520 * 15 / 12 * 1335 / 1110},
      {"channel",
       false,
       "pctChan",
       "frmChannel",
       "frmChannel",
       "Click Continue to select the Web section:",
       {F, W},
       8.0314e12},
  };
  return runs;
}

TEST_F(CasePicks, EachCaseFromTheToolsMenuToItsValueAndBack) {
  for (const CaseRun& r : Runs()) {
    SCOPED_TRACE(r.name);
    windows::SheetForm& s = windows::Sheet();
    ui::Menu& item = r.torsion ? s.Torsional : s.Warping;
    const char* setText = r.torsion ? windows::SetTorsionalCaption : windows::SetWarpingCaption;
    const char* resetText = r.torsion ? windows::ResetTorsionalCaption : windows::ResetWarpingCaption;
    auto value = [&] { return r.torsion ? G.SecJ : G.SecCw; };
    const float sum = r.torsion ? JSum : CwSum;
    G.Modified = False;
    h.platform.Messages.clear();
    h.platform.ModalShown.clear();

    EXPECT_EQ(item.Caption, setText);
    Choose(item, r.torsion ? "frmSetTorsion" : "frmSetWarping", r.button, r.firstPrompt);
    EXPECT_EQ(item.Caption, setText);

    std::string label;
    if (r.secondPrompt) AnswerNext(r.secondPrompt, "cmdContinue", &label);
    ClickOn(r.picks[0]);
    if (r.secondPrompt) {
      EXPECT_EQ(label, r.secondText);
      EXPECT_EQ(item.Caption, setText);  // waiting for the second pick
      EXPECT_TRUE(h.platform.Messages.empty());
      view::RedrawDrawing();
      EXPECT_EQ(value(), sum);
      if (std::string(r.name) == "channel") h.platform.Messages.clear();
      ClickOn(r.picks[1]);
    }
    EXPECT_EQ(item.Caption, resetText);
    EXPECT_NEAR(value(), r.value, r.value * 2e-5);
    ASSERT_FALSE(h.platform.Messages.empty());
    EXPECT_EQ(h.platform.Messages.back(),
              r.torsion ? "Torsional Constant Has Been Modified" : "Warping Constant Has Been Modified");
    if (std::string(r.name) == "channel") {
      // The recalculation of the completion shows e0 first.
      ASSERT_EQ(h.platform.Messages.size(), 2u);
      EXPECT_NEAR(std::stod(h.platform.Messages[0]), 128.44, 0.01);
    } else {
      EXPECT_EQ(h.platform.Messages.size(), 1u);
    }
    EXPECT_TRUE(G.Modified);
    EXPECT_EQ(s.Caption, "Quorvane -  (Modified)");
    // A later edit leaves the case value; a further click picks nothing.
    G.Elements[r.picks[0]].PosX += 20;
    h.platform.Messages.clear();
    ClickOn(A);
    ClickOn(A);
    EXPECT_NEAR(value(), r.value, r.value * 2e-5);
    for (const std::string& m : h.platform.Messages) EXPECT_EQ(m.find("Has Been Modified"), std::string::npos);

    // Chosen again, the command reverts to the sum.
    h.platform.Messages.clear();
    item.Click();
    EXPECT_EQ(item.Caption, setText);
    EXPECT_EQ(value(), sum);
    EXPECT_EQ(h.platform.Messages.back(),
              r.torsion ? "Torsional Constant Reverted to Default" : "Warping Constant Reverted to Default");
    G.Elements[r.picks[0]].PosX -= 20;
    view::RedrawDrawing();
  }
  EXPECT_TRUE(h.platform.PendingScripts().empty());
}

TEST_F(CasePicks, CancelBetweenThePicksLeavesTheCaseUnset) {
  for (const CaseRun& r : Runs()) {
    if (!r.secondPrompt) continue;
    for (const char* cancel : {"Command1", "Esc"}) {
      SCOPED_TRACE(std::string(r.name) + " " + cancel);
      ui::Menu& item = r.torsion ? windows::Sheet().Torsional : windows::Sheet().Warping;
      h.platform.Messages.clear();
      Choose(item, r.torsion ? "frmSetTorsion" : "frmSetWarping", r.button, r.firstPrompt);
      std::string label;
      if (std::string(cancel) == "Esc")
        h.platform.OnModal(r.secondPrompt, [](ui::Form& f) { hl::PressEscape(f); });
      else
        AnswerNext(r.secondPrompt, "Command1", &label);
      ClickOn(r.picks[0]);
      EXPECT_EQ(r.torsion ? G.ManualJ : G.ManualCw, 0);
      // The next click picks nothing: no prompt (none is scripted), no message.
      ClickOn(r.picks[1]);
      EXPECT_TRUE(h.platform.Messages.empty());
      EXPECT_EQ(item.Caption, r.torsion ? windows::SetTorsionalCaption : windows::SetWarpingCaption);
      EXPECT_EQ(r.torsion ? G.SecJ : G.SecCw, r.torsion ? JSum : CwSum);
      // Chosen again, the command opens the chooser (no revert message): here it is left.
      h.platform.OnModal(r.torsion ? "frmSetTorsion" : "frmSetWarping", [](ui::Form& f) { hl::PressEscape(f); });
      item.Click();
      EXPECT_TRUE(h.platform.Messages.empty());
      ClickOn(r.picks[1]);  // deselect
    }
  }
  EXPECT_TRUE(h.platform.PendingScripts().empty());
}

TEST_F(CasePicks, OneClickServesAWaitingTorsionCaseAndAWaitingWarpingCase) {
  windows::SheetForm& s = windows::Sheet();
  Choose(s.Torsional, "frmSetTorsion", "pctRectangle", "frmPlate1");
  Choose(s.Warping, "frmSetWarping", "pctWF", "frmWF");
  h.platform.ModalShown.clear();
  std::string plate2, web;
  AnswerNext("frmPlate2", "cmdContinue", &plate2);
  AnswerNext("frmWF", "cmdContinue", &web);
  ClickOn(F);
  EXPECT_EQ(h.platform.ModalShown, (std::vector<std::string>{"frmPlate2", "frmWF"}));
  EXPECT_EQ(web, "Click Continue to select the Web section:");
  ClickOn(W);
  EXPECT_EQ(h.platform.Messages,
            (std::vector<std::string>{"Torsional Constant Has Been Modified", "Warping Constant Has Been Modified"}));
  // F as t1 (20, 300), W as t2 (10, 500): 2 x 310^2 x 480^2 / (480 / 10 + 310 / 20) = 44282880000 / 63.5.
  EXPECT_NEAR(G.SecJ, 44282880000.0 / 63.5, 20);
  EXPECT_NEAR(G.SecCw, 6.08682e12, 1e7);
  EXPECT_EQ(s.Torsional.Caption, windows::ResetTorsionalCaption);
  EXPECT_EQ(s.Warping.Caption, windows::ResetWarpingCaption);
}

// Esc ends the drawing area's modes, not a case: one waiting for its second pick waits
// on, and the next pick finishes it.
TEST_F(CasePicks, EscInTheDrawingAreaKeepsACaseWaitingForItsNextPick) {
  windows::SheetForm& s = windows::Sheet();
  for (const CaseRun& r : Runs()) {
    if (!r.secondPrompt) continue;
    SCOPED_TRACE(r.name);
    ui::Menu& item = r.torsion ? s.Torsional : s.Warping;
    Choose(item, r.torsion ? "frmSetTorsion" : "frmSetWarping", r.button, r.firstPrompt);
    std::string label;
    AnswerNext(r.secondPrompt, "cmdContinue", &label);
    const int16_t chosen = r.torsion ? G.ManualJ : G.ManualCw;
    ClickOn(r.picks[0]);
    s.Base.SetFocus();
    hl::PressEscape(s);  // Esc in the drawing area
    EXPECT_EQ(r.torsion ? G.ManualJ : G.ManualCw, chosen);
    EXPECT_EQ(r.torsion ? G.TorsionPickStep : G.WarpPickStep, 1);
    h.platform.Messages.clear();
    ClickOn(r.picks[1]);
    ASSERT_FALSE(h.platform.Messages.empty());
    EXPECT_EQ(h.platform.Messages.back(),
              r.torsion ? "Torsional Constant Has Been Modified" : "Warping Constant Has Been Modified");
    EXPECT_EQ(item.Caption, r.torsion ? windows::ResetTorsionalCaption : windows::ResetWarpingCaption);
    EXPECT_NEAR(r.torsion ? G.SecJ : G.SecCw, r.value, r.value * 2e-5);
    // Back to the sum for the next case.
    item.Click();
    editor::CancelCommand();
  }
  EXPECT_TRUE(h.platform.PendingScripts().empty());
}

// Every state of both families, waiting or finished, comes through Esc as it was, with
// the drawing area idle or in any of its modes.
TEST_F(CasePicks, EscLeavesEveryCaseAsItIs) {
  struct State {
    int16_t manualJ, torsionStep, manualCw, warpStep;
  };
  const State states[] = {{1, 0, 0, 0}, {1, 1, 2, 1}, {1, 2, 1, 0}, {2, 0, 3, 1},
                          {2, 1, 2, 2}, {0, 0, 1, 1}, {0, 0, 4, 0}, {0, 0, 0, 0}};
  for (void (*begin)() : {+[] {}, editor::BeginMove, editor::BeginRotate, editor::BeginMirror}) {
    for (const State& st : states) {
      G.Elements[A].Selected = True;
      begin();
      G.ManualJ = st.manualJ;
      G.TorsionPickStep = st.torsionStep;
      G.ManualCw = st.manualCw;
      G.WarpPickStep = st.warpStep;
      editor::CancelCommand();
      EXPECT_FALSE(G.MoveMode || G.RotateMode || G.MirrorMode);
      EXPECT_EQ(G.ManualJ, st.manualJ);
      EXPECT_EQ(G.TorsionPickStep, st.torsionStep);
      EXPECT_EQ(G.ManualCw, st.manualCw);
      EXPECT_EQ(G.WarpPickStep, st.warpStep);
    }
  }
}

// With a Move under way the Tools command first cancels the Move; the waiting case waits
// through that cancel, so the command reverts it instead of opening the chooser.
TEST_F(CasePicks, TheToolsCommandDuringAMoveRevertsAWaitingCase) {
  windows::SheetForm& s = windows::Sheet();
  for (const CaseRun& r : Runs()) {
    if (!r.secondPrompt) continue;
    SCOPED_TRACE(r.name);
    ui::Menu& item = r.torsion ? s.Torsional : s.Warping;
    Choose(item, r.torsion ? "frmSetTorsion" : "frmSetWarping", r.button, r.firstPrompt);
    std::string label;
    AnswerNext(r.secondPrompt, "cmdContinue", &label);
    ClickOn(r.picks[0]);  // picked, and selected
    ASSERT_TRUE(G.Elements[r.picks[0]].Selected);
    editor::BeginMove();
    ASSERT_TRUE(G.MoveMode);
    h.platform.Messages.clear();
    h.platform.ModalShown.clear();
    item.Click();
    EXPECT_FALSE(G.MoveMode);
    EXPECT_TRUE(h.platform.ModalShown.empty());  // no chooser
    EXPECT_EQ(h.platform.Messages, std::vector<std::string>{r.torsion ? "Torsional Constant Reverted to Default"
                                                                      : "Warping Constant Reverted to Default"});
    EXPECT_EQ(r.torsion ? G.ManualJ : G.ManualCw, 0);
    EXPECT_EQ(item.Caption, r.torsion ? windows::SetTorsionalCaption : windows::SetWarpingCaption);
    EXPECT_EQ(r.torsion ? G.SecJ : G.SecCw, r.torsion ? JSum : CwSum);
  }
}

TEST_F(CasePicks, UndoAndRedoInTheMiddleOfThePicksEndTheCase) {
  windows::SheetForm& s = windows::Sheet();
  for (void (*command)() : {editor::Undo_Click, editor::Redo_Click}) {
    editor::ResetUndoHistory();
    editor::PushUndoState();  // one step back to the same drawing
    if (command == editor::Redo_Click) editor::Undo_Click();
    Choose(s.Torsional, "frmSetTorsion", "pctRectangle", "frmPlate1");
    std::string label;
    AnswerNext("frmPlate2", "cmdContinue", &label);
    ClickOn(A);
    h.platform.Messages.clear();
    command();
    EXPECT_EQ(h.platform.Messages.size(), 1u);
    EXPECT_EQ(G.ManualJ, 0);
    EXPECT_EQ(s.Torsional.Caption, windows::SetTorsionalCaption);
    h.platform.Messages.clear();
    ClickOn(B);  // picks nothing
    EXPECT_TRUE(h.platform.Messages.empty());
    EXPECT_EQ(G.SecJ, JSum);
    editor::CancelCommand();
  }
}

TEST_F(CasePicks, ANewDocumentInTheMiddleOfThePicksEndsTheCase) {
  windows::SheetForm& s = windows::Sheet();
  Choose(s.Warping, "frmSetWarping", "pctCrane", "frmCrane");
  std::string label;
  AnswerNext("frmCrane", "cmdContinue", &label);
  ClickOn(I);
  G.Modified = False;  // nothing to discard: no question
  const std::array<ElementRecord, MaxElements + 1> drawing = G.Elements;
  editor::New_Click();
  EXPECT_EQ(G.ManualCw, 0);
  EXPECT_EQ(s.Warping.Caption, windows::SetWarpingCaption);
  // The same elements drawn again: the channel is no second pick.
  G.Elements = drawing;
  G.ElementCount = Count;
  view::RedrawDrawing();
  h.platform.Messages.clear();
  ClickOn(Ch);
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_EQ(G.SecCw, CwSum);
}

TEST_F(CasePicks, TheToolsCommandDuringARotationPutsTheTurnedElementsBack) {
  windows::SheetForm& s = windows::Sheet();
  for (void (*begin)() : {editor::BeginRotate, editor::BeginMirror}) {
    ClickOn(B);  // selects B
    ASSERT_TRUE(G.Elements[B].Selected);
    begin();
    ui::PictureBox& base = s.Base;
    const int px = static_cast<int>(std::lround(base.ToPixelX(600))),
              py = static_cast<int>(std::lround(base.ToPixelY(700)));
    hl::MouseDown(base, px, py);  // the pivot, or the first mirror point
    hl::MouseMove(base, px + 40, py - 60);
    ASSERT_TRUE(G.Elements[B].Angle != 0 || G.Elements[B].MirrorSign != 1);  // the preview turned B
    h.platform.OnModal("frmSetTorsion", [](ui::Form& f) { hl::PressEscape(f); });
    s.Torsional.Click();
    EXPECT_EQ(G.Elements[B].Angle, 0);
    EXPECT_EQ(G.Elements[B].MirrorSign, 1);
    EXPECT_FALSE(G.RotateMode);
    EXPECT_FALSE(G.MirrorMode);
    EXPECT_FALSE(G.Elements[B].Selected);
  }
}

}  // namespace
}  // namespace model
