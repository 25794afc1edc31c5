// The prompt windows between the picks of a predefined case: how each looks, and what
// Continue, Cancel, their keys and the close box leave behind.

#include "dialogs/case_prompts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/globals.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "ui/input.h"
#include "windows/case_pictures.h"

namespace dialogs {
using namespace model;
namespace {

namespace hl = ui::headless;

class CasePrompts : public ::testing::Test {
 protected:
  void SetUp() override { G = Globals{}; }
  hl::ScopedHeadless h;
};

struct PromptCase {
  const char* form;
  int16_t manualCw;  // 0: a torsion prompt
  std::function<void()> show;
  const char* caption;
  float width, height;
  const char* label;
  const char* text;
  ui::Image (*picture)();
};

std::vector<PromptCase> AllPrompts() {
  const char* web = "Click Continue to select the Web section:";
  return {
      {"frmPlate1", 0, ShowPlate1Prompt, "Select Plate t1", 4965, 1710, "Label1",
       "Click Continue to Select typical plate t1 as shown:", windows::RectangularBoxPicture},
      {"frmPlate2", 0, ShowPlate2Prompt, "Form1", 4965, 1710, "Label1",
       "Click Continue to Select typical plate t2 as shown:", windows::RectangularBoxPicture},
      {"frmCrane", 1, [] { ShowWarpPrompt("Click Continue to select the Channel section as shown:"); }, "Select...",
       4875, 1710, "lbl1", "Click Continue to select the Channel section as shown:", windows::CraneGirderPicture},
      {"frmWF", 2, [web] { ShowWarpPrompt(web); }, "Select...", 4725, 1650, "lbl1", web, windows::WideFlangePicture},
      {"frmZed", 3, [web] { ShowWarpPrompt(web); }, "Select...", 4635, 1560, "lbl1", web, windows::ZedPicture},
      {"frmChannel", 4, [web] { ShowWarpPrompt(web); }, "Select...", 4785, 1620, "lbl1", web, windows::ChannelPicture},
  };
}

TEST_F(CasePrompts, EachWindowShowsItsCaptionSizePromptAndSketch) {
  for (const PromptCase& c : AllPrompts()) {
    SCOPED_TRACE(c.form);
    G.ManualCw = c.manualCw;
    bool seen = false;
    h.platform.OnModal(c.form, [&](ui::Form& f) {
      seen = true;
      EXPECT_EQ(f.Caption, c.caption);
      EXPECT_EQ(f.ScaleWidth(), c.width);
      EXPECT_EQ(f.ScaleHeight(), c.height);
      EXPECT_TRUE(f.KeyPreview);
      auto* label = dynamic_cast<ui::Label*>(f.Find(c.label));
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->Caption, c.text);
      auto* picture = dynamic_cast<ui::PictureBox*>(f.Find("Picture1"));
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->Snapshot().Pixels, c.picture().Pixels);
      auto* go = dynamic_cast<ui::CommandButton*>(f.Find("cmdContinue"));
      auto* cancel = dynamic_cast<ui::CommandButton*>(f.Find("Command1"));
      ASSERT_NE(go, nullptr);
      ASSERT_NE(cancel, nullptr);
      EXPECT_EQ(go->Caption, "Continue");
      EXPECT_EQ(cancel->Caption, "Cancel");
      // Everything lies inside the window.
      for (const ui::Control* k : f.Controls()) {
        EXPECT_LE(k->Left + k->Width, c.width) << k->Name();
        EXPECT_LE(k->Top + k->Height, c.height) << k->Name();
      }
      hl::Click(*go);
    });
    c.show();
    EXPECT_TRUE(seen);
    EXPECT_EQ(h.platform.ModalShown, std::vector<std::string>{c.form});
    h.platform.ModalShown.clear();
  }
}

// The gestures that close a prompt window.
enum class Gesture { ContinueButton, EnterKey, CloseBox, CancelButton, EscKey };

void Answer(ui::Form& f, Gesture g) {
  switch (g) {
    case Gesture::ContinueButton:
      hl::Click(*dynamic_cast<ui::CommandButton*>(f.Find("cmdContinue")));
      break;
    case Gesture::EnterKey:
      hl::PressEnter(f);
      break;
    case Gesture::CloseBox:
      hl::CloseBox(f);
      break;
    case Gesture::CancelButton:
      hl::Click(*dynamic_cast<ui::CommandButton*>(f.Find("Command1")));
      break;
    case Gesture::EscKey:
      hl::PressEscape(f);
      break;
  }
}

TEST_F(CasePrompts, ContinueKeepsTheCaseWaitingAndCancelEndsOnlyItsOwnFamily) {
  for (const PromptCase& c : AllPrompts()) {
    for (Gesture g :
         {Gesture::ContinueButton, Gesture::EnterKey, Gesture::CloseBox, Gesture::CancelButton, Gesture::EscKey}) {
      SCOPED_TRACE(std::string(c.form) + " gesture " + std::to_string(static_cast<int>(g)));
      // Both families wait for their second pick.
      G.ManualJ = 1;
      G.TorsionPickStep = 1;
      G.ManualCw = c.manualCw != 0 ? c.manualCw : 3;
      G.WarpPickStep = 1;
      const int16_t cw = G.ManualCw;
      h.platform.OnModal(c.form, [g](ui::Form& f) { Answer(f, g); });
      c.show();
      const bool cancelled = g == Gesture::CancelButton || g == Gesture::EscKey;
      const bool torsion = c.manualCw == 0;
      EXPECT_EQ(G.ManualJ, cancelled && torsion ? 0 : 1);
      EXPECT_EQ(G.TorsionPickStep, cancelled && torsion ? 0 : 1);
      EXPECT_EQ(G.ManualCw, cancelled && !torsion ? 0 : cw);
      EXPECT_EQ(G.WarpPickStep, cancelled && !torsion ? 0 : 1);
    }
  }
  EXPECT_TRUE(h.platform.PendingScripts().empty());
  EXPECT_TRUE(h.platform.Messages.empty());
}

TEST_F(CasePrompts, NoWarpingPromptWithoutAWarpingCase) {
  for (int16_t cw : {0, 5, -1}) {
    G.ManualCw = cw;
    ShowWarpPrompt("Click Continue to select the Web section:");
  }
  EXPECT_TRUE(h.platform.ModalShown.empty());
}

// Pixels of the sketches where the described shape must have ink or must be open.
struct Probe {
  int x, y;
  bool ink;
};

TEST(CasePictures, EachSketchShowsItsCase) {
  struct Sketch {
    const char* name;
    ui::Image (*picture)();
    std::vector<Probe> probes;
  };
  const std::vector<Sketch> sketches = {
      // Square tube: four walls round an open middle.
      {"square", windows::SquareBoxPicture, {{20, 40, true}, {70, 40, true}, {44, 66, true}, {44, 40, false}}},
      // Side walls from top to bottom, the top and bottom walls between them.
      {"rectangle",
       windows::RectangularBoxPicture,
       {{10, 20, true},
        {10, 63, true},
        {78, 20, true},
        {44, 63, true},
        {14, 40, true},
        {30, 24, false},
        {44, 40, false},
        {30, 12, false}}},
      // The channel's flanges hang outside the I-section's flange edges; the web below.
      {"crane",
       windows::CraneGirderPicture,
       {{16, 40, true},
        {72, 40, true},
        {20, 40, false},
        {30, 42, false},
        {44, 55, true},
        {30, 75, true},
        {30, 55, false}}},
      {"wide flange",
       windows::WideFlangePicture,
       {{25, 15, true},
        {64, 15, true},
        {25, 67, true},
        {64, 67, true},
        {44, 40, true},
        {25, 40, false},
        {64, 40, false}}},
      // Top flange to the left of the web only, bottom flange to the right only.
      {"zed", windows::ZedPicture, {{20, 15, true}, {60, 15, false}, {60, 67, true}, {20, 67, false}, {44, 40, true}}},
      // Web on the left, both flanges to the right, open on the right.
      {"channel",
       windows::ChannelPicture,
       {{27, 40, true}, {60, 15, true}, {60, 67, true}, {60, 40, false}, {18, 15, false}}},
  };
  for (const Sketch& s : sketches) {
    SCOPED_TRACE(s.name);
    const ui::Image image = s.picture();
    EXPECT_GE(image.Width, 85);
    EXPECT_LE(image.Width, 94);
    EXPECT_GE(image.Height, 78);
    EXPECT_LE(image.Height, 90);
    for (int32_t px : image.Pixels) EXPECT_TRUE(px == ui::ColourBlack || px == ui::SystemButtonFace);
    for (const Probe& p : s.probes) EXPECT_EQ(image.At(p.x, p.y) == ui::ColourBlack, p.ink) << p.x << "," << p.y;
  }
}

}  // namespace
}  // namespace dialogs
