// Sections whose faces do not lie on whole millimetres, about the global and about the
// principal axes. The expected values are worked by hand from the rectangles (parallel
// axes, Mohr's circle for the principal moments, the corners turned onto the principal
// axes for the depth, width and extreme fibres); each is checked to a relative 1e-5.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/globals.h"
#include "model/properties.h"
#include "section_fixture.h"

namespace model {
namespace {

using testing::Deg;
using testing::Plate;
using testing::SectionTest;

struct Values {
  double d, b, Sx, Sy;
  double Zx = NAN, Zy = NAN;  // where a simple hand value exists
};

struct Case {
  const char* name;
  std::vector<ElementRecord> plates;
  Values global;
  Values principal;
};

ElementRecord Mirrored(ElementRecord e) {
  e.MirrorSign = -1;
  return e;
}

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // 8 x 0.5 in: d = 12.7, Sx = b d^2 / 6, Zx = b d^2 / 4; about the principal axes it
      // stands on its narrow face.
      {"inch plate",
       {Plate(203.2f, 12.7f, 0, 0)},
       {12.7, 203.2, 203.2 * 12.7 * 12.7 / 6, 12.7 * 203.2 * 203.2 / 6, 203.2 * 12.7 * 12.7 / 4,
        12.7 * 203.2 * 203.2 / 4},
       {203.2, 12.7, 12.7 * 203.2 * 203.2 / 6, 203.2 * 12.7 * 12.7 / 6, 12.7 * 203.2 * 203.2 / 4,
        203.2 * 12.7 * 12.7 / 4}},
      // 100 x 10 turned 30 degrees: corners (0, 0), (86.603, 50), (81.603, 58.660),
      // (-5, 8.660); Ix = 214583.3, Iy = 627083.3 (c = cos 60), the centroid at mid-box.
      {"plate turned 30 degrees",
       {Plate(100, 10, 0, 0, 30 * Deg)},
       {58.660254, 91.602540, 214583.33 / 29.330127, 627083.33 / 45.801270},
       {100, 10, 833333.33 / 50, 8333.3333 / 5, 10.0 * 100 * 100 / 4, 100.0 * 10 * 10 / 4}},
      // 100 x 5 under 5 x 95: centroid 26.85897 both ways, Ix = Iy = 967255.6,
      // Ixy = -578525.6; I1 = 1545781, I2 = 388730 about the axes at 45 degrees, the leg
      // ends 100 / sqrt 2 from the major axis, the heel 26.85897 sqrt 2 from the minor.
      {"two-plate angle",
       {Plate(100, 5, 0, 0), Plate(5, 95, 0, 5)},
       {100, 100, 967255.6 / 73.14103, 967255.6 / 73.14103},
       {141.42136, 74.246212, 1545781.2 / 70.710678, 388730.0 / 37.984555}},
      // Flanges 50 x 5 at (-45, 0) and (0, 95), web 5 x 90 at (0, 5): centroid (2.5, 50),
      // Ix = 1432917, Iy = 358229.2, Ixy = 534375; I1 = 1653395, I2 = 137750.4 about the
      // major axis at 157.58 degrees.
      {"zed of three plates",
       {Plate(50, 5, -45, 0), Plate(5, 90, 0, 5), Plate(50, 5, 0, 95)},
       {100, 95, 1432916.7 / 50, 358229.17 / 47.5},
       {128.67418, 53.492513, 1653395.4 / 64.337091, 137750.44 / 26.746256}},
      // 100 x 10 mirrored and turned 30 degrees, corners (0, 0), (-86.603, 50),
      // (-81.603, 58.660), (5, 8.660), beside a 50 x 20 plate at (20, 0): centroid
      // (1.89936, 19.66506), Ix = 434743.6, Iy = 4516346, Ixy = -1186510; I1 = 4836196,
      // I2 = 114893.1 about the axis at 74.91 degrees.
      {"mirrored turned plate beside a straight one",
       {Mirrored(Plate(100, 10, 0, 0, 30 * Deg)), Plate(50, 20, 20, 0)},
       {58.660254, 156.60254, 434743.6 / 38.995194, 4516346.0 / 88.701905},
       {164.21904, 37.530330, 4836196.0 / 93.540, 114893.1 / 19.533660}},
  };
  return cases;
}

class ExactResults : public SectionTest {};

void ExpectRelative(double actual, double expected, const char* what, const char* name) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-5) << name << ": " << what;
}

void ExpectValues(const Values& v, const char* name) {
  ExpectRelative(G.SecDepth, v.d, "d", name);
  ExpectRelative(G.SecWidth, v.b, "b", name);
  ExpectRelative(G.SecSx, v.Sx, "Sx", name);
  ExpectRelative(G.SecSy, v.Sy, "Sy", name);
  if (!std::isnan(v.Zx)) ExpectRelative(G.SecZx, v.Zx, "Zx", name);
  if (!std::isnan(v.Zy)) ExpectRelative(G.SecZy, v.Zy, "Zy", name);
}

TEST_F(ExactResults, EachSectionAboutTheGlobalAndThePrincipalAxes) {
  for (const Case& c : Cases()) {
    G = Globals{};
    G.UnitStatus = True;
    for (const ElementRecord& e : c.plates) Add(e);
    const auto before = G.Elements;

    G.RotAxis = True;
    RecalcProperties();
    ExpectValues(c.global, c.name);
    // The principal moments of the same section from its global Ix, Iy and Ixy.
    const double mean = (static_cast<double>(G.SecIx) + G.SecIy) / 2;
    const double radius = std::hypot((static_cast<double>(G.SecIx) - G.SecIy) / 2, G.SecIxy);
    const double I1 = mean + radius, I2 = mean - radius;

    G.RotAxis = False;
    RecalcProperties();
    ExpectRelative(G.SecIx, I1, "Ix = I1", c.name);
    ExpectRelative(G.SecIy, I2, "Iy = I2", c.name);
    EXPECT_NEAR(G.SecIxy, 0, I1 * 1e-5) << c.name;
    ExpectValues(c.principal, c.name);
    // The stored section comes back exactly as drawn.
    EXPECT_EQ(G.Elements, before) << c.name;
  }
}

}  // namespace
}  // namespace model
