#include "ui/canvas.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <random>
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

TEST(Canvas, HalfwayPositionsGoToTheHigherPixelOnBothSidesOfZero) {
  Canvas c = PixelCanvas(4, 3);
  c.PSet(1.5f, 0, 0);      // floor(2) = 2
  c.PSet(-0.5f, 1, 0);     // floor(0) = 0
  c.PSet(2.5f, -0.5f, 0);  // 3, 0: halves never go to the even neighbour
  c.PSet(-1.5f, 2, 0);     // floor(-1) = -1: outside
  EXPECT_EQ(PixelsOf(c, 0), (std::set<Pixel>{{2, 0}, {0, 1}, {3, 0}}));
  EXPECT_EQ(c.Point(-1.5f, 0), -1);
  EXPECT_EQ(c.Point(-0.5f, -0.5f), 0xFFFFFF);
  EXPECT_EQ(c.Point(-1e9f, 0), -1);
  EXPECT_EQ(c.Point(std::nanf(""), 0), -1);
}

TEST(Canvas, RevisionGrowsWhenAnOperationChangesPixelsAndOnlyThen) {
  Canvas c = PixelCanvas(10, 10);
  uint64_t before = c.Revision();
  c.Line(20, 20, 40, 40, 0);  // wholly outside
  c.PSet(-3, 2, 0);
  EXPECT_EQ(c.Point(2, 2), 0xFFFFFF);
  EXPECT_EQ(c.Revision(), before);
  c.Line(0, 0, 9, 0, 0);
  EXPECT_GT(c.Revision(), before);
  before = c.Revision();
  c.PSet(5, 5, 0);
  EXPECT_GT(c.Revision(), before);
  before = c.Revision();
  c.Cls();
  EXPECT_GT(c.Revision(), before);
}

TEST(Canvas, ABatchShowsItsChangeAtOnceAndCountsItOnceItEnds) {
  Canvas c = PixelCanvas(10, 10);
  const uint64_t before = c.Revision();
  uint64_t inside = 0;
  {
    const Canvas::Batch outer(c);
    c.SetPixel(1, 1, 0);
    inside = c.Revision();
    EXPECT_GT(inside, before);  // a backend reading it meanwhile already sees a change
    {
      const Canvas::Batch inner(c);
      c.Line(0, 5, 9, 5, 0);
    }
    c.PSet(3, 3, 0);
    EXPECT_EQ(c.Revision(), inside);
  }
  EXPECT_EQ(c.Revision(), inside);
  EXPECT_EQ(PixelsOf(c, 0).size(), 1u + 9u + 1u);
  {
    const Canvas::Batch empty(c);
    EXPECT_EQ(c.Point(1, 1), 0);
  }
  EXPECT_EQ(c.Revision(), inside);
  c.SetPixel(2, 2, 0);  // after the batches, each change counts again
  EXPECT_GT(c.Revision(), inside);
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

// The textbook walk, every step taken, for comparison: D = 2 minor - major, the minor
// coordinate steps when D > 0, first pixel set, last left out, a dotted pen two on and
// two off; each pixel, with the dot of the pen width around it, kept when in the image.
std::set<Pixel> FullWalk(int px, int py, int ex, int ey, int w, int h, int width, bool dotted) {
  std::set<Pixel> out;
  const long long dx = std::llabs(static_cast<long long>(ex) - px), dy = std::llabs(static_cast<long long>(ey) - py);
  const int sx = ex >= px ? 1 : -1, sy = ey >= py ? 1 : -1;
  const bool x_major = dx >= dy;
  const long long major = x_major ? dx : dy, minor = x_major ? dy : dx;
  long long D = 2 * minor - major;
  const double r = width / 2.0;
  const int reach = width > 1 ? static_cast<int>(r) : 0;
  for (long long n = 0; n < major; ++n) {
    if (!dotted || n % 4 < 2)
      for (int oy = -reach; oy <= reach; ++oy)
        for (int ox = -reach; ox <= reach; ++ox)
          if ((width <= 1 || ox * ox + oy * oy <= r * r) && px + ox >= 0 && px + ox < w && py + oy >= 0 && py + oy < h)
            out.insert({px + ox, py + oy});
    if (x_major) {
      px += sx;
      if (D > 0) py += sy, D -= 2 * major;
    } else {
      py += sy;
      if (D > 0) px += sx, D -= 2 * major;
    }
    D += 2 * minor;
  }
  return out;
}

// Far-off ends are not walked step by step toward the image, yet the pixels in the image
// are exactly the full walk's, for random segments of every direction, pen and style.
TEST(Canvas, LineSetsTheFullWalksPixelsWhereverItsEndsLie) {
  std::mt19937 rng(20261210);
  const int w = 40, h = 30;
  std::uniform_int_distribution<int> near(-60, 100), far(-200000, 200000);
  for (int k = 0; k < 600; ++k) {
    const bool long_one = k % 3 == 0;
    const int x1 = long_one ? far(rng) : near(rng), y1 = long_one ? far(rng) : near(rng);
    const int x2 = near(rng), y2 = long_one && k % 2 ? far(rng) : near(rng);
    const int width = k % 4 == 0 ? 5 : 1;
    const bool dotted = k % 5 == 0;
    Canvas c = PixelCanvas(w, h);
    c.DrawWidth = width;
    c.DrawStyle = dotted ? DrawStyleDot : DrawStyleSolid;
    // Either direction: the walk starts from the first end whichever lies far away.
    if (k % 2)
      c.Line(x1, y1, x2, y2, 0);
    else
      c.Line(x2, y2, x1, y1, 0);
    const std::set<Pixel> want =
        k % 2 ? FullWalk(x1, y1, x2, y2, w, h, width, dotted) : FullWalk(x2, y2, x1, y1, w, h, width, dotted);
    ASSERT_EQ(PixelsOf(c, 0), want) << "(" << x1 << ", " << y1 << ") (" << x2 << ", " << y2 << ") pen " << width
                                    << (dotted ? " dotted" : "") << (k % 2 ? "" : " reversed");
  }
}

// A stored view 1200 wide and a millionth high: a short vertical line in drawing units
// spans two billion pixel rows, clamped. It crosses the whole image at once.
TEST(Canvas, ALineAcrossAFlatViewIsDrawnAtOnce) {
  Canvas c;
  c.SetPixelSize(1200, 100);
  c.Cls();
  c.SetScale(0, 0, 1200, -1e-6f);
  const auto start = std::chrono::steady_clock::now();
  c.Line(600, 10, 600, -10, 0);
  c.DrawStyle = DrawStyleDot;
  c.Line(300, -10, 300, 10, 0);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::set<Pixel> column;
  for (int y = 0; y < 100; ++y) column.insert({600, y});
  // The dotted one runs up from row 1e9: two on, two off counted from there (1e9 is a
  // multiple of four), so rows 99, 98, 95, 94, ... are set.
  for (int y = 99; y >= 0; --y)
    if ((1000000000 - y) % 4 < 2) column.insert({300, y});
  EXPECT_EQ(PixelsOf(c, 0), column);
  EXPECT_LT(seconds, 1.0);
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

TEST(PictureBox, EachOperationFollowsASizeChangedBeforeIt) {
  Form f("f");
  PictureBox box(f, "Base");
  box.Move(0, 0, 150, 150);  // 6 x 6 inner
  box.Cls();
  box.ScaleMode = ScaleModes::Pixel;
  box.Line(0, 1, 20, 1, 0);
  box.Width = 300;  // 16 x 6
  const uint64_t before = box.Revision();
  box.Line(0, 2, 20, 2, 0);
  EXPECT_GT(box.Revision(), before);
  for (int x = 0; x < 16; ++x) {
    EXPECT_EQ(box.PixelAt(x, 1), x < 6 ? 0 : 0xFFFFFF) << x;
    EXPECT_EQ(box.PixelAt(x, 2), 0) << x;
  }
  box.Width = 90;  // 2 x 6
  box.PSet(3, 3, 0);
  EXPECT_EQ(box.Point(3, 3), -1);
  EXPECT_EQ(box.PixelWidth(), 2);
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
