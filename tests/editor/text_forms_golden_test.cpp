// Second golden texts of the document file and the clipboard, written by hand from the
// layouts (not from the program's output): a plate and a W shape, the marked layout and
// the older one, and the clipboard text of one plate. Each value's place is counted by
// hand, so a field out of order or in the wrong text form shows here even where the
// other fixture and the code agree.

#include <gtest/gtest.h>

#include <string>

#include "editor/clip_text.h"
#include "editor/document_codec.h"

namespace editor {
namespace {

using model::ElementRecord;

// The flange plate of a tee: 200 wide, 20 deep, resting on the web at y = 200.
ElementRecord Plate() {
  ElementRecord e;
  e.NameSI = "PL 200 x 20";
  e.ShapeType = 50;
  e.Depth = 20;
  e.Width = 200;
  e.MassSI = 31.4f;
  e.ElemArea = 4000;
  e.ElemIx = 400000.0f / 3;  // 200 * 20^3 / 12
  e.ElemSx = 40000.0f / 3;   // Ix / 10
  e.ElemZx = 20000;          // 200 * 20^2 / 4
  e.ElemIy = 13333333;       // 20 * 200^3 / 12, as a single
  e.ElemSy = 400000.0f / 3;  // Iy / 100
  e.ElemZy = 200000;         // 20 * 200^2 / 4
  e.ElemJ = 1600000.0f / 3;  // 200 * 20^3 / 3
  e.NameImp = "PL 7.87 x 0.79";
  e.CentroidX = 100;
  e.CentroidY = 10;
  e.PosX = 0;
  e.PosY = 200;
  e.MirrorSign = 1;
  e.Selected = model::False;
  return e;
}

ElementRecord WShape() {
  ElementRecord e;
  e.NameSI = "W310x39";
  e.ShapeType = 0;
  e.Depth = 310;
  e.Width = 165;
  e.FlangeThickness = 9.7f;
  e.WebThickness = 5.8f;
  e.InnerRadius = 8;
  e.FilletDepthK = 22.2f;
  e.NominalSizeSI = 310;
  e.MassSI = 38.7f;
  e.ElemArea = 4930;
  e.ElemIx = 84910000;
  e.ElemSx = 547000;
  e.ElemRx = 131.2f;
  e.ElemZx = 610000;
  e.ElemIy = 7270000;
  e.ElemSy = 88100;
  e.ElemRy = 38.4f;
  e.ElemZy = 137000;
  e.ElemJ = 190000;
  e.ElemCw = 1.62e11f;
  e.NameImp = "W12x26";
  e.NominalSizeImp = 12;
  e.MassImp = 26;
  e.CentroidX = 82.5f;
  e.CentroidY = 155;
  e.ShapeCount = 1;
  e.PosX = 17;
  e.PosY = -310;
  e.Angle = 3.14159265 / 2;
  e.MirrorSign = -1;
  e.Selected = model::True;
  return e;
}

// The 42 lines of the plate, one value each, in record order.
const char* const PlateLines =
    "\"PL 200 x 20              \"\r\n"                      // 1 NameSI, all 25 characters
    "50\r\n"                                                 // 2 ShapeType
    "20\r\n200\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"  // 3-12 dimensions
    "0\r\n"                                                  // 13 NominalSizeSI
    "31.4\r\n"                                               // 14 MassSI
    "4000\r\n133333.33\r\n13333.333\r\n0\r\n20000\r\n"       // 15-19 A Ix Sx rx Zx
    "13333333\r\n133333.33\r\n0\r\n200000\r\n"               // 20-23 Iy Sy ry Zy; plain, shortest
    "533333.3\r\n0\r\n"                                      // 24-25 J Cw
    "0\r\n0\r\n0\r\n0\r\n"                                   // 26-29 spares
    "0\r\n"                                                  // 30 ShapeExtra
    "\"PL 7.87 x 0.79           \"\r\n"                      // 31 NameImp
    "0\r\n0\r\n"                                             // 32-33
    "100\r\n10\r\n"                                          // 34-35 centroid
    "0\r\n"                                                  // 36 ShapeCount
    "0\r\n200\r\n"                                           // 37-38 position
    "0\r\n"                                                  // 39 Angle
    "1\r\n"                                                  // 40 MirrorSign
    "#FALSE#\r\n"                                            // 41 Selected
    "0\r\n";                                                 // 42 ChannelExtra

const char* const WLines =
    "\"W310x39                  \"\r\n"
    "0\r\n"
    "310\r\n165\r\n9.7\r\n5.8\r\n8\r\n0\r\n0\r\n0\r\n22.2\r\n0\r\n"
    "310\r\n"
    "38.7\r\n"
    "4930\r\n84910000\r\n547000\r\n131.2\r\n610000\r\n"
    "7270000\r\n88100\r\n38.4\r\n137000\r\n"
    "190000\r\n162000000000\r\n"
    "0\r\n0\r\n0\r\n0\r\n"
    "0\r\n"
    "\"W12x26                   \"\r\n"
    "12\r\n26\r\n"
    "82.5\r\n155\r\n"
    "1\r\n"
    "17\r\n-310\r\n"
    "1.570796325\r\n"
    "-1\r\n"
    "#TRUE#\r\n"
    "0\r\n";

const char* const Header =
    "#FALSE#\r\n"                       // UnitStatus: inches
    "1.5\r\n"                           // ZoomScale
    "#FALSE#\r\n"                       // RotAxis: principal axes
    "1200\r\n"                          // InitialScaleWidth
    "-1000\r\n"                         // InitialScaleHeight
    "1500\r\n-1250\r\n-20\r\n1100\r\n"  // view width, height, left, top
    "2\r\n";                            // ElementCount

std::string MarkedText() {
  return std::string("\"V2\"\r\n") + Header + PlateLines + WLines +
         "\"Bridge, north\"\r\n"
         "\"Q-17\"\r\n"
         "\"Girder \"\"G2\"\"\"\r\n"
         "\"\"\r\n";
}

DocumentData Expected() {
  DocumentData d;
  d.UnitStatus = model::False;
  d.ZoomScale = 1.5f;
  d.RotAxis = model::False;
  d.InitialScaleWidth = 1200;
  d.InitialScaleHeight = -1000;
  d.ScaleWidth = 1500;
  d.ScaleHeight = -1250;
  d.ScaleLeft = -20;
  d.ScaleTop = 1100;
  d.Elements = {Plate(), WShape()};
  d.ProjectName = "Bridge, north";
  d.ProjectNumber = "Q-17";
  d.ObjectDescription = "Girder \"G2\"";
  d.ProjectEngineer = "";
  return d;
}

TEST(TextFormsGolden, MarkedLayoutIsWrittenValueByValue) { EXPECT_EQ(WriteDocument(Expected()), MarkedText()); }

TEST(TextFormsGolden, MarkedLayoutReadsIntoEveryField) {
  auto read = ReadDocument(MarkedText());
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(read->Marked);
  EXPECT_EQ(*read, Expected());
}

TEST(TextFormsGolden, OlderLayoutHasNoMarkerAndNoProjectStrings) {
  const std::string old = std::string(Header) + PlateLines + WLines;
  auto read = ReadDocument(old);
  ASSERT_TRUE(read.has_value());
  EXPECT_FALSE(read->Marked);
  DocumentData want = Expected();
  want.Marked = false;
  want.ProjectName = want.ProjectNumber = want.ObjectDescription = want.ProjectEngineer = "";
  EXPECT_EQ(*read, want);
  // Saved again, it takes the marked layout with four empty strings.
  EXPECT_EQ(WriteDocument(*read),
            std::string("\"V2\"\r\n") + Header + PlateLines + WLines + "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
}

TEST(TextFormsGolden, OnlyTheExactMarkerMakesTheMarkedLayout) {
  // In lower case it is no marker: the file is then read as the older layout, whose first
  // value must be a Boolean, so it is refused.
  std::string lower = MarkedText();
  lower.replace(0, 4, "\"v2\"");
  EXPECT_FALSE(ReadDocument(lower).has_value());
  // Without its quotes the marker is still the text V2.
  std::string bare = MarkedText();
  bare.replace(0, 4, "V2");
  ASSERT_TRUE(ReadDocument(bare).has_value());
  EXPECT_EQ(*ReadDocument(bare), Expected());
}

TEST(TextFormsGolden, LineFeedsAloneEndLinesToo) {
  std::string text = MarkedText();
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  ASSERT_TRUE(ReadDocument(text).has_value());
  EXPECT_EQ(*ReadDocument(text), Expected());
}

TEST(TextFormsGolden, ViewFractionsAreLostOnReading) {
  std::string text = MarkedText();
  // The view width 1500.25 and left -20.75 come back as whole numbers.
  text.replace(text.find("1500\r\n"), 6, "1500.25\r\n");
  text.replace(text.find("-20\r\n"), 5, "-20.75\r\n");
  auto read = ReadDocument(text);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->ScaleWidth, 1500);
  EXPECT_EQ(read->ScaleLeft, -21);
}

TEST(TextFormsGolden, ClipboardTextOfOnePlate) {
  ElementRecord elements[3];
  elements[1] = Plate();
  elements[1].Selected = model::True;
  elements[2] = WShape();
  elements[2].Selected = model::False;
  const std::string want =
      "Shape::,"
      "PL 200 x 20              ,"            // 1
      " 50,"                                  // 2
      " 20, 200, 0, 0, 0, 0, 0, 0, 0, 0,"     // 3-12
      " 0,"                                   // 13
      " 31.4,"                                // 14
      " 4000, 133333.3, 13333.33, 0, 20000,"  // 15-19
      " 1.333333E+07, 133333.3, 0, 200000,"   // 20-23
      " 533333.3, 0,"                         // 24-25
      " 0, 0, 0, 0,"                          // 26-29
      " 0,"                                   // 30
      "PL 7.87 x 0.79           ,"            // 31
      " 0, 0,"                                // 32-33
      " 100, 10,"                             // 34-35
      " 0,"                                   // 36
      " 0, 200,"                              // 37-38
      " 0,"                                   // 39
      " 1,"                                   // 40
      "True,"                                 // 41
      " 0"                                    // 42
      "#";
  EXPECT_EQ(WriteClipText(elements, 2), want);

  // Read back: the same record, 10 mm up and to the right, selected.
  ClipReading back = ReadClipText(want);
  ASSERT_EQ(back.Elements.size(), 1u);
  EXPECT_TRUE(back.Refused.empty());
  ElementRecord moved = Plate();
  moved.PosX = 10;
  moved.PosY = 210;
  moved.Selected = model::True;
  // Written with 7 digits, the element's own Ix and Sx come back as the 7-digit values.
  moved.ElemIx = 133333.3f;
  moved.ElemSx = 13333.33f;
  moved.ElemSy = 133333.3f;
  EXPECT_EQ(back.Elements[0].NameSI, moved.NameSI);
  EXPECT_EQ(back.Elements[0].NameImp, moved.NameImp);
  EXPECT_EQ(back.Elements[0].PosX, 10);
  EXPECT_EQ(back.Elements[0].PosY, 210);
  EXPECT_EQ(back.Elements[0].ElemIx, moved.ElemIx);
  EXPECT_EQ(back.Elements[0].ElemIy, 13333330.0f);
  EXPECT_EQ(back.Elements[0].MirrorSign, 1);
  EXPECT_EQ(back.Elements[0].Selected, model::True);
}

TEST(TextFormsGolden, ClipboardTextOfTwoElementsRunsTogether) {
  ElementRecord elements[3];
  elements[1] = Plate();
  elements[1].Selected = model::True;
  elements[2] = WShape();
  const std::string text = WriteClipText(elements, 2);
  // The plate's last value " 0" is followed directly by the next entry's prefix.
  EXPECT_NE(text.find(" 0Shape::,W310x39                  , 0, 310, 165, 9.7, 5.8, 8,"), std::string::npos);
  EXPECT_NE(text.find(", 1.62E+11,"), std::string::npos);
  EXPECT_NE(text.find(", 17,-310, 1.570796325,-1,True, 0#"), std::string::npos);
  EXPECT_EQ(text.back(), '#');
  ClipReading back = ReadClipText(text);
  ASSERT_EQ(back.Elements.size(), 2u);
  EXPECT_EQ(back.Elements[1].PosX, 27);
  EXPECT_EQ(back.Elements[1].PosY, -300);
  EXPECT_EQ(back.Elements[1].MirrorSign, -1);
  EXPECT_DOUBLE_EQ(back.Elements[1].Angle, 1.570796325);
}

}  // namespace
}  // namespace editor
