#include <gtest/gtest.h>

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
