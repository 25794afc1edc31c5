#include "model/plastic_moduli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

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

// Plastic modulus of a rectangle 2a by 2c turned so that its a-side makes the angle th
// with the axis through its centre: a band of constant cut between the two long sides,
// then two linear tails.
double TurnedRectangleZ(double a, double c, double th) {
  double p = a * std::sin(th), q = c * std::cos(th);
  const double w = p >= q ? 2 * c / std::sin(th) : 2 * a / std::cos(th);
  if (p < q) std::swap(p, q);
  const double L = p - q, U = p + q;
  return 2 * (w / 2 * L * L + w / (U - L) * (U * (U * U - L * L) / 2 - (U * U * U - L * L * L) / 3));
}

struct PlasticCase {
  std::string name;
  std::vector<ElementRecord> elements;
  double zx, zy;
};

ElementRecord Turned(ElementRecord e, double angle, int16_t mirror = 1) {
  e.Angle = angle;
  e.MirrorSign = mirror;
  return e;
}

class Plastic : public SectionTest {
 protected:
  void Load(const std::vector<ElementRecord>& elements) {
    G.ElementCount = 0;
    for (const ElementRecord& e : elements) Add(e);
  }
};

TEST_F(Plastic, HandCalculatedSections) {
  const double tee_axis = 3304.0 / 2 / 150;  // in the flange of the 200 x 150 tee
  // The channel 200 x 75, flanges 10 thick on the mean and sloping 1 in 6 over their
  // outstands from u = 6 to 75: the thickness is 16.75 - u/6, 15.75 at the web. Zx: each
  // flange loses the mean of the squared taper, L^3/12/36 over 2, about mid-depth. Zy:
  // the web (1200) and the flanges up to u = 6 + x hold half the area, 1290, so
  // 15.75 x - x^2/12 = 45.
  const double channel_zx = 2 * (750.0 * 95 + 540 * 45) - 2 * std::pow(69.0, 3) / 864;
  const double x = (189 - std::sqrt(189.0 * 189 - 4 * 540)) / 2, a = 6 + x;
  // First moment of one flange's thickness from u to the axis, as an antiderivative.
  auto F = [a](double u) { return 16.75 * (u * u / 2 - a * u) - (u * u * u / 3 - a * u * u / 2) / 6; };
  const double channel_zy = 1200 * (a - 3) + 2 * ((F(75) - F(a)) - (F(a) - F(6)));
  const PlasticCase cases[] = {
      {"plate", {Plate(200, 10, 40, 70)}, 200.0 * 10 * 10 / 4, 10.0 * 200 * 200 / 4},
      {"plate turned 30 degrees", {Plate(100, 20, 0, 0, 30 * Deg)}, 26000, TurnedRectangleZ(50, 10, 60 * Deg)},
      {"upright plate turned 30 degrees", {Plate(20, 100, 0, 0, 30 * Deg)}, TurnedRectangleZ(50, 10, 60 * Deg), 26000},
      // Equal-area axis 9.75 below the top of the flange.
      {"two-plate tee",
       {Plate(10, 190, 95, 0), Plate(200, 10, 0, 190)},
       200 * 9.75 * 9.75 / 2 + 200 * 0.25 * 0.125 + 1900 * (190.25 - 95),
       190 * 100 / 4.0 + 10 * 40000 / 4.0},
      // The welded tee of the axis fault: 17.5 below the top, not through the centroid.
      {"welded tee",
       {Plate(10, 300, 95, 0), Plate(200, 20, 0, 300)},
       200 * 17.5 * 8.75 + 200 * 2.5 * 1.25 + 3000 * 152.5,
       20 * 200 * 200 / 4.0 + 300 * 100 / 4.0},
      {"stacked plates meeting at the axis", {Plate(100, 10, 0, 0), Plate(100, 10, 0, 10)}, 10000, 50000},
      {"plates with a gap at the axis", {Plate(100, 10, 0, 0), Plate(100, 10, 0, 100)}, 100000, 50000},
      {"round bar", {Bar(50, 0, 0)}, 50.0 * 50 * 50 / 6, 50.0 * 50 * 50 / 6},
      {"round bar at 45 degrees", {Bar(50, 300, 200, 45 * Deg)}, 50.0 * 50 * 50 / 6, 50.0 * 50 * 50 / 6},
      {"circular hollow section", {Shape(17, 100, 100, 10, 10)}, (1e6 - 512000) / 6, (1e6 - 512000) / 6},
      {"parallel-flange I",
       {Shape(1, 300, 150, 10, 6)},
       2 * (1500.0 * 145 + 840 * 70),
       2 * 10 * 22500 / 4.0 + 280 * 36 / 4.0},
      // Flanges sloping 1 in 6 about their mean thickness 10 over the outstands of 72:
      // each of the four outstands loses L^3/72 of its first moment about the web's axis
      // and L^3/864 about the axis at mid-depth.
      {"sloped-flange I",
       {Shape(2, 300, 150, 10, 6)},
       2 * (1500.0 * 145 + 840 * 70) - 4 * std::pow(72.0, 3) / 864,
       2 * 10 * 22500 / 4.0 + 280 * 36 / 4.0 - 4 * std::pow(72.0, 3) / 72},
      {"channel", {Shape(6, 200, 75, 10, 6)}, channel_zx, channel_zy},
      // The flanges cut twice by the axis: a cut of two stretches.
      {"channel turned a quarter", {Turned(Shape(6, 200, 75, 10, 6), 90 * Deg)}, channel_zy, channel_zx},
      // Axes at v = 30 and u = 8.
      {"angle", {Shape(8, 150, 100, 10, 10)}, 1000 * 25.0 + 200 * 10 + 1200 * 60, 1200 * 4.0 + 300 * 1 + 900 * 47},
      {"mirrored angle", {Turned(Shape(8, 150, 100, 10, 10), 0, -1)}, 99000, 47400},
      {"angle turned a quarter", {Turned(Shape(8, 150, 100, 10, 10), 90 * Deg)}, 47400, 99000},
      {"tee",
       {Shape(9, 200, 150, 12, 8)},
       150 * tee_axis * tee_axis / 2 + 150 * (12 - tee_axis) * (12 - tee_axis) / 2 + 1504 * (106 - tee_axis),
       12 * 150 * 150 / 4.0 + 188 * 64 / 4.0},
      {"rectangular hollow section",
       {Shape(15, 200, 100, 10, 10)},
       100 * 40000 / 4.0 - 80 * 32400 / 4.0,
       200 * 10000 / 4.0 - 180 * 6400 / 4.0},
  };
  for (const PlasticCase& c : cases) {
    Load(c.elements);
    ComputePlasticModuli();
    EXPECT_NEAR(G.SecZx, c.zx, c.zx * 2e-6) << c.name;
    EXPECT_NEAR(G.SecZy, c.zy, c.zy * 2e-6) << c.name;
  }
}

TEST_F(Plastic, OneCornerBeyondTheAxisIsClippedExactly) {
  // A 10 x 10 square turned 45 degrees, centre at (0, 7.07): an axis 5 from the centre
  // leaves a triangle of height h = 7.071 - 5 beyond it, area h^2, lever h / 3.
  Add(Plate(10, 10, 0, 0, 45 * Deg));
  const double h = std::sqrt(50.0) - 5;
  const double z = 100 * 5 + 2 * h * h * h / 3;
  PlasticPieces acrossY, acrossX;
  ASSERT_TRUE(BuildPlasticPieces(true, acrossY));
  ASSERT_TRUE(BuildPlasticPieces(false, acrossX));
  const double cy = std::sqrt(50.0);
  EXPECT_NEAR(PlasticModulusAbout(acrossY, cy - 5), z, 1e-3);
  EXPECT_NEAR(PlasticModulusAbout(acrossY, cy + 5), z, 1e-3);
  EXPECT_NEAR(PlasticModulusAbout(acrossX, -5), z, 1e-3);
  EXPECT_NEAR(PlasticModulusAbout(acrossX, 5), z, 1e-3);
  // Wholly to one side: area times lever.
  EXPECT_NEAR(PlasticModulusAbout(acrossY, -20), 100 * (cy + 20), 1e-3);
}

TEST_F(Plastic, TheAxisHalvesTheArea) {
  Add(Plate(10, 190, 95, 0));
  Add(Plate(200, 10, 0, 190));
  PlasticPieces pieces;
  ASSERT_TRUE(BuildPlasticPieces(true, pieces));
  double axis = 0;
  ASSERT_TRUE(EqualAreaAxis(pieces, axis));
  EXPECT_NEAR(axis, 190.25, 1e-6);
  Load({Bar(50, 0, 0), Plate(50, 10, 0, 50)});  // a circle cut above its centre
  ASSERT_TRUE(BuildPlasticPieces(true, pieces = {}));
  ASSERT_TRUE(EqualAreaAxis(pieces, axis));
  // The plate and the bar's segment beyond the axis make half the total area, the
  // bar's whole area taken with pi as 3.14159265 like its own ElemArea.
  const double R = 25, k = axis - 25;
  ASSERT_GT(k, 0);
  ASSERT_LT(k, R);
  const double above = 500 + R * R * std::acos(k / R) - k * std::sqrt(R * R - k * k);
  EXPECT_NEAR(above, (500 + 3.14159265 * 625) / 2, 1e-6);
}

TEST_F(Plastic, ACircleWhollyToOneSideAddsRSquaredPiTimesItsLever) {
  // Two bars of diameter 10, centres at y = 5 and 25: the axis halfway at 15 misses
  // both, and each adds 5^2 x 3.14159265 x 10, the sum held as a single after each.
  Load({Bar(10, 0, 0), Bar(10, 0, 20)});
  ComputePlasticModuli();
  const float first = static_cast<float>(5.0 * 5.0 * 3.14159265 * 10);
  EXPECT_EQ(G.SecZx, static_cast<float>(first + 5.0 * 5.0 * 3.14159265 * 10));
}

TEST_F(Plastic, ShowsBothModuliInTheirUnits) {
  Add(Plate(200, 10, 0, 0));
  G.SIZyTol = 3;
  G.SIPrec = 1;
  ComputePlasticModuli();
  EXPECT_EQ(windows::Sheet().Zx.Caption, " 5000");
  EXPECT_EQ(windows::Sheet().Zy.Caption, " 100E3");
  G.UnitStatus = False;
  G.ImpZxTol = 0;
  G.ImpPrec = 3;
  ComputePlasticModuli();
  // 5000 / 25.4^3
  EXPECT_EQ(windows::Sheet().Zx.Caption, " .305");
}

TEST_F(Plastic, NothingToHalveGivesZero) {
  ComputePlasticModuli();
  EXPECT_EQ(G.SecZx, 0);
  EXPECT_EQ(windows::Sheet().Zy.Caption, " 0");
  Add(Plate(100, 0, 0, 0));
  Add(Shape(33, 100, 100, 10, 10));  // a code of no group
  ComputePlasticModuli();
  EXPECT_EQ(G.SecZx, 0);
  EXPECT_EQ(G.SecZy, 0);
  // A wall of half the diameter leaves a solid bar.
  Load({Shape(17, 100, 100, 60, 60)});
  ComputePlasticModuli();
  EXPECT_NEAR(G.SecZx, 1e6 / 6, 0.1);
}

TEST_F(Plastic, ANonNumberGivesZero) {
  Add(Plate(100, 10, 0, 0));
  Add(Plate(100, 10, 0, 0, std::numeric_limits<double>::quiet_NaN()));
  ComputePlasticModuli();
  EXPECT_EQ(G.SecZx, 0);
  EXPECT_EQ(G.SecZy, 0);
  EXPECT_EQ(windows::Sheet().Zx.Caption, " 0");
  Load({Plate(3e38f, 3e38f, 0, 0)});  // beyond the single range
  ComputePlasticModuli();
  EXPECT_TRUE(std::isfinite(G.SecZx));
  EXPECT_TRUE(std::isfinite(G.SecZy));
}

}  // namespace
}  // namespace model
