// Every row of the shape files we ship, read with the program's own reader.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <ostream>
#include <set>
#include <string>

#include "model/globals.h"
#include "model/shape_file.h"
#include "ui/headless/headless_platform.h"

namespace model {
namespace {

struct Family {
  const char* file;
  std::set<int16_t> codes;
};
void PrintTo(const Family& p, std::ostream* os) { *os << p.file; }

const Family Families[] = {
    {"W.DAT", {0, 1, 2, 3, 4, 5, 18}},
    {"C.DAT", {6, 7}},
    {"L.DAT", {8}},
    {"T.DAT", {9, 10}},
    {"HSS.DAT", {15, 16}},
    {"CHS.DAT", {17}},
};

std::string ShapePath(const char* file) { return std::string(QUORVANE_DATA_DIR) + "Shapes/" + file; }

int LinesIn(const std::string& path) {
  std::ifstream in(path);
  int n = 0;
  for (std::string line; std::getline(in, line);) n += line.empty() ? 0 : 1;
  return n;
}

class ShapeData : public ::testing::TestWithParam<Family> {};

TEST_P(ShapeData, EveryRowIsASoundShapeOfItsFamily) {
  ui::headless::ScopedHeadless h;
  G = Globals{};
  const Family& family = GetParam();
  ASSERT_TRUE(LoadShapeFile(ShapePath(family.file))) << h.platform.Messages.at(0);
  const int n = G.ShapeTable[1].ShapeCount - 1;
  EXPECT_EQ(n, LinesIn(ShapePath(family.file)));  // one row per line
  EXPECT_LE(n, MaxShapeRows);
  for (int i = 1; i <= n; ++i) {
    const ShapeRecord& r = G.ShapeTable[static_cast<size_t>(i)];
    SCOPED_TRACE(r.NameSI.str());
    EXPECT_TRUE(family.codes.count(r.ShapeType)) << r.ShapeType;
    EXPECT_NE(r.NameSI.str(), std::string(25, ' '));
    EXPECT_NE(r.NameImp.str(), std::string(25, ' '));
    for (float v : {r.Depth, r.Width, r.FlangeThickness, r.WebThickness, r.ElemArea, r.ElemIx, r.ElemIy, r.ElemRx,
                    r.ElemRy, r.ElemSx, r.ElemSy, r.ElemZx, r.ElemZy, r.ElemJ, r.MassSI, r.MassImp})
      EXPECT_GT(v, 0.0f);
    EXPECT_GT(r.CentroidX, 0.0f);
    EXPECT_LT(r.CentroidX, r.Width);
    EXPECT_GT(r.CentroidY, 0.0f);
    EXPECT_LT(r.CentroidY, r.Depth);
    EXPECT_NEAR(r.ElemRx / std::sqrt(r.ElemIx / r.ElemArea), 1.0, 0.01);
    EXPECT_NEAR(r.ElemRy / std::sqrt(r.ElemIy / r.ElemArea), 1.0, 0.01);
    EXPECT_EQ(r.ChannelExtra != 0.0f, r.ShapeType == 6 || r.ShapeType == 7);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ShapeData, ::testing::ValuesIn(Families),
                         [](const ::testing::TestParamInfo<Family>& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace model
