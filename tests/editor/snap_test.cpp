// The object snap: the points of each family, the table of the elements that stay, the
// capture radius, the order of the search and the snap choice.

#include "editor/snap.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace editor {
namespace {

using model::G;
using model::PointI;
using testing::Bar;
using testing::EditingTest;
using testing::Plate;

class Snap : public EditingTest {
 protected:
  // Element `moving` follows the pointer as the element being placed.
  void Placing(int moving) {
    G.PlaceMode = model::True;
    G.CurrentElement = static_cast<int16_t>(moving);
  }
  void Table(std::initializer_list<PointI> points) {
    G.SnapPointCount = 0;
    for (const PointI& p : points) G.SnapPoints[static_cast<size_t>(++G.SnapPointCount)] = p;
  }
};

TEST_F(Snap, EachFamilyHasItsPointCount) {
  struct Case {
    int16_t code;
    int16_t count;
  };
  const Case cases[] = {{0, 8},  {2, 8},  {5, 8},  {18, 8}, {6, 8},  {7, 8},  {8, 7},  {9, 5},  {10, 5},
                        {15, 8}, {16, 8}, {17, 4}, {50, 8}, {51, 4}, {11, 0}, {60, 0}, {-1, 8}, {-6, 8}};
  for (const Case& c : cases) {
    model::ElementRecord e = Plate(100, 60, 0, 0);
    e.ShapeType = c.code;
    ComputeSnapPoints(e, -1);
    EXPECT_EQ(G.SnapChoiceCount, c.count) << c.code;
  }
}

TEST_F(Snap, PointsArePlacedWithTheElementsTurnAndMirror) {
  model::ElementRecord angle = Plate(100, 80, 10, 20);
  angle.ShapeType = 8;
  angle.FlangeThickness = 6;
  ComputeSnapPoints(angle, -1);
  const PointI heel_to_tips[] = {{10, 20}, {110, 20}, {110, 26}, {16, 100}, {10, 100}, {60, 20}, {10, 60}};
  for (int j = 0; j < 7; ++j) {
    EXPECT_EQ(G.OwnSnapPoints[j + 1].x, heel_to_tips[j].x) << j;
    EXPECT_EQ(G.OwnSnapPoints[j + 1].y, heel_to_tips[j].y) << j;
  }
  // A plate at x 100 mirrored: its point (b, 0) lies at x 50.
  ComputeSnapPoints(Plate(50, 10, 100, 0, 0, -1), -1);
  EXPECT_EQ(G.OwnSnapPoints[2].x, 50);
  // A quarter turn takes (b, 0) straight up.
  ComputeSnapPoints(Plate(50, 10, 100, 0, model::Pi / 2), -1);
  EXPECT_EQ(G.OwnSnapPoints[2].x, 100);
  EXPECT_EQ(G.OwnSnapPoints[2].y, 50);
  // Halves to even: b/2 of 5 mm is 2, of 7 mm is 4.
  ComputeSnapPoints(Plate(5, 10, 0, 0), -1);
  EXPECT_EQ(G.OwnSnapPoints[5].x, 2);
  ComputeSnapPoints(Plate(7, 10, 0, 0), -1);
  EXPECT_EQ(G.OwnSnapPoints[5].x, 4);
  // A bar has its four extreme points, none at its insertion point.
  ComputeSnapPoints(Bar(40, 0, 0), -1);
  const PointI bar[] = {{20, 0}, {20, 40}, {40, 20}, {0, 20}};
  for (int j = 0; j < 4; ++j) EXPECT_EQ(G.OwnSnapPoints[j + 1].x, bar[j].x) << j;
}

TEST_F(Snap, OwnPointsOfAMovingElementStandAtItsPreview) {
  Add(Plate(100, 50, 0, 0));
  G.PreviewPos[1] = {300.4, 199.6};
  ComputeSnapPoints(G.Elements[1], 1);
  EXPECT_EQ(G.OwnSnapPoints[1].x, 300);
  EXPECT_EQ(G.OwnSnapPoints[1].y, 200);
}

TEST_F(Snap, TheTableLeavesOutSelectedElementsAndTheOneBeingPlaced) {
  Add(Plate(100, 50, 0, 0));
  AddSelected(Plate(100, 50, 300, 0));
  Add(Bar(40, 600, 0));
  Add(Plate(10, 10, 900, 0));
  Placing(4);
  BuildSnapPoints();
  ASSERT_EQ(G.SnapPointCount, 12);
  EXPECT_EQ(G.SnapPoints[8].y, 25);   // the plate's last point (0, d/2)
  EXPECT_EQ(G.SnapPoints[9].x, 620);  // the bar's first
}

TEST_F(Snap, TheCaptureRadiusIs25TimesTheZoomAndItsEdgeDoesNotMatch) {
  struct Case {
    float zoom;
    int32_t dx, dy;
    bool match;
  };
  const Case cases[] = {
      {1, 24, 0, true},    {1, 15, 20, false},  // 25 exactly
      {0.5f, 12, 0, true}, {0.5f, 13, 0, false}, {2, 0, 49, true}, {2, 30, 40, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.zoom << ": " << c.dx << ", " << c.dy);
    G.ElementCount = 0;
    G.ZoomScale = c.zoom;
    Add(Plate(500, 500, 1000, 1000));
    Add(Plate(500, 500, 1000 + c.dx, 1000 + c.dy));
    Placing(2);
    BuildSnapPoints();
    FindObjectSnap();
    EXPECT_EQ(G.SnapFound != 0, c.match);
  }
}

TEST_F(Snap, TheFirstPairInSearchOrderWinsNotTheNearest) {
  Add(Plate(100, 50, 0, 0));  // own points (0, 0), (100, 0), ...
  Placing(1);
  Table({{100, 0}, {0, 30}, {12, 16}});  // entry 1 on own point 2; entry 3 20 mm from own point 1
  FindObjectSnap();
  ASSERT_EQ(G.SnapFound, model::True);
  EXPECT_EQ(G.SnapTargetX, 12);
  EXPECT_EQ(G.SnapTargetY, 16);
  EXPECT_EQ(G.SnapSourceX, 0);
  EXPECT_EQ(G.SnapSourceY, 0);
  EXPECT_EQ(sheet().TextEntry.Text, "20");
  EXPECT_EQ(G.SnapOrigin[1].x, 0);
  // Two entries within reach of one own point: the earlier one.
  Table({{500, 500}, {3, 4}, {500, 500}, {500, 500}, {1, 1}});
  FindObjectSnap();
  EXPECT_EQ(G.SnapTargetX, 3);
  EXPECT_EQ(sheet().TextEntry.Text, "5");
  Table({{0, 0}});
  FindObjectSnap();
  EXPECT_EQ(sheet().TextEntry.Text, "0");
  Table({{1, 1}});
  FindObjectSnap();
  EXPECT_EQ(sheet().TextEntry.Text, "1.4142135623731");
  // The box's comma separates x from y: the distance keeps its point in a comma locale.
  platform().UserDecimalSeparator = ",";
  FindObjectSnap();
  EXPECT_EQ(sheet().TextEntry.Text, "1.4142135623731");
}

TEST_F(Snap, TheChoiceCountsOnFromTheMatchedPointAndWraps) {
  Add(Plate(400, 200, 0, 0));  // own point 7 is (400, 100)
  Placing(1);
  Table({{403, 104}});
  G.SnapChoice = 3;
  FindObjectSnap();
  EXPECT_EQ(G.SnapSourceX, 400);  // own point 2, (400, 0): 7 + 3 - 8
  EXPECT_EQ(G.SnapSourceY, 0);
}

// A choice stepped against an 8-point element, then a match on a 4-point bar: the choice
// wraps within the bar's own points, never into stale entries past them.
TEST_F(Snap, AChoiceBeyondTheMatchedElementsCountWrapsWithinIt) {
  Add(Bar(40, 0, 0));  // own points (20, 0), (20, 40), (40, 20), (0, 20)
  Placing(1);
  G.OwnSnapPoints[5] = {999, 999};
  Table({{22, 43}});  // near own point 2 only
  G.SnapChoice = 7;
  FindObjectSnap();
  EXPECT_EQ(G.SnapSourceX, 20);  // (7 + 2 - 1) mod 4 + 1 = 1
  EXPECT_EQ(G.SnapSourceY, 0);
}

TEST_F(Snap, AMoveSearchesTheSelectedPreviewsInIndexOrderAndRecordsEveryOrigin) {
  Add(Plate(100, 50, 0, 0));
  AddSelected(Plate(10, 10, 0, 0));
  AddSelected(Plate(10, 10, 0, 0));
  G.PreviewPos[2] = {500, 500};
  G.PreviewPos[3] = {103.4, 52.6};  // own corner 5 mm from (100, 50)
  BuildSnapPoints();
  sheet().TextEntry.Text = "keep";
  FindObjectSnap();
  ASSERT_EQ(G.SnapFound, model::True);
  EXPECT_EQ(G.SnapTargetX, 100);
  EXPECT_EQ(G.SnapSourceX, 103);
  EXPECT_EQ(G.SnapOrigin[2].x, 500);
  EXPECT_EQ(G.SnapOrigin[3].y, 53);
  EXPECT_EQ(sheet().TextEntry.Text, "keep");
}

TEST_F(Snap, WithoutAMatchTheLastMatchStaysRecorded) {
  Add(Plate(100, 50, 0, 0));
  Placing(1);
  Table({{3, 4}});
  FindObjectSnap();
  Table({{300, 400}});
  FindObjectSnap();
  EXPECT_EQ(G.SnapFound, model::False);
  EXPECT_EQ(G.SnapTargetX, 3);
}

TEST_F(Snap, AdvancingTheChoiceRunsOneToTheCountAndBack) {
  G.SnapChoiceCount = 4;
  for (int expected : {1, 2, 3, 4, 1}) {
    AdvanceSnapChoice();
    EXPECT_EQ(G.SnapChoice, expected);
  }
  G.SnapChoice = 0;
  G.SnapChoiceCount = 0;
  AdvanceSnapChoice();
  EXPECT_EQ(G.SnapChoice, 1);
}

}  // namespace
}  // namespace editor
