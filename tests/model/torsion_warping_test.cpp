#include "model/torsion_warping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/globals.h"
#include "section_fixture.h"
#include "windows/sheet.h"

namespace model {
namespace {

using testing::Plate;
using testing::SectionTest;

class TorsionWarping : public SectionTest {
 protected:
  void SetUp() override {
    SectionTest::SetUp();
    ElementRecord a = Plate(200, 10, 0, 0);
    a.ElemJ = 1000.5f;
    a.ElemCw = 2e9f;
    ElementRecord b = Plate(300, 12, 0, 100);
    b.ElemJ = 2000.25f;
    b.ElemCw = 3e9f;
    Add(a);
    Add(b);
  }
  static void Pick(ElementRecord& slot, float width, float depth) {
    slot.Width = width;
    slot.Depth = depth;
  }
};

TEST_F(TorsionWarping, WithoutACaseTheOwnValuesAreSummed) {
  ShowTorsionConstant();
  ShowWarpingConstant();
  EXPECT_EQ(G.SecJ, 3000.75f);
  EXPECT_EQ(G.SecCw, 5e9f);
  EXPECT_EQ(windows::Sheet().J.Caption, " 3000.75");
  EXPECT_EQ(windows::Sheet().Cw.Caption, " 5E+09");
}

TEST_F(TorsionWarping, TorsionCasesOnceTheirPicksAreComplete) {
  G.ManualJ = 1;
  G.TorsionPickStep = 1;
  Pick(G.TorsionPicks[1], 200, 10);
  ShowTorsionConstant();
  EXPECT_EQ(G.SecJ, 3000.75f);  // still waiting for the second plate
  G.TorsionPickStep = 2;
  Pick(G.TorsionPicks[2], 12, 300);  // turned: the smaller dimension is the thickness
  ShowTorsionConstant();
  // 2 x 212^2 x 290^2 / (290 / 12 + 212 / 10)
  EXPECT_NEAR(G.SecJ, 2.0 * 212 * 212 * 290 * 290 / (290.0 / 12 + 212.0 / 10), 20);
  EXPECT_NEAR(G.SecJ, 1.666e8, 0.001e8);
  // The other order: 2 x 310^2 x 188^2 / (188 / 10 + 310 / 12)
  Pick(G.TorsionPicks[1], 300, 12);
  Pick(G.TorsionPicks[2], 200, 10);
  ShowTorsionConstant();
  EXPECT_NEAR(G.SecJ, 2.0 * 310 * 310 * 188 * 188 / (188.0 / 10 + 310.0 / 12), 20);
  EXPECT_NEAR(G.SecJ, 1.522e8, 0.001e8);
  // Square box from one plate, complete at one pick.
  G.ManualJ = 2;
  G.TorsionPickStep = 1;
  Pick(G.TorsionPicks[1], 250, 10);
  ShowTorsionConstant();
  EXPECT_EQ(G.SecJ, 1.3824e8f);
  G.SIJTol = 6;
  G.SIPrec = 4;
  ShowTorsionConstant();
  EXPECT_EQ(windows::Sheet().J.Caption, " 138.24E6");
  Pick(G.TorsionPicks[1], 40, 40);
  ShowTorsionConstant();
  EXPECT_EQ(G.SecJ, 0);
  // A case whose pick step does not fit it leaves the sum.
  G.ManualJ = 2;
  G.TorsionPickStep = 2;
  ShowTorsionConstant();
  EXPECT_EQ(G.SecJ, 3000.75f);
}

TEST_F(TorsionWarping, WarpingCasesWithTheirWorkedValues) {
  Pick(G.WarpPicks[1], 300, 20);  // flange plate
  Pick(G.WarpPicks[2], 10, 500);  // web plate
  G.WarpPickStep = 1;
  G.ManualCw = 2;
  ShowWarpingConstant();
  EXPECT_EQ(G.SecCw, 5e9f);  // one pick only
  G.WarpPickStep = 2;
  // (500 + 20)^2 x (300^3 x 40 / 12 + 10^3 x 500 / 12) / 4
  ShowWarpingConstant();
  EXPECT_NEAR(G.SecCw, 520.0 * 520 * (9e7 + 500000.0 / 12) / 4, 1e7);
  EXPECT_NEAR(G.SecCw, 6.087e12, 0.001e12);
  // Zed: t 15, b' 295, h 520.
  G.ManualCw = 3;
  ShowWarpingConstant();
  EXPECT_NEAR(G.SecCw, 295.0 * 295 * 295 * 520 * 520 * 15 / 12 * (1040 + 295) / (590 + 520), 1e7);
  EXPECT_NEAR(G.SecCw, 1.044e13, 0.001e13);
  EXPECT_TRUE(h.platform.Messages.empty());
  // Channel: the shear-centre distance e0 is shown first.
  G.ManualCw = 4;
  ShowWarpingConstant();
  const double A = 17000, xbar = 1825000.0 / A - 5;
  const double Ix = 500.0 * 500 * 500 * 10 / 12 + 2 * (8000.0 * 300 / 12 + 260.0 * 260 * 6000);
  const double e0 = std::pow(520 / (2 * std::sqrt(Ix / A)), 2) * xbar;
  EXPECT_NEAR(e0, 128.4, 0.05);
  ASSERT_EQ(h.platform.Messages.size(), 1u);
  EXPECT_NEAR(std::stod(h.platform.Messages[0]), e0, 1e-4);
  EXPECT_EQ(h.platform.Messages[0].find(' '), std::string::npos);
  EXPECT_NEAR(G.SecCw, 520.0 * 520 * 295 * 295 * 295 * 20 / 6 - e0 * e0 * Ix, 2e7);
  EXPECT_NEAR(G.SecCw, 8.031e12, 0.001e12);
  // Each recalculation shows it again.
  ShowWarpingConstant();
  EXPECT_EQ(h.platform.Messages.size(), 2u);
}

TEST_F(TorsionWarping, CraneGirder) {
  ElementRecord& beam = G.WarpPicks[1];
  beam.Width = 300;
  beam.FlangeThickness = 20;
  beam.Depth = 600;
  beam.ElemIy = 9e7f;
  ElementRecord& channel = G.WarpPicks[2];
  channel.Width = 100;
  channel.Depth = 380;
  channel.FlangeThickness = 16;
  channel.WebThickness = 10;
  channel.ElemIx = 1.8e8f;
  G.ManualCw = 1;
  G.WarpPickStep = 2;
  ShowWarpingConstant();
  // I1 = 4.5e7 + 1.8e8, I2 = 4.5e7, It = 2.7e8, a = 5/6,
  // e = 100^2 x 380^2 x 16 / (a x 4 x It), h = 600 - 20 + 5 + e.
  const double a = 2.25e8 / 2.7e8, e = 1e4 * 144400 * 16 / (a * 4 * 2.7e8), hh = 585 + e;
  EXPECT_NEAR(e, 25.6711, 1e-4);
  const double cw = std::pow(a * hh, 2) * 4.5e7 + std::pow((1 - a) * hh, 2) * 2.25e8;
  EXPECT_NEAR(G.SecCw, cw, cw * 1e-6);
  EXPECT_NEAR(G.SecCw, 1.3984e13, 0.0001e13);
}

TEST_F(TorsionWarping, InchesDivideByTheFourthAndSixthPowers) {
  G.UnitStatus = False;
  G.ImpJTol = 0;
  G.ImpCwTol = 0;
  G.ImpPrec = 3;
  G.Elements[1].ElemJ = 416231.4f;  // 1 in^4
  G.Elements[2].ElemJ = 0;
  G.Elements[1].ElemCw = 268535866.0f;  // 1 in^6
  G.Elements[2].ElemCw = 268535866.0f;
  ShowTorsionConstant();
  ShowWarpingConstant();
  EXPECT_EQ(windows::Sheet().J.Caption, " 1");
  EXPECT_EQ(windows::Sheet().Cw.Caption, " 2");
}

TEST_F(TorsionWarping, DegeneratePicksGiveZeroAndNoCrash) {
  G.ManualJ = 1;
  G.TorsionPickStep = 2;
  Pick(G.TorsionPicks[1], 0, 200);
  Pick(G.TorsionPicks[2], 0, 300);
  ShowTorsionConstant();
  EXPECT_EQ(G.SecJ, 0);
  EXPECT_EQ(windows::Sheet().J.Caption, " 0");
  G.WarpPickStep = 2;
  G.WarpPicks[1] = ElementRecord{};
  G.WarpPicks[2] = ElementRecord{};
  for (int16_t c = 1; c <= 4; ++c) {
    G.ManualCw = c;
    ShowWarpingConstant();
    EXPECT_EQ(G.SecCw, 0) << c;
    EXPECT_EQ(windows::Sheet().Cw.Caption, " 0") << c;
  }
  // The channel case still reports its e0, which cannot be formed either.
  ASSERT_EQ(h.platform.Messages.size(), 1u);
  EXPECT_EQ(h.platform.Messages[0], "0");
  // Overflow of the single range.
  G.ManualJ = 2;
  G.TorsionPickStep = 1;
  Pick(G.TorsionPicks[1], 3e38f, 1e30f);
  ShowTorsionConstant();
  EXPECT_EQ(G.SecJ, 0);
}

}  // namespace
}  // namespace model
