// The plate and bar elements as their builders make them, without a window: every field of
// a 200 x 12 plate and of a 20 mm bar from the closed-form formulas, worked by hand, and
// the sizes the builders refuse.

#include "model/plate_bar_elements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "model/globals.h"

namespace model {
namespace {

const double Root12 = 3.4641016151377544;  // 12 to the power 0.5

std::string Padded(const std::string& name) { return name + std::string(25 - name.size(), ' '); }

TEST(PlateBarElements, A200By12PlateTurnedNinetyDegrees) {
  const std::optional<ElementRecord> plate = BuildPlate(200, 12, 90, "200", "12");
  ASSERT_TRUE(plate.has_value());
  const ElementRecord& e = *plate;
  EXPECT_EQ(e.NameSI.str(), Padded("PL 200x 12"));
  // 200 / 25.4 = 7.87401574803150 and 12 / 25.4 = .472440944881890, cut at 25 characters.
  EXPECT_EQ(e.NameImp.str(), "PL 7.8740157480315x .4724");
  EXPECT_EQ(e.ShapeType, 50);
  EXPECT_FLOAT_EQ(e.Depth, 12);
  EXPECT_FLOAT_EQ(e.Width, 200);
  EXPECT_FLOAT_EQ(e.FlangeThickness, 12);
  EXPECT_FLOAT_EQ(e.WebThickness, 200);
  // "200" sorts after "12": the thickness's radius goes first.
  EXPECT_FLOAT_EQ(e.InnerRadius, static_cast<float>(12 / Root12));
  EXPECT_FLOAT_EQ(e.OuterRadius, static_cast<float>(200 / Root12));
  EXPECT_FLOAT_EQ(e.Ratio1, 200.0f / 12);
  EXPECT_FLOAT_EQ(e.Ratio2, 0.06f);
  EXPECT_EQ(e.NominalSizeSI, 12);
  EXPECT_EQ(e.NominalSizeImp, 0);     // .4724 rounds to 0
  EXPECT_FLOAT_EQ(e.MassSI, 18.84f);  // 200 x 12 x 7850 / 1000000
  EXPECT_FLOAT_EQ(e.MassImp, static_cast<float>(18.84 / 1.484));
  EXPECT_FLOAT_EQ(e.ElemArea, 2400);  // 200 x 12
  EXPECT_FLOAT_EQ(e.ElemIx, 28800);   // 200 x 12^3 / 12
  EXPECT_FLOAT_EQ(e.ElemSx, 4800);    // 200 x 12^2 / 6
  EXPECT_FLOAT_EQ(e.ElemRx, static_cast<float>(12 / Root12));
  EXPECT_FLOAT_EQ(e.ElemZx, 7200);     // 200 x 12^2 / 4
  EXPECT_FLOAT_EQ(e.ElemIy, 8000000);  // 200^3 x 12 / 12
  EXPECT_FLOAT_EQ(e.ElemSy, 80000);    // 200^2 x 12 / 6
  EXPECT_FLOAT_EQ(e.ElemRy, static_cast<float>(200 / Root12));
  EXPECT_FLOAT_EQ(e.ElemZy, 120000);  // 200^2 x 12 / 4
  // t = 12, b = 200, r = 0.06: 12^3 x 200 x (0.053 x 0.0036 + 1 - 0.0378) / 3.
  EXPECT_FLOAT_EQ(e.ElemJ, 110867.42016f);
  EXPECT_FLOAT_EQ(e.ElemCw, 0);
  EXPECT_FLOAT_EQ(e.CentroidX, 100);
  EXPECT_FLOAT_EQ(e.CentroidY, 6);
  EXPECT_DOUBLE_EQ(e.Angle, 1.570796325);  // 90 x 3.14159265 / 180
  EXPECT_EQ(e.MirrorSign, 1);
  EXPECT_EQ(e.Selected, False);
}

TEST(PlateBarElements, APlatesRadiiFollowTheOrderOfItsSizesAsText) {
  // As text "9" sorts after "10", so the 9 mm width counts as the wider side.
  const std::optional<ElementRecord> plate = BuildPlate(9, 10, 0, "9", "10");
  ASSERT_TRUE(plate.has_value());
  EXPECT_FLOAT_EQ(plate->InnerRadius, static_cast<float>(10 / Root12));
  EXPECT_FLOAT_EQ(plate->OuterRadius, static_cast<float>(9 / Root12));
}

TEST(PlateBarElements, A20MillimetreBar) {
  const std::optional<ElementRecord> bar = BuildBar(20);
  ASSERT_TRUE(bar.has_value());
  const ElementRecord& e = *bar;
  EXPECT_EQ(e.NameSI.str(), Padded("BAR 20"));
  EXPECT_EQ(e.NameImp.str(), Padded("BAR .78740157480315"));  // 20 / 25.4 to 15 digits
  EXPECT_EQ(e.ShapeType, 51);
  for (float size : {e.Depth, e.Width, e.FlangeThickness, e.WebThickness}) EXPECT_FLOAT_EQ(size, 20);
  EXPECT_FLOAT_EQ(e.InnerRadius, 5);
  EXPECT_FLOAT_EQ(e.OuterRadius, 5);
  EXPECT_FLOAT_EQ(e.Ratio1, 1);
  EXPECT_FLOAT_EQ(e.Ratio2, 1);
  EXPECT_EQ(e.NominalSizeSI, 20);
  EXPECT_EQ(e.NominalSizeImp, 1);             // .787 rounds to 1
  EXPECT_FLOAT_EQ(e.MassSI, 2.46615023025f);  // 20^2 x 24661.5023025 / 4000000
  EXPECT_FLOAT_EQ(e.MassImp, static_cast<float>(2.46615023025 / 1.484));
  EXPECT_FLOAT_EQ(e.ElemArea, 314.159265f);  // 3.14159265 x 20^2 / 4
  EXPECT_FLOAT_EQ(e.ElemIx, 7853.981625f);   // 3.14159265 x 20^4 / 64
  EXPECT_FLOAT_EQ(e.ElemIy, 7853.981625f);
  for (float modulus : {e.ElemSx, e.ElemSy, e.ElemZx, e.ElemZy})
    EXPECT_FLOAT_EQ(modulus, 785.3981625f);  // 3.14159265 x 20^3 / 32
  EXPECT_FLOAT_EQ(e.ElemRx, 5);
  EXPECT_FLOAT_EQ(e.ElemRy, 5);
  EXPECT_FLOAT_EQ(e.ElemJ, 15707.96325f);  // 10^4 x 1.570796325
  EXPECT_FLOAT_EQ(e.ElemCw, 0);
  EXPECT_FLOAT_EQ(e.CentroidX, 10);
  EXPECT_FLOAT_EQ(e.CentroidY, 10);
  EXPECT_DOUBLE_EQ(e.Angle, 0);
  EXPECT_EQ(e.MirrorSign, 1);
  EXPECT_EQ(e.Selected, False);
}

TEST(PlateBarElements, SizesTheWindowsRefuseBuildNothing) {
  const struct {
    const char* what;
    double W, T;
    bool built;
  } plates[] = {
      {"no width", 0, 12, false},
      {"a negative width", -200, 12, false},
      {"1E-46 thick, 0 as a single", 200, 1e-46, false},
      {"40000 thick, no 16-bit nominal size", 200, 40000, false},
      {"32767 thick", 1, 32767, true},
      {"1E+30 wide: Iy beyond a single", 1e30, 12, false},
      {"1E+7 wide: Iy (1E+7)^3 x 12 / 12", 1e7, 12, true},
  };
  for (const auto& p : plates) EXPECT_EQ(BuildPlate(p.W, p.T, 0, "1", "1").has_value(), p.built) << p.what;
  const struct {
    const char* what;
    double D;
    bool built;
  } bars[] = {
      {"1E-46 across, 0 as a single", 1e-46, false},
      {"1E-40 across, a single", 1e-40, true},
      {"a negative diameter", -20, false},
      {"40000 across, no 16-bit nominal size", 40000, false},
  };
  for (const auto& b : bars) EXPECT_EQ(BuildBar(b.D).has_value(), b.built) << b.what;
}

}  // namespace
}  // namespace model
