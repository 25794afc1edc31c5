#include "view/layout.h"

#include <gtest/gtest.h>

#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace view {
namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windows::ResetSheet();
    model::G = model::Globals{};
  }
  // The redraw ends every resize: it clears the drawing area, so a dot left there beforehand
  // tells whether it ran.
  void MarkDrawingArea() {
    windows::Sheet().Base.ScaleMode = ui::ScaleModes::Pixel;
    windows::Sheet().Base.PSet(1, 1, model::Red);
    windows::Sheet().Base.ScaleMode = ui::ScaleModes::User;
  }
  bool Redrawn() { return windows::Sheet().Base.PixelAt(1, 1) != model::Red; }
  ui::headless::ScopedHeadless h;
};

TEST(SeparatorCount, RoundsHalvesToEven) {
  struct Case {
    float height;
    int16_t lines;
  };
  for (const Case& c : {Case{0, 0}, Case{177, 0}, Case{178, 1}, Case{532, 1}, Case{533, 2}, Case{887.5f, 2},
                        Case{1597.5f, 4}, Case{1952.5f, 6}, Case{8265, 23}})
    EXPECT_EQ(SeparatorCount(c.height), c.lines) << c.height;
}

TEST_F(LayoutTest, AppliesTheRulesToTheOuterSize) {
  windows::SheetForm& s = windows::Sheet();
  s.Width = 19200;
  s.Height = 12000;
  MarkDrawingArea();
  Form_Resize();
  EXPECT_FLOAT_EQ(s.Base.Width, 16500);
  EXPECT_FLOAT_EQ(s.Base.Height, 10800);
  EXPECT_FLOAT_EQ(s.TextEntry.Width, 11600);
  EXPECT_FLOAT_EQ(s.CalcBox.Left, 16500);
  EXPECT_FLOAT_EQ(s.CalcBox.Width, 2700);
  EXPECT_FLOAT_EQ(s.CalcBox.Height, 10825);
  // Nothing else moves.
  EXPECT_FLOAT_EQ(s.Base.Left, 0);
  EXPECT_FLOAT_EQ(s.Base.Top, 840);
  EXPECT_FLOAT_EQ(s.TextEntry.Left, 7540);
  EXPECT_FLOAT_EQ(s.CalcBox.Top, 840);
  EXPECT_TRUE(Redrawn());
}

TEST_F(LayoutTest, EachTestIsStrictAndAFailedTestKeepsTheControl) {
  windows::SheetForm& s = windows::Sheet();
  s.Width = 12500;
  s.Height = 9500;
  Form_Resize();
  // Exactly at the limits: every control keeps what it had.
  s.Width = 2700;
  s.Height = 1175;
  Form_Resize();
  EXPECT_FLOAT_EQ(s.Base.Width, 9800);
  EXPECT_FLOAT_EQ(s.TextEntry.Width, 4900);
  EXPECT_FLOAT_EQ(s.Base.Height, 8300);
  EXPECT_FLOAT_EQ(s.CalcBox.Left, 9800);
  EXPECT_FLOAT_EQ(s.CalcBox.Height, 8325);
  // 2800 keeps the drawing area's width, 2801 gives it 101; the panel follows from 2701.
  s.Width = 2800;
  s.Height = 1201;
  Form_Resize();
  EXPECT_FLOAT_EQ(s.Base.Width, 9800);
  EXPECT_FLOAT_EQ(s.CalcBox.Left, 100);
  EXPECT_FLOAT_EQ(s.Base.Height, 1);
  EXPECT_FLOAT_EQ(s.CalcBox.Height, 26);
  s.Width = 2801;
  Form_Resize();
  EXPECT_FLOAT_EQ(s.Base.Width, 101);
  EXPECT_FLOAT_EQ(s.TextEntry.Width, 4900);
  s.Width = 7601;
  Form_Resize();
  EXPECT_FLOAT_EQ(s.TextEntry.Width, 1);
}

TEST_F(LayoutTest, AMinimisedWindowOnlyRedraws) {
  windows::SheetForm& s = windows::Sheet();
  s.WindowState = ui::WindowMinimized;
  s.Width = 19200;
  s.Height = 12000;
  s.CalcBox.Cls();
  MarkDrawingArea();
  Form_Resize();
  EXPECT_FLOAT_EQ(s.Base.Width, 9800);
  EXPECT_FLOAT_EQ(s.CalcBox.Left, 9800);
  EXPECT_EQ(s.CalcBox.PixelAt(10, 24), s.CalcBox.BackColor);  // no separator lines
  EXPECT_TRUE(Redrawn());
}

TEST_F(LayoutTest, DrawsBlueSeparatorsEvery355TwipsWithoutClearing) {
  windows::SheetForm& s = windows::Sheet();
  s.Width = 12500;
  s.Height = 9500;  // panel 8325 twips: 555 pixels, 551 inside, 8265 twips: 23 lines
  s.CalcBox.SetPixel(5, 5, model::Red);
  Form_Resize();
  const ui::PictureBox& p = s.CalcBox;
  ASSERT_EQ(p.PixelHeight(), 551);
  int lines = 0;
  for (int y = 0; y < p.PixelHeight(); ++y)
    if (p.PixelAt(10, y) == model::Blue) ++lines;
  EXPECT_EQ(lines, 23);
  // 355 twips is pixel 23.67, so row 24; line 23 at 8165 twips is row 544.
  EXPECT_EQ(p.PixelAt(10, 24), model::Blue);
  EXPECT_EQ(p.PixelAt(10, 23), p.BackColor);
  EXPECT_EQ(p.PixelAt(10, 544), model::Blue);
  EXPECT_EQ(p.PixelAt(0, 24), model::Blue);                   // from x 0
  EXPECT_EQ(p.PixelAt(p.PixelWidth() - 1, 24), model::Blue);  // across the whole panel
  EXPECT_EQ(p.PixelAt(5, 5), model::Red);                     // not cleared first
}

}  // namespace
}  // namespace view
