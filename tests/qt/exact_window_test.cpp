// Exact results in the real window: an angle of two plates, 100 x 5 with 5 x 95 standing
// on it, opened through File > Open about the principal axes, shows the principal moments
// that Mohr's circle gives from its global Ix = Iy = 967255.6 and Ixy = -578525.6
// (I1 = 1545781, I2 = 388730), and the depth and moduli of the section turned onto those
// axes: the leg ends 100 / sqrt 2 from the major axis, the heel 26.859 sqrt 2 from the
// minor one.

#include <gtest/gtest.h>

#include <string>

#include "editor/document_codec.h"
#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

model::ElementRecord Plate(float W, float D, int32_t x, int32_t y) {
  model::ElementRecord e = model::testing::Plate(W, D, x, y);
  e.NameSI = "PL";
  return e;
}

using ExactWindowTest = qt_testing::StartedWindowTest;

TEST_F(ExactWindowTest, AnAngleOfTwoPlatesAboutItsPrincipalAxes) {
  editor::DocumentData document;
  document.UnitStatus = model::True;
  document.RotAxis = model::False;
  document.Elements = {Plate(100, 5, 600, 400), Plate(5, 95, 600, 405)};
  OpenDocument(document, "angle.qvn");
  ASSERT_EQ(G.ElementCount, 2);
  ASSERT_EQ(G.RotAxis, model::False);
  qt.platform.SyncAll();

  // Two decimals (the first start's), Ix and Iy in E6, Sx and Sy in E3.
  EXPECT_EQ(ShownText(Sheet().Phi), " 45");
  EXPECT_EQ(ShownText(Sheet().Ix), " 1.55E6");   // 1545781; the rounded turn gave 1.528e6
  EXPECT_EQ(ShownText(Sheet().Iy), " .39E6");    // 388730
  EXPECT_EQ(ShownText(Sheet().d), " 141.42");    // 100 sqrt 2
  EXPECT_EQ(ShownText(Sheet().b), " 74.25");     // 105 / sqrt 2
  EXPECT_EQ(ShownText(Sheet().Sx), " 21.86E3");  // 1545781 / 70.711
  EXPECT_EQ(ShownText(Sheet().Sy), " 10.23E3");  // 388730 / 37.985
  // The section is stored as it was drawn.
  EXPECT_EQ(G.Elements[2].PosX, 600);
  EXPECT_EQ(G.Elements[2].PosY, 405);
  EXPECT_EQ(G.Elements[2].Angle, 0);
}

}  // namespace
