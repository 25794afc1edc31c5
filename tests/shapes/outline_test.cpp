// The outline type: loops placed about an insertion point, segments numbered across the
// loops, each loop closed by its own last segment.

#include "shapes/outline.h"

#include <array>

#include "shapes/shape_fixture.h"

namespace shapes {
namespace {

using shapetest::Segment;

class OutlineType : public shapetest::ShapeTest {};

TEST_F(OutlineType, TwoLoopsEachClosedByItsOwnLastSegment) {
  const model::ElementRecord& e = Element(11, 10, 10, 0, 0, 0);
  const std::array<LocalPoint, 3> outer = {{{0, 0}, {4, 0}, {0, 3}}};
  const std::array<LocalPoint, 2> inner = {{{1, 1}, {2, 1}}};
  Outline o;
  o.AddLoop(Placement(e, 100, 200, Grouping::Factored), outer);
  o.AddLoop(Placement(e, 100, 200, Grouping::Expanded), inner);
  ASSERT_TRUE(o.Finite());
  EXPECT_EQ(o.Segments(), 5);
  EXPECT_EQ(shapetest::List(o).lines, (std::vector<Segment>{{100, 200, 104, 200},
                                                            {104, 200, 100, 203},
                                                            {100, 203, 100, 200},
                                                            {101, 201, 102, 201},
                                                            {102, 201, 101, 201}}));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(o.Segment(i).closing, i == 2 || i == 4) << i;
}

TEST_F(OutlineType, BothGroupingsTurnAndMirrorAlike) {
  model::ElementRecord& e = Element(11, 10, 10, 0, 0, 0);
  e.Angle = model::Pi / 2;
  e.MirrorSign = -1;
  // Mirrored, then a quarter turn: x = X + v, y = Y + u.
  for (Grouping g : {Grouping::Factored, Grouping::Expanded}) {
    const PlacedPoint p = Placement(e, 10, 20, g).Place({3, 5});
    EXPECT_NEAR(p.x, 15, 1e-5);
    EXPECT_NEAR(p.y, 23, 1e-5);
  }
}

TEST_F(OutlineType, AThirdLoopOrMoreThanFortyPointsMakeItUnusable) {
  const model::ElementRecord& e = Element(11, 10, 10, 0, 0, 0);
  const Placement place(e, 0, 0, Grouping::Factored);
  const std::array<LocalPoint, 21> many{};
  Outline two;
  two.AddLoop(place, many);
  two.AddLoop(place, std::span(many).first(19));
  EXPECT_TRUE(two.Finite());
  two.AddLoop(place, std::span(many).first(0));
  EXPECT_FALSE(two.Finite());
  Outline big;
  big.AddLoop(place, many);
  big.AddLoop(place, many);
  EXPECT_FALSE(big.Finite());
}

}  // namespace
}  // namespace shapes
