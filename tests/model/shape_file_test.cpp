#include "model/shape_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "model/globals.h"
#include "shape_fixture.h"
#include "ui/headless/headless_platform.h"

namespace model {
namespace {

using testing::ChannelRow;
using testing::IRow;
using testing::NumberedFile;
using testing::NumberedRow;
using testing::ProgramFolder;

// The channel row and the I row as their fields read (values from the two fixture rows).
void ExpectChannelRow(const ShapeRecord& r) {
  EXPECT_EQ(r.NameSI.str(), "C380X74                  ");
  EXPECT_EQ(r.ShapeType, 6);
  EXPECT_EQ(r.Depth, 381.0f);
  EXPECT_EQ(r.Width, 94.5f);
  EXPECT_EQ(r.FlangeThickness, 16.5f);
  EXPECT_EQ(r.WebThickness, 18.2f);
  EXPECT_EQ(r.Ratio1, 5.72f);
  EXPECT_EQ(r.Ratio2, 0.17482518f);
  EXPECT_EQ(r.FilletDepthK, 36.5f);
  EXPECT_EQ(r.NominalSizeSI, 380);
  EXPECT_EQ(r.MassSI, 74.0f);
  EXPECT_EQ(r.ElemArea, 9480.0f);
  EXPECT_EQ(r.ElemIx, 168000000.0f);
  EXPECT_EQ(r.ElemIy, 4580000.0f);
  EXPECT_EQ(r.ElemCw, 132000000000.0f);
  EXPECT_EQ(r.ShapeExtra, 139.0f);
  EXPECT_EQ(r.NameImp.str(), "C15X50                   ");
  EXPECT_EQ(r.NominalSizeImp, 15);
  EXPECT_EQ(r.MassImp, 50.0f);
  EXPECT_EQ(r.CentroidX, 20.3f);
  EXPECT_EQ(r.CentroidY, 190.5f);
  EXPECT_EQ(r.ChannelExtra, 14.8f);
}

void ExpectIRow(const ShapeRecord& r) {
  EXPECT_EQ(r.NameSI.str(), "W310X97                  ");
  EXPECT_EQ(r.ShapeType, 1);
  EXPECT_EQ(r.Depth, 307.0f);
  EXPECT_EQ(r.Width, 305.0f);
  EXPECT_EQ(r.FilletWidthK1, 25.4f);
  EXPECT_EQ(r.NominalSizeSI, 310);
  EXPECT_EQ(r.ElemZy, 723000.0f);
  EXPECT_EQ(r.ElemJ, 907000.0f);
  EXPECT_EQ(r.ElemCw, 1550000000000.0f);
  EXPECT_EQ(r.ShapeExtra, 154.39848f);
  EXPECT_EQ(r.NameImp.str(), "W12X65                   ");
  EXPECT_EQ(r.NominalSizeImp, 12);
  EXPECT_EQ(r.CentroidX, 152.5f);
  EXPECT_EQ(r.CentroidY, 153.5f);
  EXPECT_EQ(r.ChannelExtra, 0.0f);
  // Fields a row does not carry stay as the table held them.
  EXPECT_EQ(r.Spare1, 0.0f);
  EXPECT_EQ(r.Spare4, 0.0f);
  EXPECT_EQ(r.PosX, 0);
  EXPECT_EQ(r.Angle, 0.0);
  EXPECT_EQ(r.MirrorSign, 0);
  EXPECT_EQ(r.Selected, False);
}

std::string Replace(std::string text, char from, const std::string& to) {
  std::string out;
  for (char c : text) out += c == from ? to : std::string(1, c);
  return out;
}

struct Layout {
  const char* name;
  std::string text;
};
void PrintTo(const Layout& p, std::ostream* os) { *os << p.name; }

class ShapeFileLayouts : public ::testing::TestWithParam<Layout> {};

// A channel row (32 values) followed by an I row (31): however the values are laid out
// on lines, the same two rows are read.
TEST_P(ShapeFileLayouts, ReadTheSameRows) {
  ui::headless::ScopedHeadless h;
  G = Globals{};
  ProgramFolder folder;
  folder.Write("C.DAT", GetParam().text);
  ASSERT_TRUE(LoadShapeFile(folder.Path("C.DAT"))) << (h.platform.Messages.empty() ? "" : h.platform.Messages[0]);
  EXPECT_TRUE(h.platform.Messages.empty());
  ExpectChannelRow(G.ShapeTable[1]);
  ExpectIRow(G.ShapeTable[2]);
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, 3);
  EXPECT_EQ(G.ShapeTable[3], ShapeRecord{});
}

// Every n-th separator a line end, so that rows and lines do not line up.
std::string EveryNthComma(std::string text, int n) {
  int count = 0;
  for (char& c : text)
    if (c == ',' && ++count % n == 0) c = '\n';
  return text;
}

// The four designations written in double quotes, with blanks around the quotes.
std::string QuoteNames(std::string text) {
  for (const std::string name : {"C380X74", "C15X50", "W310X97", "W12X65"})
    text.replace(text.find(name), name.size(), " \"" + name + "\"  ");
  return text;
}

const std::string rows = std::string(ChannelRow) + "\n" + IRow + "\n";

INSTANTIATE_TEST_SUITE_P(
    Layouts, ShapeFileLayouts,
    ::testing::Values(Layout{"RowPerLine", rows}, Layout{"NoLineEndAtTheEnd", std::string(ChannelRow) + "\n" + IRow},
                      Layout{"ValuePerLine", Replace(rows, ',', "\n")},
                      Layout{"AllOnOneLine", std::string(ChannelRow) + "," + IRow},
                      Layout{"CrLfLineEnds", Replace(rows, '\n', "\r\n")},
                      Layout{"BlanksAroundValues", Replace(rows, ',', " ,\t ")},
                      Layout{"QuotedNames", QuoteNames(rows)},
                      Layout{"LinesOfSevenValues", EveryNthComma(std::string(ChannelRow) + "," + IRow, 7)}),
    [](const ::testing::TestParamInfo<Layout>& info) { return info.param.name; });

TEST(ShapeFile, QuotedNameMayHoldACommaAndLongNamesAreCut) {
  ui::headless::ScopedHeadless h;
  G = Globals{};
  ProgramFolder folder;
  std::string row = IRow;
  row.replace(0, std::string("W310X97").size(), "\"W310X97, cut from plate\"");
  row.replace(row.find("W12X65"), std::string("W12X65").size(), "\"W12X65 ABCDEFGHIJKLMNOPQRSTUVWXYZ\"");
  folder.Write("W.DAT", row + "\n" + IRow + "\n");
  ASSERT_TRUE(LoadShapeFile(folder.Path("W.DAT")));
  EXPECT_EQ(G.ShapeTable[1].NameSI.str(), "W310X97, cut from plate  ");
  EXPECT_EQ(G.ShapeTable[1].NameImp.str(), "W12X65 ABCDEFGHIJKLMNOPQR");
  EXPECT_EQ(G.ShapeTable[1].Depth, 307.0f);
  ExpectIRow(G.ShapeTable[2]);
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, 3);
}

std::string WithValue(int index, const std::string& value);

// A value too small for a single (a moment written in metres, say) reads as 0 and the
// rest of the file is read; it used to fail the whole file.
TEST(ShapeFile, AValueTooSmallForASingleReadsAsZero) {
  ui::headless::ScopedHeadless h;
  G = Globals{};
  ProgramFolder folder;
  folder.Write("W.DAT", std::string(IRow) + "\n" + WithValue(16, "1e-50") + "\n");
  ASSERT_TRUE(LoadShapeFile(folder.Path("W.DAT"))) << (h.platform.Messages.empty() ? "" : h.platform.Messages[0]);
  EXPECT_EQ(G.ShapeTable[2].ElemIx, 0.0f);
  EXPECT_EQ(G.ShapeTable[2].ElemSx, 1440000.0f);
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, 3);
}

TEST(ShapeFile, CountsRowsPlusOne) {
  for (int n : {1, 2, 500}) {
    ui::headless::ScopedHeadless h;
    G = Globals{};
    ProgramFolder folder;
    folder.Write("W.DAT", NumberedFile(n));
    ASSERT_TRUE(LoadShapeFile(folder.Path("W.DAT"))) << n;
    EXPECT_EQ(G.ShapeTable[1].ShapeCount, n + 1) << n;
    EXPECT_EQ(G.ShapeTable[static_cast<size_t>(n)].NameSI.str(), String25("S" + std::to_string(n)).str());
    EXPECT_EQ(G.ShapeTable[static_cast<size_t>(n)].Depth, static_cast<float>(n));
  }
}

TEST(ShapeFile, ShorterFamilyOverwritesOnlyItsRows) {
  ui::headless::ScopedHeadless h;
  G = Globals{};
  ProgramFolder folder;
  folder.Write("C.DAT", std::string(ChannelRow) + "\n" + ChannelRow + "\n" + ChannelRow + "\n");
  folder.Write("W.DAT", std::string(IRow) + "\n");
  ASSERT_TRUE(LoadShapeFile(folder.Path("C.DAT")));
  ASSERT_TRUE(LoadShapeFile(folder.Path("W.DAT")));
  // Row 1 is now the I row, and its ChannelExtra is not the channel's left-over 14.8.
  ExpectIRow(G.ShapeTable[1]);
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, 2);
  ExpectChannelRow(G.ShapeTable[2]);
  ExpectChannelRow(G.ShapeTable[3]);
}

struct BadFile {
  const char* name;
  std::string text;  // nothing written when empty and `missing`
  bool missing;
  const char* reason;  // what the message says after the file name
};
void PrintTo(const BadFile& p, std::ostream* os) { *os << p.name; }

class ShapeFileFailures : public ::testing::TestWithParam<BadFile> {};

// A file that cannot be read whole leaves the family loaded before exactly as it was and
// says so once, naming the file.
TEST_P(ShapeFileFailures, KeepTheTableAndNameTheFile) {
  ui::headless::ScopedHeadless h;
  G = Globals{};
  ProgramFolder folder;
  folder.Write("C.DAT", std::string(ChannelRow) + "\n" + IRow + "\n");
  ASSERT_TRUE(LoadShapeFile(folder.Path("C.DAT")));
  auto before = std::make_unique<ShapeTableRows>(G.ShapeTable);

  const BadFile& bad = GetParam();
  if (!bad.missing) folder.Write("W.DAT", bad.text);
  EXPECT_FALSE(LoadShapeFile(folder.Path("W.DAT")));
  EXPECT_TRUE(G.ShapeTable == *before);
  ASSERT_EQ(h.platform.Messages.size(), 1u);
  EXPECT_EQ(h.platform.Messages[0], "The shape file \"" + folder.Path("W.DAT") + "\" " + bad.reason);
}

std::string WithValue(int index, const std::string& value) {
  // The I row with value `index` (from 1) replaced.
  std::string row = IRow;
  size_t start = 0;
  for (int i = 1; i < index; ++i) start = row.find(',', start) + 1;
  const size_t end = row.find(',', start);
  return row.replace(start, end - start, value);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ShapeFileFailures,
    ::testing::Values(
        BadFile{"Missing", "", true, "could not be opened. No shapes were loaded."},
        BadFile{"Empty", "", false, "is empty. No shapes were loaded."},
        BadFile{"OnlyLineEnds", "\n\r\n  \n", false, "is empty. No shapes were loaded."},
        BadFile{"BadNumber", std::string(IRow) + "\n" + WithValue(3, "3O7") + "\n", false,
                "could not be read: row 2, value 3 (\"3O7\") is not a number. No shapes were loaded."},
        BadFile{"EmptyNumber", WithValue(20, "") + "\n", false,
                "could not be read: row 1, value 20 (\"\") is not a number. No shapes were loaded."},
        BadFile{"BadCode", WithValue(2, "1.5") + "\n", false,
                "could not be read: row 1, value 2 (\"1.5\") is not a whole number from -32768 to 32767. No shapes "
                "were loaded."},
        BadFile{"SizeBeyond16Bits", WithValue(13, "40000") + "\n", false,
                "could not be read: row 1, value 13 (\"40000\") is not a whole number from -32768 to 32767. No "
                "shapes were loaded."},
        BadFile{"SingleOverflow", WithValue(16, "1E39") + "\n", false,
                "could not be read: row 1, value 16 (\"1E39\") is not a number. No shapes were loaded."},
        // 305 x (1E+30)^3 / 12: no single holds the second moment of its box.
        BadFile{"SizesTooLargeToCalculate", std::string(IRow) + "\n" + WithValue(3, "1E+30") + "\n", false,
                "could not be read: row 2 has sizes too large to calculate. No shapes were loaded."},
        BadFile{"TruncatedRow", std::string(IRow) + "\n" + std::string(IRow).substr(0, std::string(IRow).rfind(',')),
                false, "could not be read: it ends inside row 2. No shapes were loaded."},
        BadFile{"ChannelMissingItsExtra", std::string(ChannelRow).substr(0, std::string(ChannelRow).rfind(',')), false,
                "could not be read: it ends inside row 1. No shapes were loaded."},
        BadFile{"TooManyRows", NumberedFile(501), false,
                "could not be read: it holds more than 500 rows. No shapes were loaded."},
        BadFile{"UnclosedQuote", "\"W310X97" + std::string(IRow).substr(7), false,
                "could not be read: row 1, value 1: the closing double quote is missing. No shapes were loaded."},
        BadFile{"TextAfterQuote", "\"W310X97\"x" + std::string(IRow).substr(7), false,
                "could not be read: row 1, value 1: text follows the closing double quote. No shapes were loaded."},
        BadFile{"TextAfterTheLastRow", std::string(IRow) + "\nEND\n", false,
                "could not be read: it ends inside row 2. No shapes were loaded."}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return info.param.name; });

}  // namespace
}  // namespace model
