// The selection click: the footprint box, the choice among several hits, selecting,
// deselecting and the Cut and Copy commands that follow the selection.

#include "editor/selection_click.h"

#include <gtest/gtest.h>

#include <vector>

#include "editing_fixture.h"
#include "ui/input.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class Selection : public EditingTest {
 protected:
  bool CutCopyButtons() { return button(10).Enabled && button(11).Enabled; }
  bool CutCopyItems() { return sheet().Cut.Enabled && sheet().Copy.Enabled; }
};

// Box diagonals: 300 x 400 gives 500, 60 x 80 gives 100, 540 x 720 gives 900 and
// 180 x 240 gives 300.
TEST_F(Selection, AmongSeveralHitsTheDiagonalOfTheElementJustBeforeDecides) {
  struct Case {
    const char* what;
    std::vector<model::ElementRecord> elements;
    int chosen;
  };
  const Case cases[] = {
      {"500 then 100: the smaller one after the bigger", {Plate(300, 400, 0, 0), Plate(60, 80, 100, 100)}, 2},
      {"100 then 500: the first stands", {Plate(60, 80, 100, 100), Plate(300, 400, 0, 0)}, 1},
      {"100 hit, 900 missed, 300 hit", {Plate(60, 80, 100, 100), Plate(540, 720, 600, 0), Plate(180, 240, 50, 50)}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    G.ElementCount = 0;
    for (const model::ElementRecord& e : c.elements) Add(e);
    EXPECT_EQ(ElementUnderPointer(120, 120), c.chosen);
  }
}

TEST_F(Selection, TheFootprintIsTheTurnedBoxAndItsEdgeIsOutside) {
  Add(Plate(100, 50, 500, 500));
  EXPECT_EQ(ElementUnderPointer(500, 520), 0);  // on the left side
  EXPECT_EQ(ElementUnderPointer(550, 550), 0);  // on the top side
  EXPECT_EQ(ElementUnderPointer(501, 549), 1);
  // Turned by 90 degrees it stands up and to the left of its insertion point.
  G.Elements[1].Angle = model::Pi / 2;
  EXPECT_EQ(ElementUnderPointer(550, 520), 0);
  EXPECT_EQ(ElementUnderPointer(480, 590), 1);
  // Mirrored it lies to the left.
  G.Elements[1].Angle = 0;
  G.Elements[1].MirrorSign = -1;
  EXPECT_EQ(ElementUnderPointer(450, 520), 1);
}

TEST_F(Selection, AClickOnAnElementSelectsItAndOffersCutAndCopy) {
  model::ElementRecord e = Plate(100, 50, 500, 500);
  e.NameSI = "PL 100x 50";
  Add(e);
  view::RedrawDrawing();
  Click(520, 520);
  EXPECT_EQ(E(1).Selected, model::True);
  EXPECT_EQ(sheet().CurrentObject.Text, "PL 100x 50               ");
  EXPECT_TRUE(CutCopyButtons());
  EXPECT_TRUE(CutCopyItems());
  // Drawn again in black with its blue handles: the corner (500, 500) is one.
  EXPECT_EQ(Pixel(500, 500), model::Blue);
  EXPECT_EQ(Pixel(550, 550), model::Blue);  // the middle of the top side
  EXPECT_EQ(G.IsRedrawing, model::False);
}

TEST_F(Selection, ASecondClickDeselectsAndCutStaysOnlyWhileAnotherIsSelected) {
  Add(Plate(100, 50, 500, 500));
  Add(Plate(100, 50, 100, 700));
  Click(520, 520);
  Click(120, 720);
  Click(520, 520);  // deselects element 1; element 2 stays selected
  EXPECT_EQ(E(1).Selected, model::False);
  EXPECT_TRUE(CutCopyButtons());
  Click(120, 720);
  EXPECT_EQ(E(2).Selected, model::False);
  EXPECT_FALSE(CutCopyButtons());
  EXPECT_EQ(Pixel(500, 500), model::Black);  // redrawn without handles
}

TEST_F(Selection, AClickOnNothingClearsTheWholeSelection) {
  Add(Plate(100, 50, 500, 500));
  Add(Plate(100, 50, 100, 700));
  Click(520, 520);
  Click(120, 720);
  Click(900, 100);
  EXPECT_EQ(E(1).Selected, model::False);
  EXPECT_EQ(E(2).Selected, model::False);
  EXPECT_FALSE(button(10).Enabled);
  EXPECT_FALSE(button(11).Enabled);
  EXPECT_FALSE(sheet().Cut.Enabled);
  EXPECT_FALSE(sheet().Copy.Enabled);
}

TEST_F(Selection, WithNoElementsAClickOnlyDisablesCutAndCopy) {
  button(10).Enabled = button(11).Enabled = true;
  sheet().Cut.Enabled = sheet().Copy.Enabled = true;
  Click(300, 300);
  EXPECT_FALSE(CutCopyButtons());
  EXPECT_FALSE(sheet().Cut.Enabled);
  EXPECT_FALSE(sheet().Copy.Enabled);
  EXPECT_EQ(G.Modified, model::False);
}

TEST_F(Selection, AnyButtonAndModifierActsAsAClick) {
  Add(Plate(100, 50, 500, 500));
  Base_MouseDown(ui::RightButton, ui::CtrlMask | ui::ShiftMask, 520, 520);
  EXPECT_EQ(E(1).Selected, model::True);
}

}  // namespace
}  // namespace editor
