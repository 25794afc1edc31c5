#include "ui/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <utility>
#include <vector>

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

// The changes a backend takes: every pixel written since its last look lies in the
// rectangle, and the rectangle holds nothing else.
TEST(CanvasChanges, TheRectangleHoldsExactlyThePixelWritesSinceTheLastLook) {
  Canvas c = PixelCanvas(20, 10);  // a clear writes every pixel
  const CanvasChanges cleared = c.TakeChanges();
  EXPECT_EQ(cleared.Areas, (std::vector<PixelRect>{{0, 0, 20, 10}}));
  EXPECT_EQ(cleared.To, c.Revision());
  struct Step {
    const char* what;
    std::function<void(Canvas&)> draw;
    PixelRect area;
  };
  const std::vector<Step> steps = {
      {"nothing", [](Canvas&) {}, PixelRect{}},
      // x 2 to 7: the last pixel of a line is left out.
      {"a row", [](Canvas& k) { k.Line(2, 3, 8, 3, 0); }, PixelRect{2, 3, 8, 4}},
      {"a row and a column",
       [](Canvas& k) {
         k.Line(2, 3, 8, 3, 0);
         k.Line(5, 1, 5, 7, 0);
       },
       PixelRect{2, 1, 8, 7}},
      // Radius 2.5: two pixels each way.
      {"a wide dot",
       [](Canvas& k) {
         k.DrawWidth = 5;
         k.PSet(10, 5, 0);
         k.DrawWidth = 1;
       },
       PixelRect{8, 3, 13, 8}},
      {"a wide dot cut by the corner",
       [](Canvas& k) {
         k.DrawWidth = 5;
         k.PSet(0, 9, 0);
         k.DrawWidth = 1;
       },
       PixelRect{0, 7, 3, 10}},
      // x from -5 to 29, cut to the image's 0 to 19.
      {"a row cut by both sides", [](Canvas& k) { k.Line(-5, 2, 30, 2, 0); }, PixelRect{0, 2, 20, 3}},
      // Steps 0 to 6 at x 2 to 8; two set, two skipped: x 2, 3, 6, 7.
      {"a dotted row",
       [](Canvas& k) {
         k.DrawStyle = DrawStyleDot;
         k.Line(2, 5, 9, 5, 0);
         k.DrawStyle = DrawStyleSolid;
       },
       PixelRect{2, 5, 8, 6}},
      // Radius 1.5 takes in (1, 1): 1 + 1 <= 2.25, so each dot is a 3 x 3 square round x 0
      // to 4 on row 0, of which rows -1 and x -1 fall outside.
      {"a wide row along the top edge",
       [](Canvas& k) {
         k.DrawWidth = 3;
         k.Line(0, 0, 5, 0, 0);
         k.DrawWidth = 1;
       },
       PixelRect{0, 0, 6, 2}},
      // The dot's square reaches (0, 0) at dx = dy = 2, but 4 + 4 > 6.25: nothing is set.
      {"a wide dot whose square alone reaches in",
       [](Canvas& k) {
         k.DrawWidth = 5;
         k.PSet(-2, -2, 0);
         k.DrawWidth = 1;
       },
       PixelRect{}},
      {"outside only",
       [](Canvas& k) {
         k.PSet(-3, 4, 0);
         k.PSet(20, 0, 0);
         k.Line(-5, -1, 30, -1, 0);
       },
       PixelRect{}},
      {"a picture",
       [](Canvas& k) {
         k.LoadImage(Image{3, 2, std::vector<int32_t>(6, 255), {}});
       },
       PixelRect{0, 0, 3, 2}},
      {"a picture larger than the image",
       [](Canvas& k) {
         k.LoadImage(Image{30, 2, std::vector<int32_t>(60, 255), {}});
       },
       PixelRect{0, 0, 20, 2}},
      {"a clear", [](Canvas& k) { k.Cls(); }, PixelRect{0, 0, 20, 10}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const uint64_t from = c.Revision();
    step.draw(c);
    const CanvasChanges changes = c.TakeChanges();
    EXPECT_EQ(changes.From, from);
    EXPECT_EQ(changes.To, c.Revision());
    EXPECT_EQ(changes.Areas, step.area.Empty() ? std::vector<PixelRect>{} : std::vector<PixelRect>{step.area});
    EXPECT_EQ(changes.From == changes.To, step.area.Empty());
    EXPECT_TRUE(c.TakeChanges().Areas.empty());  // taken: nothing is reported twice
  }
}

// The pixel walks write through a batch: its pixels count when it ends, and a look while
// it is alive sees the whole image and takes nothing.
TEST(CanvasChanges, ABatchCountsItsPixelsWhenItEnds) {
  Canvas c = PixelCanvas(16, 8);
  const uint64_t from = c.TakeChanges().To;
  {
    Canvas::Batch batch(c);
    batch.PSetInPixels(3.4f, 2.6f, 255);   // pixel (3, 3)
    batch.PSetInPixels(9.5f, 0.2f, 255);   // pixel (10, 0)
    batch.PSetInPixels(-2.0f, 1.0f, 255);  // outside: nothing
    const CanvasChanges during = c.TakeChanges();
    EXPECT_EQ(during.From, from);
    EXPECT_EQ(during.Areas, (std::vector<PixelRect>{{0, 0, 16, 8}}));
    batch.PSetInPixels(6.0f, 5.49f, 255);  // pixel (6, 5)
  }
  const CanvasChanges after = c.TakeChanges();
  EXPECT_EQ(after.From, from);
  EXPECT_EQ(after.To, c.Revision());
  EXPECT_EQ(after.Areas, (std::vector<PixelRect>{{3, 0, 11, 6}}));
}

// A new size is a new image: all of it has changed, and only the new size counts.
TEST(CanvasChanges, AChangeOfTheOwnersSizeChangesEveryPixel) {
  Form f("f");
  PictureBox box(f, "Base");
  box.Move(0, 0, (30 + 4) * 15, (20 + 4) * 15);
  box.Cls();
  box.TakeChanges();
  box.Move(0, 0, (12 + 4) * 15, (25 + 4) * 15);
  EXPECT_EQ(box.TakeChanges().Areas, (std::vector<PixelRect>{{0, 0, 12, 25}}));
}

std::vector<PixelRect> SortedAreas(Canvas& c) {
  std::vector<PixelRect> areas = c.TakeChanges().Areas;
  std::sort(areas.begin(), areas.end(), [](const PixelRect& a, const PixelRect& b) {
    return std::pair{a.Top, a.Left} < std::pair{b.Top, b.Left};
  });
  return areas;
}

// A marker in a corner and an outline in the middle keep rectangles of their own; writes
// close together share one.
TEST(CanvasChanges, WritesFarApartKeepRectanglesOfTheirOwn) {
  Canvas c = PixelCanvas(400, 300);
  c.TakeChanges();
  c.PSet(1, 298, 255);
  c.Line(100, 10, 300, 10, 0);
  // The union, 299 x 289 pixels, would take in far more than the two writes and a block of
  // 64 x 64.
  EXPECT_EQ(SortedAreas(c), (std::vector<PixelRect>{{100, 10, 300, 11}, {1, 298, 2, 299}}));
  c.PSet(1, 298, 0);
  c.Line(100, 10, 300, 10, 0);
  c.Line(100, 20, 300, 20, 0);  // 200 x 11 for 400 pixels written: one rectangle
  EXPECT_EQ(SortedAreas(c), (std::vector<PixelRect>{{100, 10, 300, 21}, {1, 298, 2, 299}}));
}

// However many places are written, a few rectangles hold them all: nine dots on a
// diagonal, 100 pixels apart, get eight rectangles, two neighbours sharing one.
TEST(CanvasChanges, ManyPlacesShareAFewRectangles) {
  Canvas c = PixelCanvas(1000, 1000);
  c.TakeChanges();
  for (int k = 0; k <= 8; ++k) c.PSet(100 * k, 100 * k, 0);
  const std::vector<PixelRect> areas = c.TakeChanges().Areas;
  EXPECT_EQ(areas.size(), 8u);
  for (int k = 0; k <= 8; ++k) {
    SCOPED_TRACE(k);
    const int p = 100 * k;
    EXPECT_TRUE(std::any_of(areas.begin(), areas.end(), [p](const PixelRect& a) {
      return a.Left <= p && p < a.Right && a.Top <= p && p < a.Bottom;
    }));
  }
  for (const PixelRect& a : areas) EXPECT_LE((a.Right - a.Left) * (a.Bottom - a.Top), 101 * 101);
}

}  // namespace
}  // namespace ui
