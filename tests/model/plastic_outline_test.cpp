// The real outlines of the rolled shapes in the plastic moduli: rounded hollow corners,
// root fillets sized by the record's area, sloped flanges, angle toes. Every number
// below is worked by hand from the corner, fillet and taper formulas.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/globals.h"
#include "model/plastic_clip.h"
#include "model/plastic_components.h"
#include "model/plastic_moduli.h"
#include "section_fixture.h"

namespace model {
namespace {

using testing::Deg;
using testing::SectionTest;
using testing::Shape;

constexpr double PiExact = 3.14159265358979323846;
// Arcs are chords whose inner points lie just outside the circle, so that they enclose
// the arc's own area; the first moment of a quarter arc's area then comes out a little
// high, by 2.3e-4 of a whole disc's (eight chords to the quarter, against the exact
// 2 R^3 / 3 of its halves).
constexpr double ArcMomentError = 3e-4;

// The spandrel of a corner rounded with radius R: the R by R square outside the quarter
// circle, its area, and the distance of its centroid from the two sides it touches,
// (R^3/2 - (pi R^2/4)(R - 4R/(3 pi))) / area.
double Spandrel(double R) { return (1 - PiExact / 4) * R * R; }
double SpandrelOffset(double R) { return R * (10 - 3 * PiExact) / (12 - 3 * PiExact); }

// Plastic modulus of a B by D box with four corners of radius R about its centre line
// parallel to B: the box's B D^2 / 4, less each spandrel's area times its lever.
double RoundedBoxZ(double B, double D, double R) {
  return B * D * D / 4 - 4 * Spandrel(R) * (D / 2 - SpandrelOffset(R));
}

ElementRecord Hollow(float d, float b, float t, float ro, float ri) {
  ElementRecord e = Shape(15, d, b, t, t);
  e.OuterRadius = ro;
  e.InnerRadius = ri;
  return e;
}

class PlasticOutlines : public SectionTest {};

TEST_F(PlasticOutlines, OneRoundedHollowCornerByHand) {
  // Width 100, depth 200, wall 10, corners of 20 outside and 10 inside. Clipped at
  // v = 180, the outer loop keeps the top strip 100 x 20 less its two corner spandrels.
  const ElementRecord e = Hollow(200, 100, 10, 20, 10);
  PlasticOutline o;
  PlasticOutlineOf(e, o);
  ASSERT_EQ(o.PartCount, 2);
  const PlasticComponent& outer = o.Parts[0];
  const ClipSide top = PolygonAbove(o.V + outer.First, o.U + outer.First, outer.Count, 180, 1, outer.Convex);
  // Area 2000 - 2 (1 - pi/4) 400 = 1828.32; first moment about the cut
  // 100 x 20^2 / 2 - 2 x 85.84 x (20 - 4.467) = 17333.2.
  EXPECT_NEAR(top.area, 100 * 20 - 2 * Spandrel(20), 1e-6 * 2000);
  const double topMoment = 100 * 20 * 10 - 2 * Spandrel(20) * (20 - SpandrelOffset(20));
  EXPECT_NEAR(top.moment, topMoment, ArcMomentError * topMoment);
  EXPECT_NEAR(top.chord, 100, 1e-9);
  // The whole loops: each within 0.05 % of its true area (box less four spandrels).
  const double outerArea = 100 * 200 - 4 * Spandrel(20), innerArea = 80 * 180 - 4 * Spandrel(10);
  EXPECT_NEAR(PolygonArea(o, outer), outerArea, 5e-4 * outerArea);
  EXPECT_NEAR(PolygonArea(o, o.Parts[1]), innerArea, 5e-4 * innerArea);
  EXPECT_TRUE(o.Parts[1].Hole);

  // The section's moduli: the rounded outer box less the rounded bore, about either
  // axis, and the same with the tube turned a quarter.
  const double zx = RoundedBoxZ(100, 200, 20) - RoundedBoxZ(80, 180, 10);
  const double zy = RoundedBoxZ(200, 100, 20) - RoundedBoxZ(180, 80, 10);
  Add(e);
  ComputePlasticModuli();
  EXPECT_NEAR(G.SecZx, zx, ArcMomentError * zx);
  EXPECT_NEAR(G.SecZy, zy, ArcMomentError * zy);
  G.Elements[1].Angle = 90 * Deg;
  ComputePlasticModuli();
  EXPECT_NEAR(G.SecZx, zy, ArcMomentError * zy);
  EXPECT_NEAR(G.SecZy, zx, ArcMomentError * zx);
}

TEST_F(PlasticOutlines, RadiiThatDoNotFitTheirBox) {
  struct Case {
    std::string name;
    ElementRecord e;
    double z;
  };
  const Case cases[] = {
      // A radius beyond half the side is cut back to it: the 40 x 40 outer box becomes
      // a disc of diameter 40, Z = D^3 / 6; a wall of 25 leaves no bore.
      {"solid disc", Hollow(40, 40, 25, 50, 10), 40.0 * 40 * 40 / 6},
      // Sharp corners: two boxes.
      {"sharp corners", Hollow(200, 100, 10, 0, 0), 100 * 40000 / 4.0 - 80 * 32400 / 4.0},
  };
  for (const Case& c : cases) {
    G.ElementCount = 0;
    Add(c.e);
    ComputePlasticModuli();
    EXPECT_NEAR(G.SecZx, c.z, ArcMomentError * c.z) << c.name;
  }
}

TEST_F(PlasticOutlines, RootFilletsTakeTheAreaThePlainOutlineLacks) {
  // d 300, b 150, tf 10, tw 6: the plain I holds 2 x 1500 + 280 x 6 = 4680 mm2. With the
  // record's area 4680 + 4 (1 - pi/4) r^2 the four fillets have the radius r, unless the
  // record's k (along the web) or k1 (along the flange from the centre line) is shorter.
  struct Case {
    std::string name;
    float area, k, k1;
    double r;  // the fillet radius that results
  };
  const Case cases[] = {
      {"sized by the area", static_cast<float>(4680 + 4 * Spandrel(12)), 40, 30, 12},
      {"held to k", static_cast<float>(4680 + 4 * Spandrel(12)), 15, 30, 5},
      {"held to k1", static_cast<float>(4680 + 4 * Spandrel(12)), 40, 10, 7},
      {"no area to fill", 4680, 40, 30, 0},
      {"no area tabulated", 0, 40, 30, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ElementRecord e = Shape(1, 300, 150, 10, 6);
    e.ElemArea = c.area;
    e.FilletDepthK = c.k;
    e.FilletWidthK1 = c.k1;
    PlasticOutline o;
    PlasticOutlineOf(e, o);
    ASSERT_EQ(o.PartCount, 1);
    const double fillets = 4 * Spandrel(c.r);
    EXPECT_NEAR(PolygonArea(o, o.Parts[0]), 4680 + fillets, 1e-6 * 4680);
    // Each fillet lies against the web face, its centroid SpandrelOffset from both the
    // web face (3 from the centre line) and the flange's inner face (140 from mid-depth).
    G.ElementCount = 0;
    Add(e);
    ComputePlasticModuli();
    const double zx = 2 * (1500.0 * 145 + 840 * 70) + fillets * (140 - SpandrelOffset(c.r));
    const double zy = 2 * 10 * 22500 / 4.0 + 280 * 36 / 4.0 + fillets * (3 + SpandrelOffset(c.r));
    // A fillet is a thin sliver beside its arc: its chords move its centroid by up to
    // 1 % of its lever.
    EXPECT_NEAR(G.SecZx, zx, 0.01 * fillets * 140 + 2e-6 * zx);
    EXPECT_NEAR(G.SecZy, zy, 0.01 * fillets * (3 + SpandrelOffset(c.r)) + 2e-6 * zy);
  }
}

TEST_F(PlasticOutlines, TeesCutFromSlopedFlangeShapesKeepTheirTaper) {
  // The same tee, b 150, tf 10, tw 6: named as cut from a sloped-flange I its two
  // outstands of 72 slope 1 in 6 and each loses 72^3 / 72 of its first moment about the
  // stem's axis; named as cut from a parallel-flange shape it keeps its rectangles.
  const double flat = 10 * 150 * 150 / 4.0 + 190 * 36 / 4.0;
  struct Case {
    const char* name;
    double zy;
  };
  for (const Case& c :
       {Case{"ST150X25", flat - 2 * std::pow(72.0, 3) / 72}, Case{"WT150X25", flat}, Case{"MT150X25", flat}}) {
    ElementRecord e = Shape(c.name[0] == 'W' ? 9 : 10, 200, 150, 10, 6);
    e.NameSI = c.name;
    G.ElementCount = 0;
    Add(e);
    ComputePlasticModuli();
    EXPECT_NEAR(G.SecZy, c.zy, 2e-6 * c.zy) << c.name;
  }
  ElementRecord st = Shape(10, 200, 150, 10, 6);
  st.NameImp = "ST6X25";
  EXPECT_EQ(FlangeSlopeOf(st), 1.0 / 6);
}

TEST_F(PlasticOutlines, AChannelTakesTheSlopeItCarries) {
  // The slope rides in InnerRadius; a channel that carries none (0, as one stored before
  // its rows carried it) or nothing usable keeps 1 in 6.
  struct Case {
    float carried;
    double slope;
  };
  const Case cases[] = {{0.0766f, 0.0766f}, {1.0f / 6, 1.0f / 6}, {0, 1.0 / 6},
                        {-0.05f, 1.0 / 6},  {NAN, 1.0 / 6},       {INFINITY, 1.0 / 6}};
  for (const Case& c : cases) {
    for (int16_t code : {6, 7}) {
      ElementRecord e = Shape(code, 300, 100, 10, 8);
      e.InnerRadius = c.carried;
      EXPECT_EQ(FlangeSlopeOf(e), c.slope) << c.carried << " code " << code;
    }
  }
  // Flanges of 10 mean thickness, outstands 92 long at 1 in 20: 12.3 thick at the web
  // and 7.7 at the tip; the outline keeps the plain channel's area, 2 x 1000 + 280 x 8.
  ElementRecord e = Shape(7, 300, 100, 10, 8);
  e.InnerRadius = 0.05f;
  PlasticOutline o;
  PlasticOutlineOf(e, o);
  ASSERT_EQ(o.PartCount, 1);
  EXPECT_NEAR(o.V[2], 10 - 0.05 * 46, 1e-5);
  EXPECT_NEAR(o.V[3], 10 + 0.05 * 46, 1e-5);
  EXPECT_NEAR(PolygonArea(o, o.Parts[0]), 2000 + 280 * 8, 1e-3);
}

TEST_F(PlasticOutlines, AngleToesTakeOffWhatTheRecordLacks) {
  // Legs 100 and 100, 10 thick, k 20: a root fillet of 10. The plain angle with its
  // fillet holds 1900 + (1 - pi/4) 100; a record with 2 (1 - pi/4) 25 less has two toes
  // rounded with 5, and one with far less has toes of at most the thickness, 10.
  struct Case {
    std::string name;
    double area, outline;
  };
  const double withFillet = 1900 + Spandrel(10);
  const Case cases[] = {
      {"toes of 5", withFillet - 2 * Spandrel(5), withFillet - 2 * Spandrel(5)},
      {"toes of the thickness", 1500, withFillet - 2 * Spandrel(10)},
      {"nothing to take off", withFillet + 50, withFillet},
  };
  for (const Case& c : cases) {
    ElementRecord e = Shape(8, 100, 100, 10, 10);
    e.FilletDepthK = 20;
    e.ElemArea = static_cast<float>(c.area);
    PlasticOutline o;
    PlasticOutlineOf(e, o);
    EXPECT_NEAR(PolygonArea(o, o.Parts[0]), c.outline, 1e-5 * c.outline) << c.name;
  }
}

TEST_F(PlasticOutlines, ACutThroughSeveralStretchesHasTheirSummedLength) {
  // The channel 200 x 75, flanges 10 thick on the mean over their outstands from u = 6
  // to 75: the line u = 40 crosses both flanges, each 10 + (40.5 - 40)/6 thick there.
  // Seen across x (h = u, w = v) the outline runs the other way round.
  ElementRecord e = Shape(6, 200, 75, 10, 6);
  PlasticOutline o;
  PlasticOutlineOf(e, o);
  const PlasticComponent& c = o.Parts[0];
  ASSERT_FALSE(c.Convex);
  const ClipSide right = PolygonAbove(o.U + c.First, o.V + c.First, c.Count, 40, -1, false);
  EXPECT_NEAR(right.chord, 2 * (10 + 0.5 / 6), 1e-9);
}

}  // namespace
}  // namespace model
