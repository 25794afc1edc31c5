#include <gtest/gtest.h>

#include <cmath>

#include "model/element_record.h"
#include "model/globals.h"
#include "model/placement.h"

namespace model {
namespace {

TEST(FixedString, PadsAndCutsToTwentyFiveCharacters) {
  String25 s = "W310X97";
  EXPECT_EQ(s.str(), "W310X97                  ");
  EXPECT_EQ(s.str().size(), 25u);
  s = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
  EXPECT_EQ(s.str(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
  String25 empty;
  EXPECT_EQ(empty.str(), std::string(25, ' '));
}

TEST(ElementRecord, CopiesWholeAndCompares) {
  ElementRecord a;
  a.NameSI = "PL 200x 12";
  a.ShapeType = 50;
  a.Angle = 0.5;
  a.ChannelExtra = 3;
  ElementRecord b = a;
  EXPECT_EQ(a, b);
  b.ChannelExtra = 4;
  EXPECT_NE(a, b);
}

TEST(ShapeKinds, FollowTheCodeTable) {
  EXPECT_EQ(KindOf(0), ShapeKind::ParallelFlangeI);
  EXPECT_EQ(KindOf(5), ShapeKind::ParallelFlangeI);
  EXPECT_EQ(KindOf(18), ShapeKind::ParallelFlangeI);
  EXPECT_EQ(KindOf(2), ShapeKind::SlopedFlangeI);
  EXPECT_EQ(KindOf(6), ShapeKind::Channel);
  EXPECT_EQ(KindOf(7), ShapeKind::Channel);
  EXPECT_EQ(KindOf(8), ShapeKind::Angle);
  EXPECT_EQ(KindOf(10), ShapeKind::Tee);
  EXPECT_EQ(KindOf(16), ShapeKind::RectangularHSS);
  EXPECT_EQ(KindOf(17), ShapeKind::CircularHSS);
  EXPECT_EQ(KindOf(50), ShapeKind::Plate);
  EXPECT_EQ(KindOf(51), ShapeKind::Bar);
  EXPECT_EQ(KindOf(11), ShapeKind::None);
  EXPECT_EQ(KindOf(19), ShapeKind::None);
  // Negative codes are below 6 and not 2: parallel-flange I-sections.
  EXPECT_EQ(KindOf(-1), ShapeKind::ParallelFlangeI);
  EXPECT_EQ(KindOf(-3), ShapeKind::ParallelFlangeI);
  EXPECT_EQ(KindOf(-32768), ShapeKind::ParallelFlangeI);
}

TEST(Placement, MirrorReflectsAboutTheInsertionPoint) {
  ElementRecord plate;
  plate.Width = 100;
  plate.Depth = 10;
  plate.MirrorSign = -1;
  DrawingPoint far = PlaceLocalPoint(plate, plate.Width, 0);
  EXPECT_DOUBLE_EQ(far.x, -100);
  EXPECT_DOUBLE_EQ(far.y, 0);
  DrawingPoint top = PlaceLocalPoint(plate, 0, plate.Depth);
  EXPECT_DOUBLE_EQ(top.x, 0);
  EXPECT_DOUBLE_EQ(top.y, 10);
}

TEST(Placement, QuarterTurnMapsWidthOntoTheVertical) {
  ElementRecord e;
  e.Width = 100;
  e.MirrorSign = 1;
  e.Angle = Pi / 2;
  e.PosX = 20;
  e.PosY = 30;
  DrawingPoint p = PlaceLocalPoint(e, e.Width, 0);
  EXPECT_NEAR(p.x, 20, 1e-6);
  EXPECT_NEAR(p.y, 130, 1e-6);
  // Local v then points to the left.
  DrawingPoint q = PlaceLocalPoint(e, 0, 10);
  EXPECT_NEAR(q.x, 10, 1e-6);
  EXPECT_NEAR(q.y, 30, 1e-6);
}

TEST(Globals, ResetByAssigningAFreshOne) {
  G.ElementCount = 3;
  G.Elements[2].PosX = 44;
  G.SecArea = 12;
  G = Globals{};
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(G.Elements[2].PosX, 0);
  EXPECT_EQ(G.SecArea, 0);
  EXPECT_EQ(G.Elements.size(), 51u);
  EXPECT_EQ(G.ShapeTable.size(), 501u);
}

}  // namespace
}  // namespace model
