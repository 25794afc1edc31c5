#include <gtest/gtest.h>

#include <limits>

#include "view/view_navigation.h"
#include "view_fixture.h"

namespace view {
namespace {

using model::G;

struct ViewCase {
  const char* name;
  void (*step)();
  float left, top, width, height, zoom;
};

class Navigation : public testing::DefaultView {};

TEST_F(Navigation, StepsFromTheDefaultView) {
  const ViewCase cases[] = {
      {"pan right", PanViewRight, -120, 1000, 1200, -1000, 1}, {"pan left", PanViewLeft, 120, 1000, 1200, -1000, 1},
      {"pan down", PanViewDown, 0, 1100, 1200, -1000, 1},      {"pan up", PanViewUp, 0, 900, 1200, -1000, 1},
      {"zoom in", ZoomViewIn, 300, 750, 600, -500, 0.5f},      {"zoom out", ZoomViewOut, -600, 1500, 2400, -2000, 2},
  };
  for (const ViewCase& c : cases) {
    SetUp();
    c.step();
    EXPECT_FLOAT_EQ(Base().ScaleLeft, c.left) << c.name;
    EXPECT_FLOAT_EQ(Base().ScaleTop, c.top) << c.name;
    EXPECT_FLOAT_EQ(Base().ScaleWidth, c.width) << c.name;
    EXPECT_FLOAT_EQ(Base().ScaleHeight, c.height) << c.name;
    EXPECT_FLOAT_EQ(G.ZoomScale, c.zoom) << c.name;
  }
}

TEST_F(Navigation, PansStopAtTheMillionLimits) {
  Base().SetScale(-1000000, 1000, 1200, -1000);
  PanViewRight();
  EXPECT_FLOAT_EQ(Base().ScaleLeft, -1000000);
  PanViewLeft();
  EXPECT_FLOAT_EQ(Base().ScaleLeft, -1000000 + 120);

  Base().SetScale(0, 1000000, 1200, -1000);
  PanViewDown();
  EXPECT_FLOAT_EQ(Base().ScaleTop, 1000000);
  PanViewUp();
  EXPECT_FLOAT_EQ(Base().ScaleTop, 1000000 - 100);

  Base().SetScale(999000, 1000, 1000, -1000);  // right edge at the limit
  PanViewLeft();
  EXPECT_FLOAT_EQ(Base().ScaleLeft, 999000);
  Base().SetScale(0, -999000, 1200, -1000);  // bottom edge at the limit
  PanViewUp();
  EXPECT_FLOAT_EQ(Base().ScaleTop, -999000);
}

TEST_F(Navigation, ZoomGuardsKeepTheViewUsable) {
  Base().SetScale(0, 1000, 1000000, -1000);
  ZoomViewOut();
  EXPECT_FLOAT_EQ(Base().ScaleWidth, 1000000);
  EXPECT_FLOAT_EQ(G.ZoomScale, 1);

  // Width 1 cannot be halved further.
  Base().SetScale(0, 10, 1, -1);
  ZoomViewIn();
  EXPECT_FLOAT_EQ(Base().ScaleWidth, 1);
  // A flat view: the width could halve, but the height would fall below 1.
  Base().SetScale(0, 10, 600, -1);
  ZoomViewIn();
  EXPECT_FLOAT_EQ(Base().ScaleWidth, 600);
  EXPECT_FLOAT_EQ(Base().ScaleHeight, -1);
  EXPECT_FLOAT_EQ(G.ZoomScale, 1);
}

// A step whose result would leave the range a document keeps does nothing, and still
// redraws: a zoom scale doubled past the largest single or halved to 0, a view grown or
// moved past the 32-bit range (2147483520 is the largest single below 2^31), and the
// views with no positive width or with y pointing down that only damage could give.
TEST_F(Navigation, StepsThatWouldLeaveTheKeptRangeDoNothingButRedraw) {
  const float tiny = std::numeric_limits<float>::denorm_min();
  const ViewCase cases[] = {
      {"zoom scale 3e38 doubled", ZoomViewOut, 0, 1000, 1200, -1000, 3e38f},
      {"the smallest zoom scale halved", ZoomViewIn, 0, 1000, 1200, -1000, tiny},
      // Height -4294967040 after.
      {"a view 2^31 high doubled", ZoomViewOut, 0, 1000, 1200, -2147483520.0f, 1},
      // Left edge -2147484248 after: below -2^31.
      {"the left edge at -2^31 moved left", ZoomViewOut, -2147483648.0f, 1000, 1200, -1000, 1},
      // Top edge 2147484020 after, which as a single is 2^31.
      {"the top edge moved to 2^31", ZoomViewOut, 0, 2147483520.0f, 1200, -1000, 1},
      // Left edge 2147483520 + 536870880 after.
      {"the left edge moved past 2^31", ZoomViewIn, 2147483520.0f, 1000, 2147483520.0f, -1000, 1},
      {"a negative width doubled", ZoomViewOut, 0, 1000, -1200, -1000, 1},
      {"a negative width panned", PanViewLeft, 0, 1000, -1200, -1000, 1},
      {"a positive height panned", PanViewDown, 0, 1000, 1200, 1000, 1},
  };
  for (const ViewCase& c : cases) {
    SetUp();
    Base().PSet(601, 499, model::Red);  // pixel (601, 501): gone once the step redraws
    Base().SetScale(c.left, c.top, c.width, c.height);
    G.ZoomScale = c.zoom;
    c.step();
    EXPECT_EQ(Base().ScaleLeft, c.left) << c.name;
    EXPECT_EQ(Base().ScaleTop, c.top) << c.name;
    EXPECT_EQ(Base().ScaleWidth, c.width) << c.name;
    EXPECT_EQ(Base().ScaleHeight, c.height) << c.name;
    EXPECT_EQ(G.ZoomScale, c.zoom) << c.name;
    EXPECT_EQ(Base().PixelAt(601, 501), model::White) << c.name;
  }
}

// At the ends of the range the steps still act: a view 2^31 high pans and zooms in, the
// largest and smallest zoom scales that halve or double to a finite single above 0 do.
TEST_F(Navigation, StepsInsideTheKeptRangeActAsBefore) {
  Base().SetScale(0, 1000, 1200, -2147483520.0f);
  PanViewDown();  // 1000 + 214748352, as a single (a step of 16 there) 214749344
  EXPECT_EQ(Base().ScaleTop, 214749344.0f);
  ZoomViewIn();  // top + height / 4, then half the height
  EXPECT_EQ(Base().ScaleTop, 214749344.0f - 536870880.0f);
  EXPECT_EQ(Base().ScaleHeight, -1073741760.0f);

  Base().SetScale(0, 1000, 1200, -1000);
  G.ZoomScale = 1.5e38f;
  ZoomViewOut();
  EXPECT_EQ(G.ZoomScale, 2 * 1.5e38f);  // just under the largest single, 3.4e38
  EXPECT_EQ(Base().ScaleWidth, 2400);
  G.ZoomScale = 2 * std::numeric_limits<float>::denorm_min();
  ZoomViewIn();
  EXPECT_EQ(G.ZoomScale, std::numeric_limits<float>::denorm_min());
  EXPECT_EQ(Base().ScaleWidth, 1200);
}

TEST_F(Navigation, ZoomSetsGridTooDenseFromTheNewWidth) {
  G.GridSpacing = 10;
  ZoomViewOut();  // 2400 wide: 240 steps
  EXPECT_TRUE(G.GridTooDense);
  Base().SetScale(0, 1000, 1000, -1000);
  ZoomViewOut();  // exactly 2000 wide: 200 steps
  EXPECT_FALSE(G.GridTooDense);
  G.GridSpacing = 0;  // a bad stored value must not divide by zero
  ZoomViewIn();
  EXPECT_TRUE(G.GridTooDense);
}

}  // namespace
}  // namespace view
