#include "ui/canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "ui/control.h"
#include "ui/form.h"

namespace ui {
namespace {

using Pixel = std::pair<int, int>;

std::set<Pixel> PixelsOf(const Canvas& c, int32_t colour) {
  std::set<Pixel> out;
  for (int y = 0; y < c.PixelHeight(); ++y)
    for (int x = 0; x < c.PixelWidth(); ++x)
      if (c.PixelAt(x, y) == colour) out.insert({x, y});
  return out;
}

Canvas PixelCanvas(int w, int h) {
  Canvas c;
  c.SetPixelSize(w, h);
  c.Cls();
  c.ScaleMode = ScaleModes::Pixel;
  return c;
}

TEST(Canvas, MapsUserUnitsToPixelsByFloorOfPlusHalf) {
  Canvas c;
  c.SetPixelSize(10, 10);
  c.Cls();
  c.SetScale(0, 100, 100, -100);  // 10 units a pixel, y up
  c.PSet(24, 76, 255);            // px 2.4 -> 2, py 2.4 -> 2
  c.PSet(45, 55, 255);            // px 4.5 -> 5, py 4.5 -> 5
  c.PSet(-4, 100, 255);           // px -0.4 -> 0, py 0 -> 0
  EXPECT_EQ(PixelsOf(c, 255), (std::set<Pixel>{{2, 2}, {5, 5}, {0, 0}}));
  EXPECT_EQ(c.Point(24, 76), 255);
  EXPECT_EQ(c.Point(19.9f, 76), 255);    // px 1.99 -> 2
  EXPECT_EQ(c.Point(26, 76), 0xFFFFFF);  // px 2.6 -> 3
}

TEST(Canvas, OutsideTheImageSetsNothingAndReadsMinusOne) {
  Canvas c = PixelCanvas(4, 3);
  c.PSet(4, 0, 0);
  c.PSet(-1, 1, 0);
  c.PSet(0, 3, 0);
  EXPECT_TRUE(PixelsOf(c, 0).empty());
  EXPECT_EQ(c.Point(4, 0), -1);
  EXPECT_EQ(c.Point(-0.6f, 0), -1);
  EXPECT_EQ(c.Point(-0.4f, 0), 0xFFFFFF);
  EXPECT_EQ(c.Point(1e30f, 0), -1);
}

TEST(Canvas, WidePenSetsARoundDotAndWhiteRemovesIt) {
  Canvas c = PixelCanvas(11, 11);
  c.DrawWidth = 5;
  c.PSet(5, 5, 0xFF0000);
  const std::set<Pixel> dot = PixelsOf(c, 0xFF0000);
  EXPECT_EQ(dot.size(), 21u);
  EXPECT_TRUE(dot.count({7, 6}));
  EXPECT_FALSE(dot.count({7, 7}));
  c.PSet(5, 5, 0xFFFFFF);
  EXPECT_TRUE(PixelsOf(c, 0xFF0000).empty());
}

TEST(Canvas, LineSetsTheFirstPixelAndLeavesTheLastOut) {
  Canvas c = PixelCanvas(10, 10);
  c.Line(0, 0, 4, 0, 0);
  EXPECT_EQ(PixelsOf(c, 0), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
  c.Cls();
  c.Line(3, 3, 0, 0, 0);
  EXPECT_EQ(PixelsOf(c, 0), (std::set<Pixel>{{3, 3}, {2, 2}, {1, 1}}));
  c.Cls();
  c.Line(0, 0, 4, 2, 0);
  EXPECT_EQ(PixelsOf(c, 0), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  c.Cls();
  c.Line(5, 5, 5, 5, 0);  // no length, nothing drawn
  EXPECT_TRUE(PixelsOf(c, 0).empty());
}

TEST(Canvas, DottedPenSetsTwoAndSkipsTwo) {
  Canvas c = PixelCanvas(12, 3);
  c.DrawStyle = DrawStyleDot;
  c.Line(0, 1, 11, 1, 0);
  EXPECT_EQ(PixelsOf(c, 0), (std::set<Pixel>{{0, 1}, {1, 1}, {4, 1}, {5, 1}, {8, 1}, {9, 1}}));
}

TEST(Canvas, PolylineContinuesFromTheLastPoint) {
  Canvas c = PixelCanvas(10, 10);
  c.Line(0, 0, 2, 0, 0);
  c.LineTo(2, 2, 0);
  EXPECT_EQ(PixelsOf(c, 0), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 0}, {2, 1}}));
}

TEST(Canvas, LineFarOutsideTheImageFinishesQuickly) {
  Canvas c = PixelCanvas(10, 10);
  c.Line(5, 5, 2e9f, 5, 0);  // walks only while it can still touch the image
  c.Line(-5, 5, -2e9f, 5, 0);
  EXPECT_EQ(PixelsOf(c, 0).size(), 5u);
}

TEST(Canvas, ClsFillsWithTheBackColour) {
  Canvas c = PixelCanvas(3, 2);
  c.PSet(1, 1, 0);
  c.BackColor = 0x00FF00;
  c.Cls();
  EXPECT_EQ(PixelsOf(c, 0x00FF00).size(), 6u);
}

TEST(PictureBox, InnerSizeIsTheTwipSizeLessItsFrame) {
  Form f("f");
  PictureBox box(f, "Base");
  box.Width = 1560;  // 104 pixels
  box.Height = 900;  // 60 pixels
  EXPECT_EQ(box.PixelWidth(), 100);
  EXPECT_EQ(box.PixelHeight(), 56);
  box.BorderStyle = 0;
  EXPECT_EQ(box.PixelWidth(), 104);
}

TEST(PictureBox, ResizeKeepsTheImageAndFillsTheNewPart) {
  Form f("f");
  PictureBox box(f, "Base");
  box.Move(0, 0, 150, 150);  // 6 x 6 inner
  box.Cls();
  box.ScaleMode = ScaleModes::Pixel;
  box.PSet(1, 1, 0);
  box.Width = 300;  // 16 x 6
  EXPECT_EQ(box.PixelWidth(), 16);
  EXPECT_EQ(box.PixelAt(1, 1), 0);
  EXPECT_EQ(box.PixelAt(12, 1), 0xFFFFFF);
}

TEST(PictureBox, PointerPixelsBecomeUserUnits) {
  Form f("f");
  PictureBox box(f, "Base");
  box.Move(0, 0, (800 + 4) * 15, (500 + 4) * 15);
  box.SetScale(0, 1000, 1200, -1000);
  EXPECT_FLOAT_EQ(box.FromPixelX(400), 600);
  EXPECT_FLOAT_EQ(box.FromPixelY(250), 500);
  EXPECT_FLOAT_EQ(box.FromPixelX(0), 0);
  EXPECT_FLOAT_EQ(box.FromPixelY(0), 1000);
}

TEST(PictureBox, TwipModeMapsFifteenTwipsToAPixel) {
  Form f("f");
  PictureBox box(f, "CalcBox");
  box.Move(0, 0, 40 * 15 + 60, 40 * 15 + 60);
  box.ScaleMode = ScaleModes::Twip;
  box.Cls();
  box.Line(0, 355, 10000, 355, 0xFF0000);
  EXPECT_EQ(box.PixelAt(0, 24), 0xFF0000);  // 355 / 15 = 23.7 -> 24
  EXPECT_EQ(box.PixelAt(39, 24), 0xFF0000);
  EXPECT_EQ(box.PixelAt(0, 23), 0xFFFFFF);
}

}  // namespace
}  // namespace ui
