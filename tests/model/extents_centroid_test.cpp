#include "model/extents_centroid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/globals.h"
#include "section_fixture.h"
#include "windows/sheet.h"

namespace model {
namespace {

using testing::Angle100x150;
using testing::Bar;
using testing::Deg;
using testing::Plate;
using testing::SectionTest;
using testing::Shape;

class Extents : public SectionTest {
 protected:
  void Run() {
    ShowArea();
    ComputeExtents();
    ShowDepth();
    ShowWidth();
    ComputeCentroid();
  }
};

TEST_F(Extents, OnePlateGivesItsBoxAndCentroid) {
  Add(Plate(200, 10, 100, 50));
  Run();
  EXPECT_EQ(G.XMin, 100);
  EXPECT_EQ(G.XMax, 300);
  EXPECT_EQ(G.YMin, 50);
  EXPECT_EQ(G.YMax, 60);
  EXPECT_EQ(G.SecArea, 2000);
  EXPECT_EQ(G.SecDepth, 10);
  EXPECT_EQ(G.SecWidth, 200);
  EXPECT_FLOAT_EQ(G.SecXBar, 100);
  EXPECT_FLOAT_EQ(G.SecYBar, 5);
  EXPECT_EQ(windows::Sheet().Area.Caption, " 2000");
  EXPECT_EQ(windows::Sheet().d.Caption, " 10");
  EXPECT_EQ(windows::Sheet().b.Caption, " 200");
  EXPECT_EQ(windows::Sheet().xBar.Caption, " 100");
  EXPECT_EQ(windows::Sheet().yBar.Caption, " 5");
}

TEST_F(Extents, AMirroredPlateRunsToTheLeft) {
  Add(Plate(200, 10, 100, 50, 0, -1));
  Run();
  EXPECT_EQ(G.XMin, -100);
  EXPECT_EQ(G.XMax, 100);
  EXPECT_FLOAT_EQ(G.SecXBar, 100);
}

// The extents are the corners themselves: once they were rounded to whole millimetres
// (10.5 gave 10, 11.5 gave 12), which took the depth and the moduli off by up to half a
// millimetre.
TEST_F(Extents, CornersAreExactNotRounded) {
  Add(Plate(10.5f, 10, 0, 0));
  Run();
  EXPECT_EQ(G.XMax, 10.5);
  EXPECT_EQ(G.SecWidth, 10.5f);
  G.Elements[1] = Plate(11.5f, 0.25f, 0, -3);
  Run();
  EXPECT_EQ(G.XMax, 11.5);
  EXPECT_EQ(G.YMax, -2.75);
  EXPECT_EQ(G.SecDepth, 0.25f);
}

TEST_F(Extents, StartFromTheFirstElementAndWidenOnlyWhereNeeded) {
  Add(Plate(200, 100, 500, 300));
  Add(Plate(20, 20, 550, 320));  // inside
  Run();
  EXPECT_EQ(G.XMin, 500);
  EXPECT_EQ(G.YMin, 300);
  EXPECT_EQ(G.XMax, 700);
  EXPECT_EQ(G.YMax, 400);
  Add(Plate(50, 20, 400, 350));  // to the left, within the height
  Run();
  EXPECT_EQ(G.XMin, 400);
  EXPECT_EQ(G.YMin, 300);
  EXPECT_EQ(G.XMax, 700);
  EXPECT_EQ(G.YMax, 400);
}

TEST_F(Extents, ARoundBarOrTubeKeepsItsDiameterAtAnyAngle) {
  Add(Bar(100, 0, 0, 45 * Deg));
  Run();
  // Centre (0, 50 sqrt 2): the box is the centre plus and minus 50 on both axes (no
  // longer rounded: YMin was 21).
  EXPECT_EQ(G.SecDepth, 100);
  EXPECT_EQ(G.SecWidth, 100);
  EXPECT_NEAR(G.XMin, -50, 1e-6);
  EXPECT_NEAR(G.YMin, 50 * std::sqrt(2.0) - 50, 1e-6);
  G.Elements[1] = Shape(17, 168, 168, 7, 7, 0, 0);
  G.Elements[1].Angle = 30 * Deg;
  Run();
  EXPECT_EQ(G.SecDepth, 168);
  EXPECT_EQ(G.SecWidth, 168);
}

TEST_F(Extents, AnAngleOrTeeUsesEveryCornerOfItsOutline) {
  // Angle 100 x 150 x 10 at 45 degrees: the top of its upright leg, (10, 150), lies at
  // y = 160 / sqrt 2 = 113.1, above (0, 150) at 106.1. (Exact now; they were rounded to
  // 113, -106, 71.)
  const double s2 = std::sqrt(2.0);
  Add(Angle100x150(0, 0, 45 * Deg));
  Run();
  EXPECT_NEAR(G.YMax, 160 / s2, 1e-5);
  EXPECT_EQ(G.YMin, 0);
  EXPECT_NEAR(G.XMin, -150 / s2, 1e-5);  // (0, 150)
  EXPECT_NEAR(G.XMax, 100 / s2, 1e-5);   // (100, 0)
  EXPECT_NEAR(G.SecDepth, 160 / s2, 1e-4);
  EXPECT_NEAR(G.SecWidth, 250 / s2, 1e-4);
  // Tee 200 wide, 100 deep, flange 20, stem 10, at 45 degrees: the flange end (200, 20)
  // lies at y = 220 / sqrt 2 = 155.6, above the stem top (105, 100) at 145.7.
  G.Elements[1] = Shape(9, 100, 200, 20, 10);
  G.Elements[1].Angle = 45 * Deg;
  Run();
  EXPECT_NEAR(G.YMax, 220 / s2, 1e-5);
  // and the other flange end (0, 20) at x = -20 / sqrt 2 = -14.1, left of the stem top
  // (95, 100) at -3.5.
  EXPECT_NEAR(G.XMin, -20 / s2, 1e-5);
}

TEST_F(Extents, CentroidOfATeeOfTwoPlates) {
  Add(Plate(10, 190, 95, 0));
  Add(Plate(200, 10, 0, 190));
  Run();
  EXPECT_EQ(G.SecArea, 3900);
  // (1900 x 95 + 2000 x 195) / 3900
  EXPECT_NEAR(G.SecYBar, 146.28205, 1e-4);
  EXPECT_FLOAT_EQ(G.SecXBar, 100);
  EXPECT_EQ(windows::Sheet().yBar.Caption, " 146.28");
}

TEST_F(Extents, AnEmptyOrAreaLessSectionHasItsCentroidAtTheCorner) {
  Run();
  EXPECT_EQ(G.XMin, 0);
  EXPECT_EQ(G.YMax, 0);
  EXPECT_EQ(G.SecArea, 0);
  EXPECT_EQ(G.SecXBar, 0);
  EXPECT_EQ(windows::Sheet().Area.Caption, " 0");
  ElementRecord e = Plate(100, 10, 50, 50);
  e.ElemArea = 0;
  Add(e);
  Run();
  EXPECT_EQ(G.XMin, 50);
  EXPECT_EQ(G.SecXBar, 0);
  EXPECT_EQ(G.SecYBar, 0);
}

TEST_F(Extents, BadNumbersGiveZeroNotANonNumber) {
  ElementRecord e = Plate(100, 10, 0, 0);
  e.ElemArea = std::numeric_limits<float>::quiet_NaN();
  Add(e);
  ElementRecord far = Plate(100, 10, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min());
  far.Width = 3e38f;
  Add(far);
  Run();
  EXPECT_EQ(G.SecArea, 0);
  EXPECT_EQ(windows::Sheet().Area.Caption, " 0");
  EXPECT_TRUE(std::isfinite(G.SecDepth));
  EXPECT_TRUE(std::isfinite(G.SecWidth));
  EXPECT_EQ(G.SecXBar, 0);
  G.ElementCount = 300;  // never runs past the element array
  Run();
}

}  // namespace
}  // namespace model
