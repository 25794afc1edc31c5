// A second report golden text, written by hand: a tee of two plates, a 10 x 200 web from
// y = 0 to 200 under a 200 x 20 flange from y = 200 to 220, both centred on x = 100.
//   A    = 2000 + 4000 = 6000
//   ybar = (2000 * 100 + 4000 * 210) / 6000 = 520 / 3 = 173.3333
//   Ix   = 10 * 200^3 / 12 + 2000 (220/3)^2 + 200 * 20^3 / 12 + 4000 (110/3)^2 = 22933333
//   Sx   = Ix / 173.3333 = 132307.7,  rx = sqrt(Ix / A) = 61.82412
//   Zx   = 2000 * 105 + 1000 * 2.5 + 3000 * 7.5 = 235000 (neutral axis 5 into the flange)
//   Iy   = 200 * 10^3 / 12 + 20 * 200^3 / 12 = 13350000
//   Sy   = Iy / 100 = 133500,  ry = sqrt(2225) = 47.16991
//   Zy   = 2 * 1000 * 2.5 + 2 * 2000 * 50 = 205000
//   J    = 200 * 10^3 / 3 + 200 * 20^3 / 3 = 600000,  Cw taken as 0, phi 0
// In inches each value is divided by 25.4 to its power of length.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "app/export.h"
#include "app/report_text.h"
#include "model/globals.h"
#include "model/properties.h"
#include "model/section_fixture.h"
#include "test_files.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace {

model::Globals Tee() {
  model::Globals g;
  g.SecArea = 6000;
  g.SecYBar = 520.0f / 3;
  g.SecXBar = 100;
  g.SecDepth = 220;
  g.SecWidth = 200;
  g.SecIx = static_cast<float>(6800000.0 + 145200000.0 / 9);
  g.SecSx = static_cast<float>((6800000.0 + 145200000.0 / 9) / (520.0 / 3));
  g.SecRx = static_cast<float>(std::sqrt((6800000.0 + 145200000.0 / 9) / 6000));
  g.SecZx = 235000;
  g.SecIy = 13350000;
  g.SecSy = 133500;
  g.SecRy = static_cast<float>(std::sqrt(2225.0));
  g.SecZy = 205000;
  g.SecJ = 600000;
  g.SecCw = 0;
  g.SecPhi = 0;
  g.ProjectName = "Tee, trial";
  g.ProjectNumber = "";
  g.ObjectDescription = "Web \"W1\" and flange";
  g.ProjectEngineer = "J. Smith";
  return g;
}

const std::vector<std::string> Head = {
    "Section properties calculated by Quorvane (TM).",
    "Please refer to help file for a description of this data.",
    "",
    "Project: Tee, trial",
    "Project No.: ",
    "Object Description: Web \"W1\" and flange",
    "Project Engineer: J. Smith",
    "",
};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ReportTeeGolden, MillimetresAboutTheGlobalAxes) {
  model::Globals g = Tee();
  g.UnitStatus = model::True;
  g.RotAxis = model::True;
  const std::vector<std::string> want = Join(Head, {
                                                       "Units: mm",
                                                       "",
                                                       "Properties calculated about Global Axes.",
                                                       "",
                                                       "Area:  6000",
                                                       "ybar:  173.3333",
                                                       "xbar:  100",
                                                       "d:     220",
                                                       "b:     200",
                                                       "Ix:    2.293333E+07",
                                                       "Sx:    132307.7",
                                                       "rx:    61.82412",
                                                       "Zx:    235000",
                                                       "Iy:    1.335E+07",
                                                       "Sy:    133500",
                                                       "ry:    47.16991",
                                                       "Zy:    205000",
                                                       "J:     600000",
                                                       "Cw:    0",
                                                       "phi:   0",
                                                   });
  EXPECT_EQ(want.size(), 28u);
  EXPECT_EQ(app::PropertyReportLines(g), want);
  std::string text;
  for (const std::string& l : want) text += l + "\r\n";
  EXPECT_EQ(app::PropertyReportText(g), text);
}

TEST(ReportTeeGolden, InchesAboutThePrincipalAxes) {
  model::Globals g = Tee();
  g.UnitStatus = model::False;
  g.RotAxis = model::False;
  // The axis line follows the axis setting: a symmetric tee has phi 0 about its principal
  // axes too, and the report still names them.
  const std::vector<std::string> want =
      Join(Head, {
                     "Units: inches",   "", "Properties calculated about Principal Axes.", "",
                     "Area:  9.300018",  // 6000 / 25.4^2
                     "ybar:  6.824147",  // 173.3333 / 25.4
                     "xbar:  3.937008",  // 100 / 25.4
                     "d:     8.661417",  // 220 / 25.4
                     "b:     7.874016",  // 200 / 25.4
                     "Ix:    55.09756",  // / 25.4^4
                     "Sx:    8.073911",  // / 25.4^3
                     "rx:    2.434021",  // / 25.4
                     "Zx:    14.34058",  // / 25.4^3
                     "Iy:    32.0735",   // / 25.4^4
                     "Sy:    8.146669",  // / 25.4^3
                     "ry:    1.857083",  // / 25.4
                     "Zy:    12.50987",  // / 25.4^3
                     "J:     1.441506",  // / 25.4^4
                     "Cw:    0",
                 });
  EXPECT_EQ(want.size(), 27u);
  EXPECT_EQ(app::PropertyReportLines(g), want);
}

}  // namespace

// The same tee built from its two plates, calculated, and exported through the save
// dialog: every line of the file carries the hand-worked value to its seventh digit.
namespace {

namespace fs = std::filesystem;

class ReportTeeExport : public ::testing::Test {
 protected:
  void SetUp() override {
    model::G = model::Globals{};
    windows::ResetSheet();
    dir = testing_files::FreshTestFolder("quorvane-tee-report");
  }
  void TearDown() override { testing_files::RemoveTestFolder(dir); }
  fs::path dir;
  ui::headless::ScopedHeadless h;
};

TEST_F(ReportTeeExport, TheCalculatedTeeIsExportedWithTheHandValues) {
  using model::G;
  model::ElementRecord web = model::testing::Plate(10, 200, 95, 0);
  web.ElemJ = 200.0f * 10 * 10 * 10 / 3;
  model::ElementRecord flange = model::testing::Plate(200, 20, 0, 200);
  flange.ElemJ = 200.0f * 20 * 20 * 20 / 3;
  G.Elements[1] = web;
  G.Elements[2] = flange;
  G.ElementCount = 2;
  G.UnitStatus = model::True;
  G.RotAxis = model::True;
  model::RecalcProperties();

  const fs::path file = dir / "tee.txt";
  h.platform.FileAnswers.push_back(file.string());
  app::Export_Click();
  const std::string text = testing_files::ReadFileText(file);
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(text.size(), text.rfind("\r\n") + 2);  // nothing after the last line end

  const double Ix = 6800000.0 + 145200000.0 / 9;
  struct Row {
    const char* label;
    double value;
  };
  const Row rows[] = {{"Area: ", 6000},
                      {"ybar: ", 520.0 / 3},
                      {"xbar: ", 100},
                      {"d:    ", 220},
                      {"b:    ", 200},
                      {"Ix:   ", Ix},
                      {"Sx:   ", Ix / (520.0 / 3)},
                      {"rx:   ", std::sqrt(Ix / 6000)},
                      {"Zx:   ", 235000},
                      {"Iy:   ", 13350000},
                      {"Sy:   ", 133500},
                      {"ry:   ", std::sqrt(2225.0)},
                      {"Zy:   ", 205000},
                      {"J:    ", 600000}};
  for (size_t i = 0; i < std::size(rows); ++i) {
    const std::string& line = lines[12 + i];
    SCOPED_TRACE(line);
    ASSERT_EQ(line.substr(0, 6), rows[i].label);
    EXPECT_EQ(line[6], ' ');  // not negative
    EXPECT_NEAR(std::stod(line.substr(6)), rows[i].value, rows[i].value * 1e-6);
  }
  EXPECT_EQ(lines[27], "phi:   0");
}

}  // namespace
