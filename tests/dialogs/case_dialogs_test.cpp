// The Tools menu's torsion and warping commands, their choosers, the revert to the sums
// and the resets that other commands use.

#include "dialogs/case_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/globals.h"
#include "model/section_fixture.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "view/redraw.h"
#include "windows/case_pictures.h"
#include "windows/sheet.h"

namespace dialogs {
using namespace model;
namespace {

namespace hl = ui::headless;
using model::testing::Plate;

// Notes J and Cw as they stand when each message is shown.
struct RecordingPlatform : hl::HeadlessPlatform {
  void MsgBox(const std::string& text) override {
    HeadlessPlatform::MsgBox(text);
    JAtMessage.push_back(G.SecJ);
    CwAtMessage.push_back(G.SecCw);
  }
  std::vector<float> JAtMessage, CwAtMessage;
};

class CaseDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    G.UnitStatus = True;
    G.RotAxis = True;
    ElementRecord a = Plate(200, 10, 0, 0);
    a.ElemJ = 1000;
    a.ElemCw = 2e9f;
    ElementRecord b = Plate(300, 12, 0, 100);
    b.ElemJ = 2000;
    b.ElemCw = 3e9f;
    G.Elements[1] = a;
    G.Elements[2] = b;
    G.ElementCount = 2;
  }
  RecordingPlatform& platform() { return h.platform; }
  ui::ScopedPlatform<RecordingPlatform> h;
};

ui::CommandButton& Button(ui::Form& f, const char* name) {
  auto* b = dynamic_cast<ui::CommandButton*>(f.Find(name));
  if (!b) throw hl::HeadlessError(std::string("no button ") + name);
  return *b;
}

const char* const TorsionText =
    "This will allow you to define the Torsional Constant based on predefined formulae for known section types.  All "
    "subsequent changes to the section will be ignored for the torsional constant until a new section file is started "
    "or until this menu item is selected again.";
const char* const WarpingText =
    "This will allow you to define the Warping Constant based on predefined formulae for known section types.  All "
    "subsequent changes to the section will be ignored for the warping constant until a new section file is started "
    "or until this menu item is selected again.";

TEST_F(CaseDialogs, TheChoosersShowTheirTextsAndOnePictureButtonPerCase) {
  struct Chooser {
    ui::Form& form;
    const char* caption;
    float width, height;
    const char* text;
    std::vector<std::pair<const char*, ui::Image (*)()>> pictures;
  };
  SetTorsionForm torsion;
  SetWarpingForm warping;
  for (const Chooser& c :
       {Chooser{torsion,
                "Set Torsional Constant",
                4590,
                3855,
                TorsionText,
                {{"pctSquare", windows::SquareBoxPicture}, {"pctRectangle", windows::RectangularBoxPicture}}},
        Chooser{warping,
                "Set Warping Constant",
                4605,
                5580,
                WarpingText,
                {{"pctChan", windows::ChannelPicture},
                 {"pctZed", windows::ZedPicture},
                 {"pctWF", windows::WideFlangePicture},
                 {"pctCrane", windows::CraneGirderPicture}}}}) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.form.Caption, c.caption);
    EXPECT_EQ(c.form.ScaleWidth(), c.width);
    EXPECT_EQ(c.form.ScaleHeight(), c.height);
    EXPECT_EQ(dynamic_cast<ui::Label*>(c.form.Find("Label1"))->Caption, c.text);
    EXPECT_EQ(dynamic_cast<ui::Label*>(c.form.Find("Label2"))->Caption,
              "Please select the section type from the list below:");
    EXPECT_EQ(Button(c.form, "cmdCancel").Caption, "Cancel");
    for (const auto& [name, picture] : c.pictures) EXPECT_EQ(Button(c.form, name).Picture.Pixels, picture().Pixels);
    for (const ui::Control* k : c.form.Controls()) {
      EXPECT_LE(k->Left + k->Width, c.width) << k->Name();
      EXPECT_LE(k->Top + k->Height, c.height) << k->Name();
    }
    c.form.EnsureLoaded();
    EXPECT_TRUE(c.form.KeyPreview);
  }
}

TEST_F(CaseDialogs, WithNoElementsTheCommandsDoNothing) {
  G.ElementCount = 0;
  G.Elements[1].Selected = True;  // a leftover slot above the count is not touched
  Torsional_Click();
  Warping_Click();
  EXPECT_TRUE(platform().ModalShown.empty());
  EXPECT_TRUE(platform().Messages.empty());
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(G.ManualCw, 0);
  EXPECT_TRUE(G.Elements[1].Selected);
  EXPECT_EQ(windows::Sheet().Torsional.Caption, windows::SetTorsionalCaption);
  EXPECT_EQ(windows::Sheet().Warping.Caption, windows::SetWarpingCaption);
}

TEST_F(CaseDialogs, EachPictureButtonStartsItsCaseAndShowsItsFirstPrompt) {
  struct Pick {
    void (*command)();
    const char* chooser;
    const char* button;
    bool torsion;
    int16_t manual;
    const char* prompt;
    const char* label;
    const char* text;
  };
  const char* flange = "Click Continue to select the Flange section:";
  const char* plate1 = "Click Continue to Select typical plate t1 as shown:";
  for (const Pick& p : {
           Pick{Torsional_Click, "frmSetTorsion", "pctRectangle", true, 1, "frmPlate1", "Label1", plate1},
           Pick{Torsional_Click, "frmSetTorsion", "pctSquare", true, 2, "frmPlate1", "Label1", plate1},
           Pick{Warping_Click, "frmSetWarping", "pctCrane", false, 1, "frmCrane", "lbl1",
                "Click Continue to select the I Beam section as shown:"},
           Pick{Warping_Click, "frmSetWarping", "pctWF", false, 2, "frmWF", "lbl1", flange},
           Pick{Warping_Click, "frmSetWarping", "pctZed", false, 3, "frmZed", "lbl1", flange},
           Pick{Warping_Click, "frmSetWarping", "pctChan", false, 4, "frmChannel", "lbl1", flange},
       }) {
    SCOPED_TRACE(p.button);
    platform().ModalShown.clear();
    G.ManualJ = G.ManualCw = 0;
    G.TorsionPickStep = G.WarpPickStep = 2;  // left over from an earlier case
    G.Elements[2].Selected = True;
    windows::Sheet().Cut.Enabled = windows::Sheet().Copy.Enabled = true;
    ui::Form* chooser = nullptr;
    platform().OnModal(p.chooser, [&](ui::Form& f) {
      chooser = &f;
      // Everything was deselected before the chooser opened.
      EXPECT_FALSE(G.Elements[2].Selected);
      EXPECT_FALSE(windows::Sheet().Cut.Enabled);
      EXPECT_FALSE(windows::Sheet().Copy.Enabled);
      hl::Click(Button(f, p.button));
    });
    platform().OnModal(p.prompt, [&](ui::Form& f) {
      // The case is chosen, its picks start again, and the chooser waits behind.
      EXPECT_EQ(p.torsion ? G.ManualJ : G.ManualCw, p.manual);
      EXPECT_EQ(p.torsion ? G.TorsionPickStep : G.WarpPickStep, 0);
      EXPECT_TRUE(chooser && chooser->IsLoaded());
      EXPECT_EQ(dynamic_cast<ui::Label*>(f.Find(p.label))->Caption, p.text);
      hl::Click(Button(f, "cmdContinue"));
    });
    p.command();
    EXPECT_EQ(platform().ModalShown, (std::vector<std::string>{p.chooser, p.prompt}));
    EXPECT_EQ(p.torsion ? G.ManualJ : G.ManualCw, p.manual);
    EXPECT_EQ(p.torsion ? G.ManualCw : G.ManualJ, 0);  // the other family is not touched
    EXPECT_EQ(p.torsion ? G.WarpPickStep : G.TorsionPickStep, 2);
    // Until its picks are made the case neither changes the caption nor says anything.
    EXPECT_EQ(windows::Sheet().Torsional.Caption, windows::SetTorsionalCaption);
    EXPECT_EQ(windows::Sheet().Warping.Caption, windows::SetWarpingCaption);
    EXPECT_TRUE(platform().Messages.empty());
  }
}

TEST_F(CaseDialogs, ClosingAChooserOrCancellingItsPromptLeavesNoCase) {
  enum class Way { CancelButton, Esc, CloseBox, EnterThenEsc, PromptCancel, PromptEsc };
  struct Family {
    void (*command)();
    const char* chooser;
    const char* button;
    const char* prompt;
    int16_t& manual;
  };
  for (const Family& fam : {Family{Torsional_Click, "frmSetTorsion", "pctRectangle", "frmPlate1", G.ManualJ},
                            Family{Warping_Click, "frmSetWarping", "pctZed", "frmZed", G.ManualCw}}) {
    for (Way way : {Way::CancelButton, Way::Esc, Way::CloseBox, Way::EnterThenEsc, Way::PromptCancel, Way::PromptEsc}) {
      SCOPED_TRACE(std::string(fam.chooser) + " way " + std::to_string(static_cast<int>(way)));
      platform().OnModal(fam.chooser, [&](ui::Form& f) {
        switch (way) {
          case Way::CancelButton:
            hl::Click(Button(f, "cmdCancel"));
            break;
          case Way::Esc:
            hl::PressEscape(f);
            break;
          case Way::CloseBox:
            hl::CloseBox(f);
            break;
          case Way::EnterThenEsc:
            hl::PressEnter(f);  // Enter does nothing in a chooser
            EXPECT_TRUE(f.IsLoaded());
            hl::PressEscape(f);
            break;
          case Way::PromptCancel:
          case Way::PromptEsc:
            hl::Click(Button(f, fam.button));
            break;
        }
      });
      if (way == Way::PromptCancel)
        platform().OnModal(fam.prompt, [](ui::Form& f) { hl::Click(Button(f, "Command1")); });
      if (way == Way::PromptEsc) platform().OnModal(fam.prompt, [](ui::Form& f) { hl::PressEscape(f); });
      fam.command();
      EXPECT_EQ(fam.manual, 0);
      EXPECT_EQ(G.TorsionPickStep, 0);
      EXPECT_EQ(G.WarpPickStep, 0);
      EXPECT_FALSE(G.Modified);
    }
  }
  EXPECT_TRUE(platform().PendingScripts().empty());
  EXPECT_TRUE(platform().Messages.empty());
  EXPECT_EQ(windows::Sheet().Torsional.Caption, windows::SetTorsionalCaption);
  EXPECT_EQ(windows::Sheet().Warping.Caption, windows::SetWarpingCaption);
}

// A finished square box on a 250 x 10 plate: J = (250 - 10)^3 x 10 = 138240000; a finished
// wide flange of a 300 x 20 flange and a 500 x 10 web: Cw = 520^2 x (300^3 x 40 / 12 +
// 10^3 x 500 / 12) / 4 = 6.0868e12. The sums are 1000 + 2000 and 2e9 + 3e9.
void FinishSquareBox() {
  G.ManualJ = 2;
  G.TorsionPickStep = 1;
  G.TorsionPicks[1].Width = 250;
  G.TorsionPicks[1].Depth = 10;
  windows::Sheet().Torsional.Caption = windows::ResetTorsionalCaption;
}

void FinishWideFlange() {
  G.ManualCw = 2;
  G.WarpPickStep = 2;
  G.WarpPicks[1].Width = 300;
  G.WarpPicks[1].Depth = 20;
  G.WarpPicks[2].Width = 10;
  G.WarpPicks[2].Depth = 500;
  windows::Sheet().Warping.Caption = windows::ResetWarpingCaption;
}

TEST_F(CaseDialogs, ChosenAgainTheCommandShowsTheSumThenSaysSoAndRestoresItsCaption) {
  FinishSquareBox();
  FinishWideFlange();
  view::RedrawDrawing();
  EXPECT_FLOAT_EQ(G.SecJ, 138240000);
  EXPECT_NEAR(G.SecCw, 6.0868e12, 0.0001e12);

  Torsional_Click();
  EXPECT_EQ(platform().Messages, std::vector<std::string>{"Torsional Constant Reverted to Default"});
  EXPECT_EQ(platform().JAtMessage, std::vector<float>{3000});
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(G.TorsionPickStep, 1);  // the picks stay as they were
  EXPECT_EQ(windows::Sheet().Torsional.Caption, windows::SetTorsionalCaption);
  // The warping case is not touched.
  EXPECT_EQ(G.ManualCw, 2);
  EXPECT_EQ(windows::Sheet().Warping.Caption, windows::ResetWarpingCaption);
  EXPECT_NEAR(G.SecCw, 6.0868e12, 0.0001e12);

  Warping_Click();
  EXPECT_EQ(platform().Messages.back(), "Warping Constant Reverted to Default");
  EXPECT_EQ(platform().CwAtMessage.back(), 5e9f);
  EXPECT_EQ(G.ManualCw, 0);
  EXPECT_EQ(windows::Sheet().Warping.Caption, windows::SetWarpingCaption);
  EXPECT_TRUE(platform().ModalShown.empty());
  EXPECT_FALSE(G.Modified);
}

TEST_F(CaseDialogs, ACaseStillBeingPickedIsRevertedInsteadOfChosenAgain) {
  G.ManualJ = 1;
  G.TorsionPickStep = 1;
  G.ManualCw = 4;
  G.WarpPickStep = 0;
  Torsional_Click();
  Warping_Click();
  EXPECT_TRUE(platform().ModalShown.empty());
  EXPECT_EQ(platform().Messages, (std::vector<std::string>{"Torsional Constant Reverted to Default",
                                                           "Warping Constant Reverted to Default"}));
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(G.ManualCw, 0);
}

TEST_F(CaseDialogs, ACaseOutlivingEveryElementCanStillBeReverted) {
  FinishSquareBox();
  G.ElementCount = 0;
  Torsional_Click();
  EXPECT_EQ(platform().Messages, std::vector<std::string>{"Torsional Constant Reverted to Default"});
  EXPECT_EQ(platform().JAtMessage, std::vector<float>{0});  // the sum over no elements
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(windows::Sheet().Torsional.Caption, windows::SetTorsionalCaption);
  EXPECT_TRUE(platform().ModalShown.empty());
}

TEST_F(CaseDialogs, TheResetEndsBothCasesAndRestoresBothCaptions) {
  FinishSquareBox();
  FinishWideFlange();
  ResetTorsionWarpingCases();
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(G.ManualCw, 0);
  EXPECT_EQ(windows::Sheet().Torsional.Caption, windows::SetTorsionalCaption);
  EXPECT_EQ(windows::Sheet().Warping.Caption, windows::SetWarpingCaption);
  view::RedrawDrawing();
  EXPECT_EQ(G.SecJ, 3000);
  EXPECT_EQ(G.SecCw, 5e9f);
  EXPECT_TRUE(platform().Messages.empty());
}

}  // namespace
}  // namespace dialogs
