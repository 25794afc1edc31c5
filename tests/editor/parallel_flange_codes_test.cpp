// Every code below 6 but 2, negative codes too, and 18 is a parallel-flange I-section in
// every place: it is drawn and marked with its handles like code 1, the overlap guard sees
// it and probes it, the object snap offers its points, and it counts in every property,
// the plastic moduli included.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editing_fixture.h"
#include "editor/commands.h"
#include "editor/snap.h"
#include "model/properties.h"
#include "view/redraw.h"

namespace editor {
namespace {

using model::G;
using testing::EditingTest;
using testing::Plate;

// The I 200 deep and 100 wide, flanges 10 and web 6 thick, k 20 and k1 13, with the own
// properties of its three rectangles: A = 2 x 1000 + 180 x 6 = 3080.
model::ElementRecord ISection(int16_t code, int32_t x, int32_t y) {
  model::ElementRecord e;
  e.ShapeType = code;
  e.Depth = 200;
  e.Width = 100;
  e.FlangeThickness = 10;
  e.WebThickness = 6;
  e.FilletDepthK = 20;
  e.FilletWidthK1 = 13;
  e.ElemArea = 3080;
  e.ElemIx = 20982666.7f;  // 100 x 200^3 / 12 - 94 x 180^3 / 12
  e.ElemIy = 1669906.7f;   // 2 x 10 x 100^3 / 12 + 180 x 6^3 / 12
  e.CentroidX = 50;
  e.CentroidY = 100;
  e.PosX = x;
  e.PosY = y;
  e.MirrorSign = 1;
  return e;
}

class ParallelFlangeCode : public EditingTest, public ::testing::WithParamInterface<int16_t> {
 protected:
  void Load(const std::vector<model::ElementRecord>& elements) {
    G.ElementCount = 0;
    for (const model::ElementRecord& e : elements) Add(e);
  }
  // What the results panel shows and the results themselves.
  std::vector<std::string> Panel() {
    std::vector<std::string> out;
    for (const auto& row : sheet().ResultRows()) out.push_back(row.Value->Caption);
    for (float v : {G.SecArea, G.SecDepth, G.SecWidth, G.SecXBar, G.SecYBar, G.SecIx, G.SecIy, G.SecIxy, G.SecSx,
                    G.SecSy, G.SecRx, G.SecRy, G.SecZx, G.SecZy, G.SecJ, G.SecCw, G.SecPhi})
      out.push_back(std::to_string(v));
    return out;
  }
  // The section of an I (turned and mirrored) and a turned cover plate, about the
  // principal axes, with the element's code as given.
  std::vector<std::string> PrincipalPanelOf(int16_t code) {
    model::ElementRecord i = ISection(code, 300, 300);
    i.Angle = 0.3;
    i.MirrorSign = -1;
    Load({i, Plate(160, 12, 250, 520, 0.1)});
    G.RotAxis = model::False;
    model::RecalcProperties();
    return Panel();
  }
  // The whole drawing area after a redraw of a selected I beside a plate.
  std::vector<int32_t> DrawingOf(int16_t code) {
    model::ElementRecord i = ISection(code, 300, 300);
    i.Angle = 0.2;
    i.Selected = model::True;
    Load({i, Plate(100, 20, 600, 300)});
    view::RedrawDrawing();
    return Base().Pixels();
  }
  std::vector<std::pair<int32_t, int32_t>> SnapTableOf(int16_t code) {
    Load({ISection(code, 300, 300), Plate(100, 20, 600, 300)});
    BuildSnapPoints();
    std::vector<std::pair<int32_t, int32_t>> out;
    for (int k = 1; k <= G.SnapPointCount; ++k) out.emplace_back(G.SnapPoints[k].x, G.SnapPoints[k].y);
    return out;
  }
};

TEST_P(ParallelFlangeCode, CountsInEveryPropertyAsCodeOneDoes) {
  // Alone about the global axes, the axes through the middle of the web and of the depth:
  // Zx = 2 (1000 x 95 + 540 x 45), Zy = 2 x 10 x 100^2 / 4 + 180 x 6^2 / 4.
  Load({ISection(GetParam(), 300, 300)});
  G.RotAxis = model::True;
  model::RecalcProperties();
  EXPECT_FLOAT_EQ(G.SecArea, 3080);
  EXPECT_NEAR(G.SecZx, 238600, 238600 * 2e-6);
  EXPECT_NEAR(G.SecZy, 51620, 51620 * 2e-6);
  EXPECT_EQ(PrincipalPanelOf(GetParam()), PrincipalPanelOf(1));
}

TEST_P(ParallelFlangeCode, IsDrawnWithItsHandlesAsCodeOneIs) {
  const std::vector<int32_t> reference = DrawingOf(1);
  const std::vector<int32_t> drawn = DrawingOf(GetParam());
  EXPECT_TRUE(drawn == reference);
  model::ElementRecord selected = ISection(GetParam(), 300, 300);
  selected.Selected = model::True;
  Load({selected});
  view::RedrawDrawing();
  EXPECT_EQ(Pixel(320, 300), model::Black);  // the bottom flange's outer face
  EXPECT_EQ(Pixel(353, 400), model::Blue);   // the handle on the web's right face
}

TEST_P(ParallelFlangeCode, OffersTheSnapPointsOfCodeOne) {
  const auto table = SnapTableOf(GetParam());
  ASSERT_EQ(table.size(), 16u);  // eight of the I's and eight of the plate's
  EXPECT_EQ(table, SnapTableOf(1));
  // (b/2 + tw/2, d/2) and (b/2 - tw/2, d/2): the web's faces at mid-depth.
  EXPECT_EQ(table[6], std::pair(353, 400));
  EXPECT_EQ(table[7], std::pair(347, 400));
}

// The overlap guard holds a plate that would cross the I, and holds the I when it is the
// element being placed across a plate.
TEST_P(ParallelFlangeCode, TheOverlapGuardSeesItAndProbesIt) {
  Add(ISection(GetParam(), 400, 400));  // x 400..500, y 400..600
  view::RedrawDrawing();
  StartPlacing(Plate(100, 50, 0, 0));
  Move(700, 150);
  Move(350, 420);  // its sides cross the web and the bottom flange
  EXPECT_EQ(G.PreviewHeld, model::True);
  EXPECT_EQ(E(2).PosX, 700);
  CancelCommand();

  Load({Plate(200, 100, 700, 600)});  // x 700..900, y 600..700
  view::RedrawDrawing();
  StartPlacing(ISection(GetParam(), 0, 0));
  Move(300, 150);
  Move(750, 450);  // the web crosses the plate's lower side
  EXPECT_EQ(G.PreviewHeld, model::True);
  EXPECT_EQ(E(2).PosX, 300);
  EXPECT_EQ(E(2).PosY, 150);
}

INSTANTIATE_TEST_SUITE_P(BelowSixButTwoAndEighteen, ParallelFlangeCode,
                         ::testing::Values(int16_t{-32768}, int16_t{-3}, int16_t{-1}, int16_t{0}, int16_t{5},
                                           int16_t{18}));

}  // namespace
}  // namespace editor
