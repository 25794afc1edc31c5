#include "shapes/sloped_flange_outline.h"

#include "shapes/shape_fixture.h"

namespace shapes {
namespace {

using shapetest::Listing;
using shapetest::Nearest;

class SlopedFlange : public shapetest::ShapeTest {};

const shapetest::Vertices& Worked() {
  static const shapetest::Vertices v = Nearest({
      {0, 0},     {100, 0},  {100, 3.6},  {90, 8.4},   {80, 10.8},  {78, 12},  {72, 13.8},  {60, 19.2},  {57, 24.6},
      {54, 30},   {54, 270}, {57, 275.4}, {60, 280.8}, {72, 286.2}, {78, 288}, {80, 289.2}, {90, 291.6}, {100, 296.4},
      {100, 300}, {0, 300},  {0, 296.4},  {10, 291.6}, {20, 289.2}, {22, 288}, {28, 286.2}, {40, 280.8}, {43, 275.4},
      {46, 270},  {46, 30},  {43, 24.6},  {40, 19.2},  {28, 13.8},  {22, 12},  {20, 10.8},  {10, 8.4},   {0, 3.6},
  });
  return v;
}

TEST_F(SlopedFlange, HasItsThirtySixVertices) {
  Element(2, 100, 300, 12, 8, 30);
  const Listing rec = ListOf(SlopedFlangeOutline, 0, 0);
  EXPECT_EQ(rec.Vertices(), Worked());
}

TEST_F(SlopedFlange, MirroredEveryUChangesSign) {
  Element(2, 100, 300, 12, 8, 30).MirrorSign = -1;
  const Listing rec = ListOf(SlopedFlangeOutline, 0, 0);
  shapetest::Vertices want;
  for (auto [u, v] : Worked()) want.push_back({-u, v});
  const auto got = rec.Vertices();
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].first, want[i].first) << i;
    EXPECT_EQ(got[i].second, want[i].second) << i;
  }
}

TEST_F(SlopedFlange, NoFilletRunsTheWebFacesThroughBothFlanges) {
  Element(2, 100, 300, 12, 8, 0);
  const Listing rec = ListOf(SlopedFlangeOutline, 0, 0);
  const auto v = rec.Vertices();
  // V5 to V9 on the right web face at heights tf, 0.9 tf, 0.6 tf, 0.3 tf and 0.
  EXPECT_EQ(std::vector(v.begin() + 5, v.begin() + 10), Nearest({{54, 12}, {54, 10.8}, {54, 7.2}, {54, 3.6}, {54, 0}}));
}

}  // namespace
}  // namespace shapes
