#include "model/inertia.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/extents_centroid.h"
#include "model/globals.h"
#include "section_fixture.h"
#include "windows/sheet.h"

namespace model {
namespace {

using testing::Angle100x150;
using testing::Bar;
using testing::Plate;
using testing::SectionTest;

constexpr float HalfPi = static_cast<float>(3.14159265 / 2);
constexpr double TwoPi = 6.2831853;

class Inertia : public SectionTest {
 protected:
  void Run() {
    ShowArea();
    ComputeExtents();
    ShowDepth();
    ShowWidth();
    ComputeCentroid();
    ComputeInertia();
    ShowSectionModuli();
    ShowRadiiOfGyration();
  }
};

TEST_F(Inertia, OnePlate) {
  Add(Plate(200, 10, 0, 0));
  Run();
  EXPECT_FLOAT_EQ(G.SecIx, 200.0f * 1000 / 12);
  EXPECT_FLOAT_EQ(G.SecIy, 10.0f * 8e6f / 12);
  EXPECT_EQ(G.SecIxy, 0);
  // arctan(0) / 2 = 0, and Iy is the larger: a quarter turn.
  EXPECT_FLOAT_EQ(G.SecPhi, HalfPi);
  EXPECT_FLOAT_EQ(G.SecSx, 16666.667f / 5);
  EXPECT_FLOAT_EQ(G.SecSy, 6666666.7f / 100);
  EXPECT_NEAR(G.SecRx, std::sqrt(16666.667 / 2000), 1e-5);
  EXPECT_NEAR(G.SecRy, std::sqrt(6666666.7 / 2000), 1e-4);
  EXPECT_EQ(windows::Sheet().Ix.Caption, " 16666.67");
  // 6666666.5 held as a single; scaled by 100 it is 666666624 in single precision, so
  // the rounding to 2 decimals keeps 6666666.
  EXPECT_EQ(windows::Sheet().Iy.Caption, " 6666666");
  EXPECT_EQ(windows::Sheet().Sx.Caption, " 3333.33");
  EXPECT_EQ(windows::Sheet().rx.Caption, " 2.89");
  EXPECT_EQ(windows::Sheet().ry.Caption, " 57.74");
}

TEST_F(Inertia, AQuarterTurnExchangesTheMoments) {
  Add(Plate(200, 10, 0, 0, 3.14159265 / 2));
  Run();
  EXPECT_NEAR(G.SecIx, 6666666.7, 2);
  EXPECT_NEAR(G.SecIy, 16666.667, 2);
  const double phi = G.SecPhi;
  EXPECT_TRUE(phi < 1e-5 || phi > TwoPi - 1e-5) << phi;
}

TEST_F(Inertia, SquaresAndBarsHaveNoPrincipalDirection) {
  Add(Plate(50, 50, 10, 10));
  Run();
  EXPECT_EQ(G.SecPhi, 0);
  G.Elements[1] = Bar(60, 0, 0);
  Run();
  EXPECT_EQ(G.SecPhi, 0);
  EXPECT_NEAR(G.SecIx, 3.14159265 * std::pow(60, 4) / 64, 1);
  // Sx = I / (D / 2) = pi D^3 / 32
  EXPECT_NEAR(G.SecSx, 3.14159265 * std::pow(60, 3) / 32, 0.1);
}

TEST_F(Inertia, PlatesSideBySideHaveNoProduct) {
  Add(Plate(100, 20, 0, 0));
  Add(Plate(100, 20, 300, 0));
  Run();
  EXPECT_EQ(G.SecIxy, 0);
  // Iy: 2 x (20 x 100^3 / 12 + 2000 x 150^2)
  EXPECT_FLOAT_EQ(G.SecIy, 2 * (20.0f * 1e6f / 12 + 2000.0f * 22500));
}

TEST_F(Inertia, AMirroredPlateTurnsTheOtherWay) {
  Add(Plate(200, 10, 0, 0, 0.5));
  Run();
  const float ix = G.SecIx, iy = G.SecIy, phi = G.SecPhi;
  G.Elements[1] = Plate(200, 10, 0, 0, -0.5, -1);
  Run();
  EXPECT_FLOAT_EQ(G.SecIx, ix);
  EXPECT_FLOAT_EQ(G.SecIy, iy);
  EXPECT_FLOAT_EQ(G.SecPhi, phi);
  // The larger moment is about the axis across the plate.
  EXPECT_NEAR(phi, 0.5 + 3.14159265 / 2, 1e-6);
}

TEST_F(Inertia, TwoPlateTee) {
  Add(Plate(10, 190, 95, 0));
  Add(Plate(200, 10, 0, 190));
  Run();
  // Own 5715833.3 + 16666.7, parallel 1900 x 51.282^2 + 2000 x 48.718^2.
  EXPECT_NEAR(G.SecIx, 15476089.7, 2);
  EXPECT_NEAR(G.SecIy, 190.0 * 1000 / 12 + 10.0 * 8e6 / 12, 1);
  // The fibre farther from the centroid is the bottom one, 146.28 below.
  EXPECT_NEAR(G.SecSx, 15476089.7 / 146.282051, 0.1);
  EXPECT_NEAR(G.SecSy, 6682500.0 / 100, 0.01);
  EXPECT_EQ(windows::Sheet().Ix.Caption, " 1.547609E+07");
  // Upside down, the farther fibre is the top one; the same modulus.
  G.Elements[1] = Plate(200, 10, 0, 0);
  G.Elements[2] = Plate(10, 190, 95, 10);
  Run();
  EXPECT_NEAR(G.SecYBar, 53.718, 1e-3);
  EXPECT_NEAR(G.SecSx, 15476089.7 / 146.282051, 0.1);
}

TEST_F(Inertia, ALoneAngleAndItsMirrorImage) {
  Add(Angle100x150(0, 0));
  Run();
  EXPECT_FLOAT_EQ(G.SecIx, 5576250);
  EXPECT_FLOAT_EQ(G.SecIy, 2026250);
  EXPECT_FLOAT_EQ(G.SecIxy, -1968750);
  // tan 2 phi = 2 x 1968750 / (5576250 - 2026250)
  EXPECT_NEAR(G.SecPhi, 0.41855248, 1e-6);
  G.Elements[1].MirrorSign = -1;
  Run();
  EXPECT_FLOAT_EQ(G.SecIxy, 1968750);
  EXPECT_NEAR(G.SecPhi, TwoPi - 0.41855248, 1e-6);
}

TEST_F(Inertia, AnAngleKeepsItsOwnProductBesideOtherElements) {
  // Back to back, one mirrored: the two own products cancel.
  Add(Angle100x150(0, 0));
  Add(Angle100x150(0, 0, 0, -1));
  Run();
  EXPECT_FLOAT_EQ(G.SecIx, 2 * 5576250.0f);
  EXPECT_FLOAT_EQ(G.SecIy, 2 * (2026250.0f + 2400 * 23.75f * 23.75f));
  EXPECT_EQ(G.SecIxy, 0);
  EXPECT_EQ(G.SecPhi, 0);
  // Side by side, both the same way: the products add up.
  G.Elements[2] = Angle100x150(1000, 0);
  Run();
  EXPECT_FLOAT_EQ(G.SecIxy, -3937500);
  EXPECT_FLOAT_EQ(G.SecIy, 2 * 2026250.0f + 2 * 2400 * 250000.0f);
  // arctan(7875000 / (11152500 - 1204052500)) / 2 + 2 pi + pi / 2 - 2 pi
  EXPECT_NEAR(G.SecPhi, 1.5674956, 1e-6);
}

TEST_F(Inertia, ATurnedChannelBesideAPlate) {
  // Channel 200 x 75, flanges 10, web 6, from its three rectangles: A 2580, centroid
  // 23.0581 from the back of the web, Ix0 = 75 x 200^3 / 12 - 69 x 180^3 / 12.
  ElementRecord channel;
  channel.ShapeType = 6;
  channel.Depth = 200;
  channel.Width = 75;
  channel.FlangeThickness = 10;
  channel.WebThickness = 6;
  channel.ElemArea = 2580;
  channel.ElemIx = 16466000;
  channel.ElemIy = 1453731.3f;
  channel.CentroidX = 23.058140f;
  channel.CentroidY = 100;
  channel.Angle = 30 * testing::Deg;
  channel.MirrorSign = 1;
  Add(channel);
  Add(Plate(200, 10, -150, -40));
  Run();
  // By the outline of the five rectangles as drawn: centroid (-38.7511, 39.9955), the
  // box from (-150, -40) to (75 cos 30, 75 sin 30 + 200 cos 30) = (64.95, 210.705): the
  // top corner exact, no longer rounded to 211.
  EXPECT_EQ(G.XMin, -150);
  EXPECT_NEAR(G.YMax, 37.5 + 100 * std::sqrt(3.0), 1e-4);
  EXPECT_NEAR(G.SecXBar, 111.248876, 1e-4);
  EXPECT_NEAR(G.SecYBar, 79.995536, 1e-4);
  EXPECT_NEAR(G.SecIx, 32698152.4, 40);
  EXPECT_NEAR(G.SecIy, 12322721.3, 15);
  EXPECT_NEAR(G.SecIxy, -3505341.1, 15);
  // arctan(2 x 3505341.1 / (32698152.4 - 12322721.3)) / 2
  EXPECT_NEAR(G.SecPhi, 0.16569348, 1e-6);
  // Farther fibres: the top edge 170.71 above the centroid, the left edge 111.2 from it.
  EXPECT_NEAR(G.SecSx, 32698152.4 / (250.705081 - 79.995536), 0.3);
  EXPECT_NEAR(G.SecSy, 12322721.3 / 111.248876, 0.2);
}

TEST_F(Inertia, AnEmptySectionShowsZeros) {
  Run();
  EXPECT_EQ(G.SecIx, 0);
  EXPECT_EQ(G.SecPhi, 0);
  EXPECT_EQ(G.SecSx, 0);
  EXPECT_EQ(G.SecRy, 0);
  for (const ui::Label* l : {&windows::Sheet().Ix, &windows::Sheet().Iy, &windows::Sheet().Sx, &windows::Sheet().Sy,
                             &windows::Sheet().rx, &windows::Sheet().ry})
    EXPECT_EQ(l->Caption, " 0");
}

TEST_F(Inertia, QuantitiesThatCannotBeFormedAreZero) {
  // No area, no depth: no radius of gyration, no section modulus about x.
  ElementRecord e = Plate(100, 0, 0, 0);
  e.ElemIx = 5;
  Add(e);
  Run();
  EXPECT_EQ(G.SecSx, 0);
  EXPECT_EQ(G.SecRx, 0);
  EXPECT_EQ(G.SecRy, 0);
  // A negative moment has no root.
  G.Elements[1] = Plate(100, 10, 0, 0);
  G.Elements[1].ElemIx = -5000;
  Run();
  EXPECT_EQ(G.SecRx, 0);
  // Non-numbers in a record.
  G.Elements[1].ElemIy = std::numeric_limits<float>::quiet_NaN();
  G.Elements[1].Angle = std::numeric_limits<double>::infinity();
  Run();
  for (float v : {G.SecIx, G.SecIy, G.SecIxy, G.SecPhi, G.SecSx, G.SecSy, G.SecRx, G.SecRy})
    EXPECT_TRUE(std::isfinite(v));
  for (const ui::Label* l : {&windows::Sheet().Ix, &windows::Sheet().Iy, &windows::Sheet().Sx, &windows::Sheet().Sy,
                             &windows::Sheet().rx, &windows::Sheet().ry})
    EXPECT_EQ(l->Caption.find_first_of("NIa"), std::string::npos) << l->Caption;
}

}  // namespace
}  // namespace model
