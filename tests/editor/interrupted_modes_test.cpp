// Commands given while a Move, Rotate, Mirror or placing is under way: Select All after
// the mode's first click, and a new element built from its dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/list_form.h"
#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "editing_fixture.h"
#include "editor/commands.h"
#include "editor/insert_commands.h"
#include "ui/headless/actions.h"
#include "ui/input.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

class InterruptedModes : public EditingTest {
 protected:
  // Element 1 (100 x 50 at (200, 200)) selected, element 2 (100 x 50 at (600, 600)) not.
  void SetUp() override {
    EditingTest::SetUp();
    AddSelected(Plate(100, 50, 200, 200));
    Add(Plate(100, 50, 600, 600));
  }
  void CtrlA() {
    int16_t key = 'A';
    sheet().Base.SetFocus();
    Base_KeyUp(key, ui::CtrlMask);
  }
  void Esc() {
    int16_t key = ui::KeyEscape;
    Base_KeyUp(key, 0);
  }
  // A plate of the given size through the plate-or-bar window and the plate dialog.
  void BuildPlate(const std::string& width, const std::string& height) {
    platform().OnModal("PlateBar",
                       [](ui::Form& f) { ui::headless::Click(static_cast<dialogs::PlateBarForm&>(f).PlateCmd); });
    platform().OnModal("PlateOptions", [=](ui::Form& f) {
      auto& d = static_cast<dialogs::PlateOptionsForm&>(f);
      ui::headless::Type(d.Text1, "0");
      ui::headless::Type(d.Text2, width);
      ui::headless::Type(d.Text3, height);
      ui::headless::Click(d.Command1);
    });
    ShowPlateBar();
  }
  void ExpectAt(int i, int32_t x, int32_t y) {
    EXPECT_EQ(E(i).PosX, x) << i;
    EXPECT_EQ(E(i).PosY, y) << i;
  }
  void ExpectIdle() {
    EXPECT_EQ(G.PlaceMode | G.MoveMode | G.MoveBaseSet | G.RotateMode | G.PivotSet | G.MirrorMode | G.MirrorFirstSet,
              0);
  }
};

// Select All after the first click of a mode: the mode's start values belong to the
// elements selected at that click, so the mode ends as Esc would end it and nothing is
// thrown or turned by values it never took.
TEST_F(InterruptedModes, SelectAllAfterTheFirstMirrorClickPutsTheMirrorBack) {
  BeginMirror();
  Click(400, 100);
  Move(401, 300);  // bearing 89 degrees: the vertical axis x = 400
  ASSERT_EQ(E(1).MirrorSign, -1);
  CtrlA();
  ExpectIdle();
  EXPECT_EQ(E(1).Selected, model::True);
  EXPECT_EQ(E(2).Selected, model::True);
  Esc();
  for (int i = 1; i <= 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(E(i).MirrorSign, 1);
    EXPECT_EQ(E(i).Angle, 0);
  }
  ExpectAt(1, 200, 200);
  ExpectAt(2, 600, 600);
  EXPECT_EQ(G.Modified, model::False);
}

TEST_F(InterruptedModes, SelectAllAfterTheMoveBaseClickThrowsNothingAway) {
  BeginMove();
  Click(400, 100);
  CtrlA();
  ExpectIdle();
  Click(450, 100);  // now a selection click on empty paper
  ExpectAt(1, 200, 200);
  ExpectAt(2, 600, 600);
  EXPECT_EQ(G.Modified, model::False);
}

TEST_F(InterruptedModes, SelectAllAfterThePivotClickTurnsNothing) {
  BeginRotate();
  Click(400, 100);
  Move(500, 200);  // 45 degrees
  ASSERT_NE(E(1).Angle, 0);
  CtrlA();
  ExpectIdle();
  EXPECT_EQ(E(1).Angle, 0);
  EXPECT_EQ(E(2).Angle, 0);
  ExpectAt(2, 600, 600);
}

// Before the base click the selection is still the Move's to take: all of it moves.
TEST_F(InterruptedModes, SelectAllBeforeTheMoveBaseClickMovesEverything) {
  BeginMove();
  CtrlA();
  EXPECT_EQ(G.MoveMode, model::True);
  Click(400, 100);
  Move(450, 150);
  Click(450, 150);
  ExpectAt(1, 250, 250);
  ExpectAt(2, 650, 650);
}

// A new element while another is still being placed: the one not yet dropped goes, as
// with Esc, and the next Esc leaves the section as it was.
TEST_F(InterruptedModes, ABuilderWhilePlacingDropsTheElementNotYetPlaced) {
  G.Elements[1].Selected = model::False;
  StartPlacing(Plate(100, 50, 0, 0));
  Move(300, 900);
  ASSERT_EQ(G.ElementCount, 3);
  BuildPlate("40", "20");
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.CurrentElement, 3);
  EXPECT_EQ(G.PlaceMode, model::True);
  EXPECT_FLOAT_EQ(E(3).Width, 40);
  EXPECT_FLOAT_EQ(E(3).Depth, 20);
  Esc();
  EXPECT_EQ(G.ElementCount, 2);
}

// A new element during a Move: the Move is put back, and the next click places the new
// element instead of committing the Move.
TEST_F(InterruptedModes, ABuilderDuringAMoveEndsTheMove) {
  BeginMove();
  Click(200, 200);
  Move(400, 400);
  BuildPlate("40", "20");
  EXPECT_EQ(G.MoveMode | G.MoveBaseSet, 0);
  EXPECT_EQ(G.ElementCount, 3);
  Move(900, 100);
  Click(900, 100);
  EXPECT_EQ(G.PlaceMode, model::False);
  ExpectAt(1, 200, 200);
  ExpectAt(3, 900, 100);
}

// The shape route counts the new element before its options window opens: the element
// still being placed must go before that, or it would stay in the section unplaced.
TEST_F(InterruptedModes, AShapeChosenWhilePlacingTakesThePlaceOfTheElementNotYetPlaced) {
  G.AppPath = QUORVANE_DATA_DIR;
  G.Elements[1].Selected = model::False;
  StartPlacing(Plate(100, 50, 0, 0));
  platform().OnModal("ShapeBar",
                     [](ui::Form& f) { ui::headless::Click(static_cast<dialogs::ShapeBarForm&>(f).WFCmd); });
  platform().OnModal("ListForm", [](ui::Form& f) {
    auto& list = static_cast<dialogs::ListFormForm&>(f);
    ui::headless::SelectItem(list.ShapeList, 0);
    ui::headless::Click(list.Command1);
  });
  platform().OnModal("SectionOptions", [](ui::Form& f) {
    EXPECT_EQ(G.ElementCount, 2);  // the plate being placed is gone, the shape not yet counted
    ui::headless::Click(static_cast<dialogs::SectionOptionsForm&>(f).Command1);
  });
  BeginPlaceShape();
  EXPECT_TRUE(platform().PendingScripts().empty());
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.CurrentElement, 3);
  EXPECT_EQ(G.PlaceMode, model::True);
  EXPECT_NE(E(3).ShapeType, 50);
  Esc();
  EXPECT_EQ(G.ElementCount, 2);
}

}  // namespace
}  // namespace editor
