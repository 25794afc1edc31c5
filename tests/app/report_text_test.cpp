// The property report as text: every line as the report format lays it out, in millimetres
// and inches, about the global and the principal axes.

#include "app/report_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/globals.h"

namespace {

using model::Globals;

// A 100 wide, 20 deep plate, its values by hand: A = 2000, Ix = 100 * 20^3 / 12,
// Sx = Ix / 10, rx = sqrt(Ix / A), Zx = 100 * 20^2 / 4, Iy = 20 * 100^3 / 12, Sy = Iy / 50,
// ry = sqrt(Iy / A), Zy = 20 * 100^2 / 4, J = 100 * 20^3 / 3. The centroid's x is made
// negative to show the sign, and Cw large to show the exponent form.
Globals Plate() {
  Globals g;
  g.ProjectName = "Mill building";
  g.ProjectNumber = "24-017";
  g.ObjectDescription = "Crane girder";
  g.ProjectEngineer = "R. Ortiz";
  g.SecArea = 2000;
  g.SecYBar = 10;
  g.SecXBar = -12.5f;
  g.SecDepth = 20;
  g.SecWidth = 100;
  g.SecIx = 66666.67f;
  g.SecSx = 6666.667f;
  g.SecRx = 5.773503f;
  g.SecZx = 10000;
  g.SecIy = 1666667;
  g.SecSy = 33333.33f;
  g.SecRy = 28.86751f;
  g.SecZy = 50000;
  g.SecJ = 266666.7f;
  g.SecCw = 12345680;
  g.SecPhi = 0.5f;
  g.UnitStatus = model::True;
  g.RotAxis = model::True;
  return g;
}

TEST(PropertyReport, MillimetresAboutTheGlobalAxes) {
  const std::vector<std::string> expected = {
      "Section properties calculated by Quorvane (TM).",
      "Please refer to help file for a description of this data.",
      "",
      "Project: Mill building",
      "Project No.: 24-017",
      "Object Description: Crane girder",
      "Project Engineer: R. Ortiz",
      "",
      "Units: mm",
      "",
      "Properties calculated about Global Axes.",
      "",
      "Area:  2000",
      "ybar:  10",
      "xbar: -12.5",
      "d:     20",
      "b:     100",
      "Ix:    66666.67",
      "Sx:    6666.667",
      "rx:    5.773503",
      "Zx:    10000",
      "Iy:    1666667",
      "Sy:    33333.33",
      "ry:    28.86751",
      "Zy:    50000",
      "J:     266666.7",
      "Cw:    1.234568E+07",
      // 0.5 rad in degrees: 90 / 3.14159265, to 15 digits.
      "phi:   28.6478897892761",
  };
  EXPECT_EQ(app::PropertyReportLines(Plate()), expected);
}

TEST(PropertyReport, InchesAboutThePrincipalAxes) {
  Globals g = Plate();
  g.UnitStatus = model::False;
  g.RotAxis = model::False;
  // Each value over 25.4 to its power of length, held as a single.
  const std::vector<std::string> expected = {
      "Section properties calculated by Quorvane (TM).",
      "Please refer to help file for a description of this data.",
      "",
      "Project: Mill building",
      "Project No.: 24-017",
      "Object Description: Crane girder",
      "Project Engineer: R. Ortiz",
      "",
      "Units: inches",
      "",
      "Properties calculated about Principal Axes.",
      "",
      "Area:  3.100006",
      "ybar:  .3937008",
      "xbar: -.492126",
      "d:     .7874016",
      "b:     3.937008",
      "Ix:    .1601673",
      "Sx:    .406825",
      "rx:    .2273033",
      "Zx:    .6102374",
      "Iy:    4.004183",
      "Sy:    2.034124",
      "ry:    1.136516",
      "Zy:    3.051187",
      "J:     .6406693",
      "Cw:    .04597405",
  };
  EXPECT_EQ(app::PropertyReportLines(g), expected);
}

TEST(PropertyReport, TheAxisLineAndTheAngleFollowTheAxisSetting) {
  struct Case {
    model::Bool16 RotAxis;
    float SecPhi;
    const char* AxisLine;
    size_t Lines;
    const char* Last;
  };
  const Case cases[] = {
      // A principal angle of exactly 0 about the global axes: still the global sentence.
      {model::True, 0.0f, "Properties calculated about Global Axes.", 28, "phi:   0"},
      {model::True, 0.3f, "Properties calculated about Global Axes.", 28, "phi:   17.1887345565846"},
      // About the principal axes the sentence says so even where the angle is 0.
      {model::False, 0.0f, "Properties calculated about Principal Axes.", 27, "Cw:    1.234568E+07"},
      {model::False, 0.3f, "Properties calculated about Principal Axes.", 27, "Cw:    1.234568E+07"},
  };
  for (const Case& c : cases) {
    Globals g = Plate();
    g.RotAxis = c.RotAxis;
    g.SecPhi = c.SecPhi;
    const std::vector<std::string> lines = app::PropertyReportLines(g);
    ASSERT_EQ(lines.size(), c.Lines) << c.RotAxis << " " << c.SecPhi;
    EXPECT_EQ(lines[10], c.AxisLine);
    EXPECT_EQ(lines.back(), c.Last);
  }
}

TEST(PropertyReport, EmptyProjectStringsAndZeroResultsGiveTheBareCaptions) {
  Globals g;  // after start-up: nothing calculated yet
  g.UnitStatus = model::True;
  g.RotAxis = model::True;
  const std::vector<std::string> lines = app::PropertyReportLines(g);
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[3], "Project: ");
  EXPECT_EQ(lines[4], "Project No.: ");
  EXPECT_EQ(lines[5], "Object Description: ");
  EXPECT_EQ(lines[6], "Project Engineer: ");
  for (size_t i = 12; i < lines.size(); ++i) EXPECT_EQ(lines[i].substr(6), " 0") << lines[i];
}

TEST(PropertyReport, TheFileTextEndsEveryLineWithCrLf) {
  Globals g = Plate();
  g.RotAxis = model::False;
  const std::string text = app::PropertyReportText(g);
  EXPECT_EQ(text.rfind("Section properties calculated by Quorvane (TM).\r\nPlease refer", 0), 0u);
  EXPECT_NE(text.find("\r\n\r\nProject: Mill building\r\n"), std::string::npos);
  // 27 lines, each closed: the text ends with the Cw line and its line end.
  size_t ends = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++ends;
  EXPECT_EQ(ends, 27u);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare line feeds
  const std::string tail = "Cw:    1.234568E+07\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace
