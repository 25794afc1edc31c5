// The document text on its own: a hand-written file read field by field and written back
// byte for byte, exact round trips, the older layout, encodings and refused files.

#include "editor/document_codec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "model/record_fields.h"

namespace editor {
namespace {

using model::ElementRecord;

std::string Golden() {
  std::ifstream in(QUORVANE_TEST_DIR "editor/data/golden.qvn", std::ios::binary);
  EXPECT_TRUE(in.good());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

// The two elements of the golden file, as typed into it.
ElementRecord GoldenShape() {
  ElementRecord e;
  e.NameSI = "W410X149";
  e.ShapeType = 1;
  e.Depth = 432;
  e.Width = 264;
  e.FlangeThickness = 25;
  e.WebThickness = 14.9f;
  e.Ratio1 = 5.29f;
  e.Ratio2 = 0.189036f;
  e.FilletDepthK = 47.6f;
  e.FilletWidthK1 = 28.6f;
  e.NominalSizeSI = 410;
  e.MassSI = 149;
  e.ElemArea = 19000;
  e.ElemIx = 6.2e8f;
  e.ElemSx = 2870000;
  e.ElemRx = 180;
  e.ElemZx = 3240000;
  e.ElemIy = 7.7e7f;
  e.ElemSy = 585000;
  e.ElemRy = 63.8f;
  e.ElemZy = 9e5f;
  e.ElemJ = 3220000;
  e.ElemCw = 3.2e12f;
  e.Spare1 = 465.855f;
  e.NameImp = "W16X100";
  e.NominalSizeImp = 16;
  e.MassImp = 100;
  e.CentroidX = 132;
  e.CentroidY = 216;
  e.PosX = 100;
  e.PosY = 200;
  e.MirrorSign = 1;
  e.Selected = model::False;
  return e;
}

ElementRecord GoldenPlate() {
  ElementRecord e;
  e.NameSI = "PL 300x 20";
  e.ShapeType = 50;
  e.Depth = 20;
  e.Width = 300;
  e.FlangeThickness = 20;
  e.WebThickness = 300;
  e.InnerRadius = 5.7735f;
  e.OuterRadius = 86.6025f;
  e.Ratio1 = 15;
  e.Ratio2 = 0.0666667f;
  e.NominalSizeSI = 20;
  e.MassSI = 47.1f;
  e.ElemArea = 6000;
  e.ElemIx = 200000;
  e.ElemSx = 20000;
  e.ElemRx = 5.7735f;
  e.ElemZx = 30000;
  e.ElemIy = 4.5e7f;
  e.ElemSy = 300000;
  e.ElemRy = 86.6025f;
  e.ElemZy = 450000;
  e.ElemJ = 77000;
  e.NameImp = "PL 11.81102x .7874016";
  e.NominalSizeImp = 1;
  e.MassImp = 31.7385f;
  e.CentroidX = 150;
  e.CentroidY = 10;
  e.PosX = 100;
  e.PosY = 632;
  e.Angle = 1.570796325;
  e.MirrorSign = -1;
  e.Selected = model::True;
  return e;
}

TEST(DocumentCodec, TheGoldenFileReadsFieldByField) {
  const std::optional<DocumentData> d = ReadDocument(Golden());
  ASSERT_TRUE(d.has_value());
  EXPECT_TRUE(d->Marked);
  EXPECT_EQ(d->UnitStatus, model::True);
  EXPECT_EQ(d->ZoomScale, 1.0f);
  EXPECT_EQ(d->RotAxis, model::False);
  EXPECT_EQ(d->InitialScaleWidth, 1200.0f);
  EXPECT_EQ(d->InitialScaleHeight, -1000);
  EXPECT_EQ(d->ScaleWidth, 600.0f);
  EXPECT_EQ(d->ScaleHeight, -500.0f);
  EXPECT_EQ(d->ScaleLeft, 25.0f);
  EXPECT_EQ(d->ScaleTop, 750.0f);
  ASSERT_EQ(d->Elements.size(), 2u);
  EXPECT_EQ(d->Elements[0], GoldenShape());
  EXPECT_EQ(d->Elements[1], GoldenPlate());
  // The names keep their trailing blanks: all 25 characters.
  EXPECT_EQ(d->Elements[0].NameSI.str(), "W410X149                 ");
  EXPECT_EQ(d->ProjectName, "Warehouse, bay 3");
  EXPECT_EQ(d->ProjectNumber, "2026-117");
  EXPECT_EQ(d->ObjectDescription, "Crane girder 6\" cap");
  EXPECT_EQ(d->ProjectEngineer, "A. M\xC3\xBCller");
}

TEST(DocumentCodec, TheGoldenFileIsWrittenBackByteForByte) {
  const std::string golden = Golden();
  const std::optional<DocumentData> d = ReadDocument(golden);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(WriteDocument(*d), golden);

  // And from the values typed in, not only from what was read.
  DocumentData typed;
  typed.UnitStatus = model::True;
  typed.ZoomScale = 1;
  typed.RotAxis = model::False;
  typed.InitialScaleWidth = 1200;
  typed.InitialScaleHeight = -1000;
  typed.ScaleWidth = 600;
  typed.ScaleHeight = -500;
  typed.ScaleLeft = 25;
  typed.ScaleTop = 750;
  typed.Elements = {GoldenShape(), GoldenPlate()};
  typed.ProjectName = "Warehouse, bay 3";
  typed.ProjectNumber = "2026-117";
  typed.ObjectDescription = "Crane girder 6\" cap";
  typed.ProjectEngineer = "A. M\xC3\xBCller";
  EXPECT_EQ(WriteDocument(typed), golden);
}

// Every one of the 42 fields set to a value that a loose number text would spoil.
ElementRecord Awkward() {
  ElementRecord e;
  e.NameSI = "He said \"x\", then  ";
  e.ShapeType = std::numeric_limits<int16_t>::min();
  // The first four are the sizes, which stay within what an element window gives.
  const float floats[] = {0.1f,
                          1.0f / 3,
                          std::numeric_limits<float>::denorm_min(),
                          std::numeric_limits<float>::min(),
                          std::numeric_limits<float>::max(),
                          -2.5e-7f,
                          16777217.0f,
                          123456.789f,
                          -0.0f,
                          7.0f / 9,
                          1e38f,
                          3.14159265f,
                          -1e-30f,
                          99999.99f,
                          0.5f,
                          2.0f / 3,
                          1e-5f,
                          -123.456f,
                          4.2949673e9f,
                          6.02214e23f,
                          1.17549435e-38f * 3,
                          25.4f,
                          1.0f / 7,
                          -8388607.5f,
                          0.3f,
                          11.11f,
                          5e-40f,
                          2.7182817f,
                          -1.0f / 3,
                          1.4e-45f * 7};
  size_t next = 0;
  auto set = [&](float& v) { v = floats[next++]; };
  for (float* v : {&e.Depth,  &e.Width,  &e.FlangeThickness, &e.WebThickness,  &e.InnerRadius, &e.OuterRadius,
                   &e.Ratio1, &e.Ratio2, &e.FilletDepthK,    &e.FilletWidthK1, &e.MassSI,      &e.ElemArea,
                   &e.ElemIx, &e.ElemSx, &e.ElemRx,          &e.ElemZx,        &e.ElemIy,      &e.ElemSy,
                   &e.ElemRy, &e.ElemZy, &e.ElemJ,           &e.ElemCw,        &e.Spare1,      &e.Spare2,
                   &e.Spare3, &e.Spare4, &e.ShapeExtra,      &e.MassImp,       &e.CentroidX,   &e.CentroidY})
    set(*v);
  e.NominalSizeSI = std::numeric_limits<int16_t>::max();
  e.NameImp = "1234567890123456789012345";
  e.NominalSizeImp = -7;
  e.ShapeCount = 3;
  e.PosX = std::numeric_limits<int32_t>::min();
  e.PosY = std::numeric_limits<int32_t>::max();
  e.Angle = 3.14159265 * 2 / 3;
  e.MirrorSign = -1;
  e.Selected = model::True;
  e.ChannelExtra = 0.1f + 0.2f;
  return e;
}

// Equal bit for bit, field by field (so -0 and +0 differ).
void ExpectSameBits(const ElementRecord& a, const ElementRecord& b) {
  std::vector<std::string> bitsA, bitsB;
  auto collect = [](std::vector<std::string>& out) {
    return [&out](int, const auto& field) {
      using T = std::decay_t<decltype(field)>;
      if constexpr (std::is_same_v<T, model::String25>)
        out.push_back(field.str());
      else if constexpr (std::is_same_v<T, float>)
        out.push_back(std::to_string(std::bit_cast<uint32_t>(field)));
      else if constexpr (std::is_same_v<T, double>)
        out.push_back(std::to_string(std::bit_cast<uint64_t>(field)));
      else
        out.push_back(std::to_string(field));
    };
  };
  model::VisitFields(a, collect(bitsA));
  model::VisitFields(b, collect(bitsB));
  ASSERT_EQ(bitsA.size(), 42u);
  for (size_t i = 0; i < bitsA.size(); ++i) EXPECT_EQ(bitsA[i], bitsB[i]) << "field " << i + 1;
}

TEST(DocumentCodec, ReadingWhatWasWrittenGivesEveryFieldBack) {
  DocumentData d;
  d.UnitStatus = model::False;
  d.ZoomScale = 0.125f;
  d.RotAxis = model::True;
  d.InitialScaleWidth = 1234.5677f;
  d.InitialScaleHeight = -987;
  d.ScaleWidth = 2400;
  d.ScaleHeight = -2000;
  d.ScaleLeft = -600;
  d.ScaleTop = 1500;
  ElementRecord zero;  // every field 0, the names blank
  d.Elements = {Awkward(), zero, GoldenPlate()};
  d.ProjectName = "a,b";
  d.ProjectNumber = "";
  d.ObjectDescription = "\"quoted\" and \"\"twice\"\"";
  d.ProjectEngineer = "  blanks kept  ";
  const std::optional<DocumentData> back = ReadDocument(WriteDocument(d));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, d);
  ASSERT_EQ(back->Elements.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    ExpectSameBits(back->Elements[i], d.Elements[i]);
  }
}

TEST(DocumentCodec, AnEmptySectionIsTheHeaderACountOfZeroAndTheStrings) {
  DocumentData d;
  d.InitialScaleWidth = 1200;
  d.InitialScaleHeight = -1000;
  const std::string text = WriteDocument(d);
  EXPECT_EQ(text,
            "\"V2\"\r\n#TRUE#\r\n1\r\n#TRUE#\r\n1200\r\n-1000\r\n1200\r\n-1000\r\n0\r\n1000\r\n0\r\n"
            "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
  EXPECT_EQ(ReadDocument(text), d);
}

TEST(DocumentCodec, TheOlderLayoutHasNoMarkerAndNoProjectStrings) {
  std::vector<std::string> lines = Lines(Golden());
  lines.erase(lines.begin());
  lines.resize(lines.size() - 4);
  const std::optional<DocumentData> d = ReadDocument(Join(lines));
  ASSERT_TRUE(d.has_value());
  EXPECT_FALSE(d->Marked);
  ASSERT_EQ(d->Elements.size(), 2u);
  EXPECT_EQ(d->Elements[1], GoldenPlate());
  EXPECT_EQ(d->ProjectName, "");
  EXPECT_EQ(d->ProjectEngineer, "");
  // Written again, it is in the marked layout.
  EXPECT_EQ(Lines(WriteDocument(*d)).front(), "\"V2\"");
  // A marker in other letters is no marker: the file is then the older layout, and its
  // first value is no Boolean.
  lines = Lines(Golden());
  lines.front() = "\"v2\"";
  EXPECT_FALSE(ReadDocument(Join(lines)).has_value());
}

TEST(DocumentCodec, ViewValuesComeBackWhole) {
  struct Case {
    size_t line;  // 6 ScaleWidth, 7 ScaleHeight
    const char* text;
    float whole;
  };
  // To the nearest whole number, a half to the even neighbour.
  const Case cases[] = {
      {6, "600.4", 600}, {6, "600.5", 600}, {6, "601.5", 602}, {7, "-500.5", -500}, {6, "7.5e2", 750}};
  for (const Case& c : cases) {
    std::vector<std::string> lines = Lines(Golden());
    lines[c.line] = c.text;
    const std::optional<DocumentData> d = ReadDocument(Join(lines));
    ASSERT_TRUE(d.has_value()) << c.text;
    EXPECT_EQ(c.line == 6 ? d->ScaleWidth : d->ScaleHeight, c.whole) << c.text;
  }
}

TEST(DocumentCodec, ValuesMaySitOnOneLineSeparatedByCommas) {
  std::vector<std::string> lines = Lines(Golden());
  std::string oneLine;
  for (size_t i = 0; i < lines.size(); ++i) oneLine += (i ? " , " : "") + lines[i];
  const std::optional<DocumentData> d = ReadDocument(oneLine);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(*d, *ReadDocument(Golden()));
}

TEST(DocumentCodec, LineBreaksAreLeftOutOfTextValues) {
  DocumentData d;
  d.ProjectName = "two\r\nlines";
  d.ProjectEngineer = "cr\ronly";
  const std::vector<std::string> lines = Lines(WriteDocument(d));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[11], "\"twolines\"");
  EXPECT_EQ(lines[14], "\"cronly\"");
}

TEST(DocumentCodec, AFileThatIsNotUtf8IsReadAsWindows1252) {
  std::string text = Golden();
  const size_t at = text.find("M\xC3\xBCller");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 7, "M\xFCller \x80\x96");  // u-umlaut, euro sign, en dash
  const std::optional<DocumentData> d = ReadDocument(text);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->ProjectEngineer, "A. M\xC3\xBCller \xE2\x82\xAC\xE2\x80\x93");
  // A byte-order mark in front changes nothing.
  EXPECT_EQ(ReadDocument("\xEF\xBB\xBF" + Golden()), ReadDocument(Golden()));
}

TEST(DocumentCodec, DamagedFilesAreRefused) {
  struct Case {
    const char* what;
    size_t line;  // 0-based line of the golden file to replace
    const char* text;
  };
  const Case cases[] = {
      {"count 51", 10, "51"},
      {"count -1", 10, "-1"},
      {"count in letters", 10, "two"},
      {"abc in an integer", 12, "abc"},
      {"70000 in a 16-bit field", 23, "70000"},
      {"-32769 in a 16-bit field", 12, "-32769"},
      {"a 32-bit field past its range", 47, "2147483648"},
      {"scale width 0", 6, "0"},
      {"scale height 0", 7, "0"},
      {"scale height that rounds to 0", 7, "-0.4"},
      // The view as the program works in it: y up, so a width above 0 and a height below 0.
      {"a negative scale width", 6, "-1200"},
      {"a positive scale height", 7, "1000"},
      {"zoom scale 0", 2, "0"},
      {"a negative zoom scale", 2, "-1"},
      {"a view past the 32-bit range", 8, "3e9"},
      {"a single past its range", 13, "1e39"},
      {"infinity", 14, "inf"},
      {"not a number", 2, "nan"},
      {"an empty number", 15, ""},
      {"a number with text after it", 16, "25 mm"},
      // One sign at most, in every kind of field.
      {"two signs in a single", 13, "+-432"},
      {"two signs in a 16-bit field", 12, "+-1"},
      {"two signs in a double", 49, "+-0"},
      {"two signs in a Boolean", 51, "+-1"},
      {"two signs in the view", 8, "-+25"},
      {"a Boolean that is a word", 1, "#MAYBE#"},
      {"an unclosed quote", 95, "\"Warehouse, bay 3"},
      {"text after a closing quote", 96, "\"2026\"-117"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = Lines(Golden());
    lines.at(c.line) = c.text;
    EXPECT_FALSE(ReadDocument(Join(lines)).has_value()) << c.what;
  }
  // Early ends: nothing, the marker alone, inside the header, inside an element, before
  // the project strings, before the last string.
  const std::vector<std::string> golden = Lines(Golden());
  for (size_t keep : {size_t{0}, size_t{1}, size_t{6}, size_t{60}, size_t{95}, size_t{98}}) {
    std::vector<std::string> lines(golden.begin(), golden.begin() + static_cast<long>(keep));
    EXPECT_FALSE(ReadDocument(Join(lines)).has_value()) << "cut after " << keep << " lines";
  }
  EXPECT_FALSE(ReadDocument("").has_value());
}

// The golden file with line `line` (from 0) replaced by `text`: refused, or read, written
// and read back equal.
void ExpectRefusedOrReadBackEqual(const char* what, size_t line, const char* text, bool refused) {
  std::vector<std::string> lines = Lines(Golden());
  lines.at(line) = text;
  const std::optional<DocumentData> first = ReadDocument(Join(lines));
  EXPECT_EQ(!first.has_value(), refused) << what;
  if (!first) return;
  const std::optional<DocumentData> again = ReadDocument(WriteDocument(*first));
  ASSERT_TRUE(again.has_value()) << what;
  EXPECT_EQ(*again, *first) << what;
}

// Every value a file holds either is refused or fits its field so that it writes back
// exactly: what opens saves as a file that opens again, equal.
TEST(DocumentCodec, ValuesAtTheEndsOfTheirFieldsAreRefusedOrComeBackEqual) {
  struct Case {
    const char* what;
    size_t line;  // 0-based line of the golden file to replace
    const char* text;
    bool refused;
  };
  const Case cases[] = {
      // The view is held as a single: 2147483583 rounds down to 2147483520, the next whole
      // number is the halfway point to 2^31 and goes up to it, beyond the 32-bit range.
      {"view left 2147483583", 8, "2147483583", false},
      {"view left 2147483584", 8, "2147483584", true},
      {"view top 2147483647", 9, "2147483647", true},
      {"view width 2147483600", 6, "2147483600", true},
      {"view height -2147483648", 7, "-2147483648", false},
      {"view left -2147483648", 8, "-2147483648", false},
      {"zoom scale 3.4e38", 2, "3.4e38", false},
      {"the smallest zoom scale", 2, "1E-45", false},
      {"zoom scale 1e-50: too small to hold, 0", 2, "1e-50", true},
      {"a 32-bit field at its top", 47, "2147483647", false},
      {"a 32-bit field at its bottom", 48, "-2147483648", false},
      {"a 32-bit field at 2147483583", 47, "2147483583", false},
      {"the initial height at its top", 5, "2147483647", false},
      {"3.4e38 in a single", 35, "3.4e38", false},
      {"3.5e38 in a single", 35, "3.5e38", true},
      {"1e-50 in a single: too small to hold, 0", 35, "1e-50", false},
      {"32767 in a 16-bit field", 23, "32767", false},
      {"-32768 in a 16-bit field", 23, "-32768", false},
      {"32767.5 in a 16-bit field", 23, "32767.5", true},
      {"-32768.5 in a 16-bit field", 23, "-32768.5", false},  // half to even: -32768
  };
  for (const Case& c : cases) ExpectRefusedOrReadBackEqual(c.what, c.line, c.text, c.refused);
}

// Only an element the program cannot hold is damage: a plate 1e38 deep would open with its
// Ix and moduli overflowed to 0. Sizes an earlier build's Paste or shape rows could give
// (no depth, a negative web, a plate beyond a 16-bit nominal size) open as they are.
TEST(DocumentCodec, OnlyElementsTheProgramCannotHoldAreRefused) {
  struct Case {
    const char* what;
    size_t line;
    const char* text;
    bool refused;
  };
  // The golden file's shape is element 1 (lines 11 to 52), its 300 x 20 plate element 2.
  const Case cases[] = {
      {"a plate 1e38 deep", 55, "1e38", true},
      {"a plate 32767 deep", 55, "32767", false},
      {"a plate 32768 deep", 55, "32768", false},  // its nominal size is its own value
      {"a plate 1e7 wide", 56, "1e7", false},      // 1e7^3 x 20 / 12 fits a single
      {"a plate 1e13 wide", 56, "1e13", true},     // its Iy does not
      {"a plate -20 deep", 55, "-20", false},
      {"a plate 0 wide", 56, "0", false},
      {"a shape 32767 deep", 13, "32767", false},
      {"a shape 1e38 deep", 13, "1e38", true},
      {"a shape with a 1e6 flange", 15, "1e6", false},  // 264 x 1e18 / 12 for the box
      {"a shape with a negative web", 16, "-14.9", false},
      {"a shape with a fillet 1e38 from its flange face", 21, "1e38", true},
  };
  for (const Case& c : cases) ExpectRefusedOrReadBackEqual(c.what, c.line, c.text, c.refused);
  // The plate read as a bar: 40000 across has no 16-bit nominal size but its moments fit;
  // at 1e10 across, 1e40 / 12 for its box does not.
  std::vector<std::string> lines = Lines(Golden());
  lines.at(54) = "51";
  lines.at(55) = "40000";
  EXPECT_TRUE(ReadDocument(Join(lines)).has_value());
  lines.at(55) = "1e10";
  EXPECT_FALSE(ReadDocument(Join(lines)).has_value());
  // A 20 mm bar: its circle lies at half its Width. A width of 0 keeps the 20 x 20 box of a
  // bar the bar window builds; at 1e30 the circle lies 5e29 away and its Iy overflows.
  lines.at(55) = "20";
  lines.at(56) = "0";
  EXPECT_TRUE(ReadDocument(Join(lines)).has_value());
  lines.at(56) = "1e30";
  EXPECT_FALSE(ReadDocument(Join(lines)).has_value());
}

TEST(DocumentCodec, NumbersAreWrittenShortestInDecimalNotation) {
  DocumentData d;
  d.ZoomScale = 0.1f;              // the single 0.1, not the double's 0.100000001490116
  d.InitialScaleWidth = 1.0f / 3;  // seven or eight digits, whatever reads back exactly
  ElementRecord e;
  e.Angle = 0.1;
  e.ElemIx = 1e10f;
  e.ElemIy = 8000000;  // Iy of a 200 x 12 plate: 12 x 200^3 / 12
  e.ElemCw = 2.5e15f;  // beyond a quadrillion: exponent form
  e.Ratio2 = 0.00002f;
  e.PosX = -2000000;
  d.Elements = {e};
  const std::vector<std::string> lines = Lines(WriteDocument(d));
  EXPECT_EQ(lines[2], "0.1");
  EXPECT_EQ(lines[4], "0.33333334");
  EXPECT_EQ(lines[11 + 15], "10000000000");
  EXPECT_EQ(lines[11 + 19], "8000000");
  EXPECT_EQ(lines[11 + 24], "2.5E+15");
  EXPECT_EQ(lines[11 + 9], "0.00002");
  EXPECT_EQ(lines[11 + 36], "-2000000");
  EXPECT_EQ(lines[11 + 38], "0.1");
  // And each reads back exactly.
  const std::optional<DocumentData> back = ReadDocument(WriteDocument(d));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Elements, d.Elements);
}

// Files written before kept their numbers in the short exponent form ("6.2e+08"); they
// read as before, as does the upper-case form and a number without the 0 before its point.
TEST(DocumentCodec, NumbersInExponentFormStillRead) {
  const struct {
    size_t line;  // of the golden file, counted from 0: the W410X149's Ix and Ratio2
    const char* text;
  } cases[] = {{26, "6.2e+08"}, {26, "6.2E+08"},     {26, "6.2E8"},     {26, "620000000.0"},
               {20, ".189036"}, {20, "1.89036e-01"}, {20, "1.89036E-1"}};
  const std::optional<DocumentData> golden = ReadDocument(Golden());
  ASSERT_TRUE(golden.has_value());
  for (const auto& c : cases) {
    std::vector<std::string> lines = Lines(Golden());
    lines.at(c.line) = c.text;
    const std::optional<DocumentData> d = ReadDocument(Join(lines));
    ASSERT_TRUE(d.has_value()) << c.text;
    EXPECT_EQ(*d, *golden) << c.text;
  }
}

}  // namespace
}  // namespace editor
