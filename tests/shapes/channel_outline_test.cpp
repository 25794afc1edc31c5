#include "shapes/channel_outline.h"

#include "shapes/shape_fixture.h"

namespace shapes {
namespace {

using shapetest::Listing;
using shapetest::Nearest;

class Channel : public shapetest::ShapeTest {};

TEST_F(Channel, HasItsTwentyVertices) {
  Element(6, 100, 300, 10, 8, 30);
  const Listing rec = ListOf(ChannelOutline, 0, 0);
  EXPECT_EQ(rec.Vertices(),
            Nearest({{0, 0},     {100, 0},   {100, 3},  {90, 7},    {80, 8},     {30, 12},    {25.6, 14},
                     {12.4, 20}, {10.2, 24}, {8, 30},   {8, 270},   {10.2, 276}, {12.4, 280}, {25.6, 286},
                     {30, 288},  {80, 292},  {90, 293}, {100, 297}, {100, 300},  {0, 300}}));
}

TEST_F(Channel, TheFlangeSlopeItCarriesLeavesTheDrawingAsItIs) {
  Element(7, 100, 300, 10, 8, 30).Angle = 0.4;
  const Listing plain = ListOf(ChannelOutline, 3, 4);
  model::G.Elements[1].InnerRadius = 0.0766f;
  EXPECT_EQ(ListOf(ChannelOutline, 3, 4).lines, plain.lines);
}

TEST_F(Channel, MirroredItOpensToTheLeft) {
  Element(7, 100, 300, 10, 8, 30).MirrorSign = -1;
  const Listing rec = ListOf(ChannelOutline, 1000, 500);
  const auto v = rec.Vertices();
  EXPECT_EQ(v[1], (std::pair{900.0f, 500.0f}));
  EXPECT_EQ(v[5], (std::pair{970.0f, 512.0f}));
  EXPECT_EQ(v[9], (std::pair{992.0f, 530.0f}));
  EXPECT_EQ(v[18], (std::pair{900.0f, 800.0f}));
  EXPECT_EQ(v[19], (std::pair{1000.0f, 800.0f}));
}

TEST_F(Channel, QuarterTurnPutsUAlongYAndVAlongMinusX) {
  Element(6, 100, 300, 10, 8, 30).Angle = model::Pi / 2;
  const Listing rec = ListOf(ChannelOutline, 50, 60);
  const auto v = rec.Vertices();
  EXPECT_NEAR(v[1].first, 50, 1e-4);  // (100, 0)
  EXPECT_NEAR(v[1].second, 160, 1e-4);
  EXPECT_NEAR(v[19].first, -250, 1e-4);  // (0, 300)
  EXPECT_NEAR(v[19].second, 60, 1e-4);
}

TEST_F(Channel, EqualThicknessesAndFilletGiveZeroLengthSegments) {
  Element(6, 100, 300, 10, 10, 10);
  const Listing rec = ListOf(ChannelOutline, 0, 0);
  ASSERT_EQ(rec.lines.size(), 20u);
  for (int s : {7, 8, 9, 11, 12, 13}) {
    const auto& l = rec.lines[s - 1];
    EXPECT_TRUE(l.x1 == l.x2 && l.y1 == l.y2) << s;
  }
  EXPECT_EQ(rec.lines[5], (shapetest::Segment{10, 12, 10, 10}));
  EXPECT_EQ(rec.lines[13], (shapetest::Segment{10, 290, 10, 288}));
}

TEST_F(Channel, BothCodesAndAllZeroDimensions) {
  Element(6, 100, 300, 10, 8, 30).Angle = 0.4;
  const Listing six = ListOf(ChannelOutline, 3, 4);
  model::G.Elements[1].ShapeType = 7;
  const Listing seven = ListOf(ChannelOutline, 3, 4);
  EXPECT_EQ(six.lines, seven.lines);
  Element(6, 0, 0, 0, 0, 0);
  const Listing zero = ListOf(ChannelOutline, 12, -7);
  EXPECT_EQ(zero.lines, std::vector<shapetest::Segment>(20, {12, -7, 12, -7}));
}

}  // namespace
}  // namespace shapes
