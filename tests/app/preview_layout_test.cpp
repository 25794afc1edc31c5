// The print page's layout, typed out from its design table: the element rows, the two
// columns of the property table with their captions, power digits and rules, and the
// project block. Positions are twips inside the page (or the picture).

#include <gtest/gtest.h>

#include <string>

#include "app/preview_form.h"
#include "ui/headless/headless_platform.h"

namespace app {
namespace {

struct PreviewLayout : ::testing::Test {
  ui::headless::ScopedHeadless h;
  PreviewForm page;
};

void ExpectAt(const ui::Control& c, float left, float top, float width, float height) {
  SCOPED_TRACE(c.Name());
  EXPECT_FLOAT_EQ(c.Left, left);
  EXPECT_FLOAT_EQ(c.Top, top);
  EXPECT_FLOAT_EQ(c.Width, width);
  EXPECT_FLOAT_EQ(c.Height, height);
}

TEST_F(PreviewLayout, ThePanelsButtonsAndHeadings) {
  EXPECT_EQ(page.Caption, "Print Preview");
  ExpectAt(page.cmdPrint, 4320, 75, 1170, 450);
  ExpectAt(page.cmdCancel, 5640, 75, 1185, 450);
  EXPECT_EQ(page.cmdPrint.Caption, "Print");
  EXPECT_EQ(page.cmdCancel.Caption, "Cancel");
  ExpectAt(page.Page, 120, 600, 6765, 9375);
  ExpectAt(page.Window, 300, 480, 3480, 2850);
  ExpectAt(page.lblDate, 4335, 90, 2220, 255);
  ExpectAt(page.lblElements, 4320, 420, 2295, 345);
  EXPECT_EQ(page.lblElements.Caption, "Shape Elements");
  ExpectAt(page.lblCalcOpt, 195, 3510, 3735, 255);
  ExpectAt(page.lblProperties, 1875, 3945, 2955, 360);
  EXPECT_EQ(page.lblProperties.Caption, "Section Properties");
  for (const ui::LineShape* rule : {&page.lnRule1, &page.lnRule2}) {
    EXPECT_FLOAT_EQ(rule->X1, 120);
    EXPECT_FLOAT_EQ(rule->X2, 6600);
    EXPECT_FLOAT_EQ(rule->Y1, rule->Y2);
  }
  EXPECT_FLOAT_EQ(page.lnRule1.Y1, 3840);
  EXPECT_FLOAT_EQ(page.lnRule2.Y1, 7320);
}

TEST_F(PreviewLayout, EightElementRowsOneUnderTheOther) {
  const std::array<ui::Label*, 8> rows = page.ObjectRows();
  for (int k = 1; k <= 8; ++k) {
    ExpectAt(*rows[static_cast<size_t>(k - 1)], 4320, 840 + 360.0f * (k - 1), 2295, 255);
    EXPECT_EQ(rows[static_cast<size_t>(k - 1)]->Caption, "");
  }
}

TEST_F(PreviewLayout, TheTableHasTwoColumnsOfEightRows) {
  struct Cell {
    ui::Label* caption;
    const char* text;
    ui::Label* unit;
    ui::Label* power;  // null where the unit has no power digit
    const char* digit;
    int row;
    bool right;
  };
  const Cell cells[] = {
      {&page.capA, "A:", &page.unA, &page.powA, "2", 1, false},
      {&page.capy, "y:", &page.uny, nullptr, "", 2, false},
      {&page.capx, "x:", &page.unx, nullptr, "", 3, false},
      {&page.capd, "d:", &page.und, nullptr, "", 4, false},
      {&page.capb, "b:", &page.unb, nullptr, "", 5, false},
      {&page.capJ, "J:", &page.unJ, &page.powJ, "4", 6, false},
      {&page.capCw, "Cw:", &page.unCw, &page.powCw, "6", 7, false},
      {&page.capIx, "Ix:", &page.unIx, &page.powIx, "4", 1, true},
      {&page.capSx, "Sx:", &page.unSx, &page.powSx, "3", 2, true},
      {&page.caprx, "rx:", &page.unrx, nullptr, "", 3, true},
      {&page.capZx, "Zx:", &page.unZx, &page.powZx, "3", 4, true},
      {&page.capIy, "Iy:", &page.unIy, &page.powIy, "4", 5, true},
      {&page.capSy, "Sy:", &page.unSy, &page.powSy, "3", 6, true},
      {&page.capry, "ry:", &page.unry, nullptr, "", 7, true},
      {&page.capZy, "Zy:", &page.unZy, &page.powZy, "3", 8, true},
  };
  for (const Cell& c : cells) {
    SCOPED_TRACE(c.text);
    const float top = 4320 + 360.0f * (c.row - 1);
    EXPECT_EQ(c.caption->Caption, c.text);
    EXPECT_FLOAT_EQ(c.caption->Left, c.right ? 3720 : 600);
    EXPECT_FLOAT_EQ(c.caption->Top, top);
    EXPECT_FLOAT_EQ(c.unit->Left, c.right ? 5685 : 2445);
    EXPECT_FLOAT_EQ(c.unit->Top, top);
    EXPECT_EQ(c.unit->Caption, "mm");
    if (c.power) {
      EXPECT_EQ(c.power->Caption, c.digit);
      EXPECT_FLOAT_EQ(c.power->Left, c.right ? 6090 : 2835);
    }
  }
  // The angle row closes the left column, its unit the raised degree mark.
  EXPECT_FLOAT_EQ(page.lblphi.Top, 4320 + 360 * 7);
  EXPECT_FLOAT_EQ(page.valphi.Top, 4320 + 360 * 7);
  EXPECT_EQ(page.Label13.Caption, "o");
  // The bars over the centroid captions.
  EXPECT_FLOAT_EQ(page.lnBarY.X1, 570);
  EXPECT_FLOAT_EQ(page.lnBarY.X2, 750);
  EXPECT_FLOAT_EQ(page.lnBarY.Y1, 4665);
  EXPECT_FLOAT_EQ(page.lnBarX.X1, 540);
  EXPECT_FLOAT_EQ(page.lnBarX.X2, 735);
  EXPECT_FLOAT_EQ(page.lnBarX.Y1, 5025);
}

TEST_F(PreviewLayout, TheProjectBlock) {
  const ui::Label* captions[] = {&page.capProjName, &page.capProjNum, &page.capProjInfo, &page.capProjEng};
  const ui::Label* values[] = {&page.lblProjName, &page.lblProjNum, &page.lblProjInfo, &page.lblProjEng};
  const char* texts[] = {"Project Name:", "Project Number:", "Object Description:", "Designer:"};
  const float tops[] = {7500, 7860, 8220, 8580};
  for (int i = 0; i < 4; ++i) {
    ExpectAt(*captions[i], 360, tops[i], 1455, 255);
    EXPECT_EQ(captions[i]->Caption, texts[i]);
    ExpectAt(*values[i], 2160, tops[i], 4215, 255);
  }
}

}  // namespace
}  // namespace app
