#include "model/properties.h"

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

class Recalc : public SectionTest {
 protected:
  void SetUp() override {
    SectionTest::SetUp();
    windows::Sheet().Base.Cls();
  }
  ui::Canvas& Base() { return windows::Sheet().Base; }
  // Whether a pixel of `colour` lies within two pixels of the drawing point (x, y): a
  // dotted pen leaves gaps of two pixels along its line.
  bool NearColour(double x, double y, int32_t colour) {
    const int px = static_cast<int>(std::floor(Base().ToPixelX(x) + 0.5));
    const int py = static_cast<int>(std::floor(Base().ToPixelY(y) + 0.5));
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (Base().PixelAt(px + dx, py + dy) == colour) return true;
    return false;
  }
  int Count(int32_t colour) {
    int n = 0;
    for (int32_t p : Base().Pixels()) n += p == colour;
    return n;
  }
  double Cx() const { return G.XMin + static_cast<double>(G.SecXBar); }
  double Cy() const { return G.YMin + static_cast<double>(G.SecYBar); }
  void ExpectCaptionColours(int32_t x, int32_t y) {
    windows::SheetForm& s = windows::Sheet();
    for (const ui::Label* l : {&s.IxL, &s.SxL, &s.rxL, &s.ZxL}) EXPECT_EQ(l->ForeColor, x) << l->Name();
    for (const ui::Label* l : {&s.IyL, &s.SyL, &s.ryL, &s.ZyL}) EXPECT_EQ(l->ForeColor, y) << l->Name();
  }
};

TEST_F(Recalc, PrincipalAxesAreDrawnDottedInWholeDegrees) {
  // A slender upright plate turned 30.4 degrees has its major axis along it.
  Add(Plate(10, 200, 500, 400, 30.4 * Deg));
  G.RotAxis = False;
  G.ShowPAxis = 1;
  G.ShowCentroid = 1;
  RecalcProperties();
  EXPECT_EQ(windows::Sheet().Phi.Caption, " 30");
  ExpectCaptionColours(Blue, Red);
  EXPECT_EQ(Base().DrawStyle, ui::DrawStyleSolid);
  // Marks are drawn before the principal pass, about the centroid as drawn: restore
  // the section's own centroid to find them.
  G.RotAxis = True;
  const std::vector<int32_t> pixels = Base().Pixels();
  RecalcProperties();
  Base().LoadImage(ui::Image{Base().PixelWidth(), Base().PixelHeight(), pixels, {}});
  const double cx = Cx(), cy = Cy();
  for (double s = 20; s <= 180; s += 20) {
    EXPECT_TRUE(NearColour(cx + s * std::cos(30 * Deg), cy + s * std::sin(30 * Deg), Blue)) << s;
    EXPECT_TRUE(NearColour(cx + s * std::cos(120 * Deg), cy + s * std::sin(120 * Deg), Red)) << s;
  }
  // Dotted: about half of the pixels along each line are set.
  const int blue = Count(Blue), red = Count(Red);
  const double major = std::max(std::fabs(Base().ToPixelX(200 * std::cos(30 * Deg)) - Base().ToPixelX(0)),
                                std::fabs(Base().ToPixelY(200 * std::sin(30 * Deg)) - Base().ToPixelY(0)));
  EXPECT_GT(blue, 0.35 * major);
  EXPECT_LT(blue, 0.65 * major);
  EXPECT_GT(red, 0);
  // No centroid cross in this case.
  EXPECT_FALSE(NearColour(cx - 8, cy, Blue));
  EXPECT_FALSE(NearColour(cx, cy - 8, Blue));
}

TEST_F(Recalc, AnAngleJustBelowAFullTurnShowsAsAFullTurn) {
  Add(Plate(10, 200, 500, 400, -0.3 * Deg));
  G.RotAxis = False;
  G.ShowPAxis = 1;
  RecalcProperties();
  EXPECT_EQ(windows::Sheet().Phi.Caption, " 360");
}

TEST_F(Recalc, GlobalAxesMarkTheCentroidWithABlueCross) {
  Add(Plate(200, 10, 400, 500));
  G.RotAxis = True;
  G.ShowPAxis = 1;
  G.ShowCentroid = 1;
  windows::Sheet().Phi.Caption = "old";
  windows::Sheet().IxL.ForeColor = Blue;
  windows::Sheet().ZyL.ForeColor = Red;
  RecalcProperties();
  ExpectCaptionColours(Black, Black);
  EXPECT_EQ(windows::Sheet().Phi.Caption, "old");
  const double cx = Cx(), cy = Cy();
  EXPECT_DOUBLE_EQ(cx, 500);
  EXPECT_DOUBLE_EQ(cy, 505);
  for (double s : {-8.0, -4.0, 4.0, 8.0}) {
    EXPECT_TRUE(NearColour(cx + s, cy, Blue)) << s;
    EXPECT_TRUE(NearColour(cx, cy + s, Blue)) << s;
  }
  EXPECT_FALSE(NearColour(cx + 16, cy, Blue));
  EXPECT_FALSE(NearColour(cx, cy + 16, Blue));
  EXPECT_EQ(Count(Red), 0);
}

TEST_F(Recalc, WithoutMarksThePrincipalPassStillRuns) {
  Add(Plate(200, 10, 400, 500, 30 * Deg));
  G.RotAxis = False;
  G.ShowPAxis = 0;
  G.ShowCentroid = 0;
  RecalcProperties();
  EXPECT_EQ(Count(Blue) + Count(Red), 0);
  ExpectCaptionColours(Black, Black);
  EXPECT_EQ(windows::Sheet().Phi.Caption, " 120");
  // About the principal axes the plate stands upright.
  EXPECT_NEAR(G.SecIx, 10.0 * 8e6 / 12, 10);
  EXPECT_NEAR(G.SecIy, 200.0 * 1000 / 12, 10);
  // The turned corners are exact now, a few millionths off whole millimetres where they
  // were rounded to 200 and 10.
  EXPECT_NEAR(G.SecDepth, 200, 1e-4);
  EXPECT_NEAR(G.SecWidth, 10, 1e-4);
  EXPECT_NEAR(G.SecSx, 10.0 * 8e6 / 12 / 100, 0.1);
  EXPECT_NEAR(G.SecZx, 10.0 * 200 * 200 / 4, 0.1);
  EXPECT_NEAR(G.SecZy, 200.0 * 10 * 10 / 4, 0.01);
}

TEST_F(Recalc, PrincipalAxisModeLeavesEveryElementAsItWas) {
  Add(Plate(200, 10, 0, 190));
  Add(Plate(10, 190, 95, 0));
  Add(Angle100x150(-300, 40, 0.7, -1));
  Add(Bar(60, 250, -80, 1.1));
  Add(Shape(9, 200, 150, 12, 8, 320, 260));
  G.Elements[5].Angle = 5.9;
  Add(Shape(1, 300, 150, 10, 6, -120, -400));
  G.Elements[6].Angle = -2.3;
  G.Elements[6].MirrorSign = -1;
  for (int i = 1; i <= G.ElementCount; ++i) G.Elements[i].ElemArea = 1000.0f * i;
  const auto before = G.Elements;
  G.RotAxis = False;
  RecalcProperties();
  for (int i = 1; i <= G.ElementCount; ++i) {
    EXPECT_EQ(G.Elements[i].PosX, before[i].PosX) << i;
    EXPECT_EQ(G.Elements[i].PosY, before[i].PosY) << i;
    EXPECT_EQ(G.Elements[i].Angle, before[i].Angle) << i;
  }
  EXPECT_EQ(G.Elements, before);
}

TEST_F(Recalc, AnAngleAndItsMirrorImageAboutTheirPrincipalAxes) {
  // I = 3801250 +- sqrt(1775000^2 + 1968750^2); tan 2 phi = 3937500 / 3550000.
  Add(Angle100x150(300, 300));
  G.RotAxis = False;
  RecalcProperties();
  EXPECT_NEAR(G.SecIx, 6452023.8, 6.5);
  EXPECT_NEAR(G.SecIy, 1150476.2, 1.2);
  EXPECT_EQ(windows::Sheet().Phi.Caption, " 24");
  const float zx = G.SecZx, zy = G.SecZy;
  G.Elements[1].MirrorSign = -1;
  RecalcProperties();
  EXPECT_NEAR(G.SecIx, 6452023.8, 6.5);
  EXPECT_NEAR(G.SecIy, 1150476.2, 1.2);
  EXPECT_EQ(windows::Sheet().Phi.Caption, " 336");
  EXPECT_NEAR(G.SecZx, zx, zx * 1e-5);
  EXPECT_NEAR(G.SecZy, zy, zy * 1e-5);
}

TEST_F(Recalc, FillsTheWholePanel) {
  Add(Plate(10, 190, 95, 0));
  Add(Plate(200, 10, 0, 190));
  G.Elements[1].ElemJ = 60000;
  G.Elements[2].ElemJ = 65000;
  G.SIPrec = 0;
  G.RotAxis = True;
  RecalcProperties();
  windows::SheetForm& s = windows::Sheet();
  EXPECT_EQ(s.Area.Caption, " 3900");
  EXPECT_EQ(s.d.Caption, " 200");
  EXPECT_EQ(s.b.Caption, " 200");
  EXPECT_EQ(s.xBar.Caption, " 100");
  EXPECT_EQ(s.yBar.Caption, " 146");
  EXPECT_EQ(s.Ix.Caption, " 1.547609E+07");
  EXPECT_EQ(s.Iy.Caption, " 6682500");
  EXPECT_EQ(s.Sx.Caption, " 105796");  // 15476089.7 / 146.28205 = 105796.4
  EXPECT_EQ(s.Sy.Caption, " 66825");
  EXPECT_EQ(s.Zx.Caption, " 190488");
  EXPECT_EQ(s.Zy.Caption, " 104750");
  EXPECT_EQ(s.rx.Caption, " 63");
  EXPECT_EQ(s.ry.Caption, " 41");
  EXPECT_EQ(s.J.Caption, " 125000");
  EXPECT_EQ(s.Cw.Caption, " 0");
}

TEST_F(Recalc, AnEmptySectionShowsZerosAndMarksTheOrigin) {
  G.ShowCentroid = 1;
  G.RotAxis = False;
  RecalcProperties();
  for (const auto& row : windows::Sheet().ResultRows()) {
    if (row.Value == &windows::Sheet().Phi) continue;
    EXPECT_EQ(row.Value->Caption, " 0") << row.Value->Name();
  }
  // The upright stroke of the cross at (0, 0), on the bottom-left edge of the drawing.
  EXPECT_TRUE(NearColour(0, 5, Blue));
}

TEST_F(Recalc, NoQuantityIsEverANonNumber) {
  Add(Plate(100, 10, 0, 0));
  ElementRecord bad = Plate(100, 10, 50, 50, std::nan(""));
  bad.ElemIx = std::nanf("");
  bad.CentroidX = std::numeric_limits<float>::infinity();
  Add(bad);
  Add(Plate(0, 0, 10, 10));
  for (Bool16 axes : {True, False}) {
    G.RotAxis = axes;
    G.ShowPAxis = 1;
    RecalcProperties();
    for (float v : {G.SecArea, G.SecDepth, G.SecWidth, G.SecXBar, G.SecYBar, G.SecIx, G.SecIy, G.SecIxy, G.SecSx,
                    G.SecSy, G.SecRx, G.SecRy, G.SecZx, G.SecZy, G.SecJ, G.SecCw, G.SecPhi})
      EXPECT_TRUE(std::isfinite(v));
    for (const auto& row : windows::Sheet().ResultRows()) {
      EXPECT_EQ(row.Value->Caption.find_first_of("aInN"), std::string::npos) << row.Value->Name();
    }
    EXPECT_EQ(G.Elements[1].PosX, 0);
    EXPECT_EQ(G.Elements[2].PosX, 50);
    EXPECT_TRUE(std::isnan(G.Elements[2].Angle));
  }
}

}  // namespace
}  // namespace model
