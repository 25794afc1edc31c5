// The picks of a predefined torsion or warping case, made by selection clicks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/case_prompts.h"
#include "editing_fixture.h"
#include "ui/headless/actions.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class Picks : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    model::ElementRecord a = Plate(200, 12, 100, 600);
    a.ElemIx = 11, a.ElemIy = 12, a.ElemRx = 13, a.CentroidX = 14, a.WebThickness = 15, a.FlangeThickness = 16;
    Add(a);
    Add(Plate(10, 300, 600, 100));
    platform().Messages.clear();
    platform().ModalShown.clear();
  }
  // The prompt window answers Continue; its prompt text is kept.
  void ContinueIn(const std::string& form) {
    platform().OnModal(form, [this](ui::Form& f) {
      prompts.push_back(static_cast<dialogs::CasePromptForm&>(f).Prompt.Caption);
      ui::headless::Click(static_cast<dialogs::CasePromptForm&>(f).cmdContinue);
    });
  }
  void ClickFirst() { Click(150, 605); }
  void ClickSecond() { Click(605, 200); }
  std::vector<std::string> prompts;
};

TEST_F(Picks, TheRectangularBoxTakesTwoPlatesWithAPromptBetween) {
  G.ManualJ = 1;
  ContinueIn("frmPlate2");
  ClickFirst();
  EXPECT_EQ(G.TorsionPickStep, 1);
  EXPECT_EQ(G.TorsionPicks[1].Width, 200);
  EXPECT_EQ(G.TorsionPicks[1].Depth, 12);
  EXPECT_EQ(platform().ModalShown, (std::vector<std::string>{"frmPlate2"}));
  EXPECT_TRUE(platform().Messages.empty());
  EXPECT_EQ(G.Modified, model::False);
  ClickFirst();  // the same plate again, which deselects it, still counts
  EXPECT_EQ(E(1).Selected, model::False);
  EXPECT_EQ(G.TorsionPickStep, 2);
  EXPECT_EQ(G.TorsionPicks[2].Width, 200);
  EXPECT_EQ(sheet().Torsional.Caption, "Reset Torsional Constant to Default");
  EXPECT_EQ(platform().Messages, (std::vector<std::string>{"Torsional Constant Has Been Modified"}));
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(sheet().Caption, "Quorvane -  (Modified)");
  ClickSecond();  // complete: nothing more is picked
  EXPECT_EQ(G.TorsionPicks[1].Width, 200);
  EXPECT_EQ(platform().Messages.size(), 1u);
  EXPECT_TRUE(platform().PendingScripts().empty());
}

TEST_F(Picks, TheSquareBoxCompletesOnOnePick) {
  G.ManualJ = 2;
  ClickSecond();
  EXPECT_EQ(G.TorsionPickStep, 1);
  EXPECT_EQ(G.TorsionPicks[1].Width, 10);
  EXPECT_EQ(G.TorsionPicks[1].Depth, 300);
  EXPECT_TRUE(platform().ModalShown.empty());
  EXPECT_EQ(platform().Messages, (std::vector<std::string>{"Torsional Constant Has Been Modified"}));
}

TEST_F(Picks, TheCraneGirderCopiesItsFieldsAndPromptsForTheChannel) {
  G.ManualCw = 1;
  ContinueIn("frmCrane");
  ClickFirst();
  const model::ElementRecord& p1 = G.WarpPicks[1];
  EXPECT_EQ(p1.ElemIy, 12);
  EXPECT_EQ(p1.Depth, 12);
  EXPECT_EQ(p1.FlangeThickness, 16);
  EXPECT_EQ(p1.Width, 200);
  EXPECT_EQ(p1.ElemIx, 0);  // not one of the four
  EXPECT_EQ(prompts, (std::vector<std::string>{"Click Continue to select the Channel section as shown:"}));
  ClickFirst();
  const model::ElementRecord& p2 = G.WarpPicks[2];
  EXPECT_EQ(p2.ElemIx, 11);
  EXPECT_EQ(p2.Width, 200);
  EXPECT_EQ(p2.Depth, 12);
  EXPECT_EQ(p2.ElemRx, 13);
  EXPECT_EQ(p2.CentroidX, 14);
  EXPECT_EQ(p2.WebThickness, 15);
  EXPECT_EQ(p2.FlangeThickness, 16);
  EXPECT_EQ(p2.ElemIy, 0);
  EXPECT_EQ(G.WarpPickStep, 2);
  EXPECT_EQ(sheet().Warping.Caption, "Reset Warping Constant to Default");
  EXPECT_EQ(platform().Messages, (std::vector<std::string>{"Warping Constant Has Been Modified"}));
}

TEST_F(Picks, OneClickServesAWaitingTorsionCaseFirstThenTheWarpingCase) {
  G.ManualJ = 2;
  G.ManualCw = 3;
  ContinueIn("frmZed");
  ClickSecond();
  EXPECT_EQ(G.TorsionPickStep, 1);
  EXPECT_EQ(G.WarpPickStep, 1);
  EXPECT_EQ(G.WarpPicks[1].Depth, 300);
  EXPECT_EQ(prompts, (std::vector<std::string>{"Click Continue to select the Web section:"}));
  EXPECT_EQ(platform().Messages, (std::vector<std::string>{"Torsional Constant Has Been Modified"}));
}

TEST_F(Picks, AClickOnNothingOrAClickInAModePicksNothing) {
  G.ManualJ = 2;
  Click(1100, 900);
  EXPECT_EQ(G.TorsionPickStep, 0);
  G.Elements[2].Selected = model::True;
  BeginMove();
  ClickFirst();
  EXPECT_EQ(G.TorsionPickStep, 0);
}

TEST_F(Picks, CancelInThePromptEndsTheCaseAndLaterClicksPickNothing) {
  G.ManualJ = 1;
  platform().OnModal("frmPlate2",
                     [](ui::Form& f) { ui::headless::Click(static_cast<dialogs::CasePromptForm&>(f).Command1); });
  ClickFirst();
  EXPECT_EQ(G.ManualJ, 0);
  EXPECT_EQ(G.TorsionPickStep, 0);
  ClickSecond();
  EXPECT_EQ(G.TorsionPicks[2].Width, 0);
  EXPECT_TRUE(platform().Messages.empty());
}

}  // namespace
}  // namespace editor
