#include "editor/clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/clip_text.h"
#include "editor/undo.h"
#include "editor_fixture.h"
#include "model/properties.h"
#include "model/section_fixture.h"
#include "wide_bar_text.h"

namespace editor {
namespace {

using model::G;
using model::testing::Plate;
using testing::EditorTest;

// A 200 x 10 plate at (100, 50), its own values to the seven digits that the text keeps.
model::ElementRecord GoldenPlate() {
  model::ElementRecord e = Plate(200, 10, 100, 50);
  e.ElemIx = 16666.67f;
  e.ElemIy = 6666667;
  e.NameSI = "PL 200x 10";
  e.NameImp = "PL 7.874016x .3937008";
  e.MassSI = 15.7f;
  e.MassImp = 0.3516f;
  e.ElemSx = 3333.333f;
  e.ElemRx = 2.886751f;
  e.ElemZx = 5000;
  e.ElemSy = 66666.67f;
  e.ElemRy = 57.73503f;
  e.ElemZy = 100000;
  e.ElemJ = 66666.67f;
  e.Selected = model::True;
  return e;
}

// A W310X97 turned a quarter, mirrored, left of the origin.
model::ElementRecord GoldenWShape() {
  model::ElementRecord e;
  e.NameSI = "W310X97";
  e.ShapeType = 0;
  e.Depth = 308;
  e.Width = 305;
  e.FlangeThickness = 15.4f;
  e.WebThickness = 9.9f;
  e.InnerRadius = 15;
  e.NominalSizeSI = 310;
  e.MassSI = 97;
  e.ElemArea = 12300;
  e.ElemIx = 2.22e8f;
  e.ElemSx = 1440000;
  e.ElemRx = 134;
  e.ElemZx = 1590000;
  e.ElemIy = 7.27e7f;
  e.ElemJ = 912000;
  e.ElemCw = 1.6e12f;
  e.NameImp = "W12X65";
  e.NominalSizeImp = 12;
  e.MassImp = 65;
  e.CentroidX = 152.5f;
  e.CentroidY = 154;
  e.ShapeCount = 12;
  e.PosX = -250;
  e.PosY = 0;
  e.Angle = 1.570796325;
  e.MirrorSign = -1;
  e.Selected = model::True;
  e.ChannelExtra = -0.25f;
  return e;
}

// Written by hand from the text rules: names with all 25 characters, every number in the
// signed form, "True" for Selected, commas between the 42 values and none after the last.
const char* const PlateText =
    "Shape::,PL 200x 10               , 50, 10, 200, 10, 200, 0, 0, 0, 0, 0, 0, 0, 15.7, 2000, 16666.67,"
    " 3333.333, 2.886751, 5000, 6666667, 66666.67, 57.73503, 100000, 66666.67, 0, 0, 0, 0, 0, 0,"
    "PL 7.874016x .3937008    , 0, .3516, 100, 5, 0, 100, 50, 0, 1,True, 0";
const char* const WShapeText =
    "Shape::,W310X97                  , 0, 308, 305, 15.4, 9.9, 15, 0, 0, 0, 0, 0, 310, 97, 12300, 2.22E+08,"
    " 1440000, 134, 1590000, 7.27E+07, 0, 0, 0, 912000, 1.6E+12, 0, 0, 0, 0, 0,"
    "W12X65                   , 12, 65, 152.5, 154, 12,-250, 0, 1.570796325,-1,True,-.25";

TEST(ClipText, APlateAndAWShapeFieldByField) {
  model::ElementRecord elements[4];
  elements[1] = GoldenPlate();
  elements[2] = GoldenPlate();
  elements[2].Selected = model::False;  // not written
  elements[3] = GoldenWShape();
  EXPECT_EQ(WriteClipText(elements, 3), std::string(PlateText) + WShapeText + "#");
  // Nothing selected: the bare closing mark.
  elements[1].Selected = elements[3].Selected = model::False;
  EXPECT_EQ(WriteClipText(elements, 3), "#");
}

TEST(ClipText, ReadsBackWhatItWrote10mmUpAndRight) {
  const ClipReading r = ReadClipText(std::string(PlateText) + WShapeText + "#");
  ASSERT_EQ(r.Elements.size(), 2u);
  EXPECT_TRUE(r.Refused.empty());
  model::ElementRecord plate = GoldenPlate(), w = GoldenWShape();
  plate.PosX = 110;
  plate.PosY = 60;
  w.PosX = -240;
  w.PosY = 10;
  EXPECT_EQ(r.Elements[0], plate);
  EXPECT_EQ(r.Elements[1], w);
}

TEST(ClipText, ANameWithACommaOrAHashTravelsWhole) {
  model::ElementRecord elements[2];
  elements[1] = GoldenPlate();
  elements[1].NameSI = "PL 1,5 #2";
  const ClipReading r = ReadClipText(WriteClipText(elements, 1));
  ASSERT_EQ(r.Elements.size(), 1u);
  EXPECT_EQ(r.Elements[0].NameSI.str(), "PL 1,5 #2                ");
  EXPECT_FLOAT_EQ(r.Elements[0].Width, 200);
}

// The plate's text with one value (1 to 42) replaced.
std::string WithField(int n, const std::string& value) {
  std::string text = PlateText;
  size_t start = std::string("Shape::,").size();
  for (int i = 1; i < n; ++i) start = text.find(',', start) + 1;
  const size_t end = n < 42 ? text.find(',', start) : text.size();
  return text.replace(start, end - start, value);
}

TEST(ClipText, RefusesAnEntryWhoseValueDoesNotReadAsItsType) {
  struct Case {
    int field;
    const char* value;
    bool refused;
  };
  const Case cases[] = {
      {3, " abc", true},         {3, "", true},          {3, " 12x", true},
      {3, " inf", true},         {3, " NaN", true},      {3, " 1E+39", true},  // beyond the single range
      {14, " 1E+38", false},     {3, " .5", false},      {3, "-.5", false},
      {3, " 1E+38", true},  // a single, but no single holds the moments of a plate 200 wide and that deep
      {3, "+-5", true},          {2, "+-50", true},      {39, "-+1", true},  // one sign at most
      {39, " 1E+400", true},                                                 // beyond the double range
      {2, " 32767", false},      {2, " 32768", true},    {2, "-32769", true},
      {2, " 50.5", false},                                                          // half to even: 50
      {37, " 2147483647", true},                                                    // the 10 mm offset would wrap
      {37, " 999990", false},    {37, " 999991", true},                             // beyond a million millimetres
      {38, "-1000010", false},   {38, "-1000011", true}, {41, " nonsense", false},  // Selected is always True
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + ":" + c.value);
    const ClipReading r = ReadClipText(WithField(c.field, c.value) + WShapeText + "#");
    EXPECT_EQ(r.Refused, c.refused ? std::vector<int>{1} : std::vector<int>{});
    ASSERT_EQ(r.Elements.size(), c.refused ? 1u : 2u);
    EXPECT_EQ(r.Elements.back().NameSI.str(), "W310X97                  ");
  }
  EXPECT_EQ(ReadClipText(WithField(2, " 50.5") + "#").Elements[0].ShapeType, 50);
  EXPECT_EQ(ReadClipText(WithField(2, " 51.5") + "#").Elements[0].ShapeType, 52);
}

TEST(ClipText, ACutOffEntryIsDropped) {
  const std::string whole = std::string(PlateText) + WShapeText + "#";
  struct Case {
    size_t length;
    size_t read;
    std::vector<int> refused;
  };
  const size_t plate = std::string(PlateText).size();
  for (const Case& c : {Case{plate + 40, 1, {2}}, Case{plate + 8, 1, {2}}, Case{plate - 30, 0, {1}},
                        Case{whole.size() - 1, 2, {}}, Case{7, 0, {}}}) {
    SCOPED_TRACE(c.length);
    const ClipReading r = ReadClipText(whole.substr(0, c.length));
    EXPECT_EQ(r.Elements.size(), c.read);
    EXPECT_EQ(r.Refused, c.refused);
  }
}

class ClipboardTest : public EditorTest {
 protected:
  void ThreePlates() {
    for (int i = 1; i <= 3; ++i) G.Elements[i] = Plate(10.0f * i, 10, 100 * i, 200);
    G.ElementCount = 3;
    ResetUndoHistory();
  }
};

TEST_F(ClipboardTest, CopyThenPasteTwiceOffsetsFromTheCopiedPlace) {
  ThreePlates();
  G.Elements[2].Selected = model::True;
  sheet().Copy.Click();
  EXPECT_EQ(G.Elements[2].Selected, model::False);
  EXPECT_FALSE(button(10).Enabled);
  EXPECT_FALSE(button(11).Enabled);
  EXPECT_TRUE(button(12).Enabled);
  EXPECT_TRUE(sheet().Paste.Enabled);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_FALSE(sheet().Undo.Enabled);
  ASSERT_TRUE(platform().Clipboard.has_value());
  EXPECT_TRUE(platform().Clipboard->starts_with("Shape::,"));
  G.Elements[1].Selected = model::True;  // a selection made after the copy stays
  sheet().Paste.Click();
  sheet().Paste.Click();
  ASSERT_EQ(G.ElementCount, 5);
  for (int i : {4, 5}) {
    EXPECT_EQ(G.Elements[i].PosX, 210) << i;  // 200 + 10, both times
    EXPECT_EQ(G.Elements[i].PosY, 210) << i;
    EXPECT_FLOAT_EQ(G.Elements[i].Width, 20) << i;
    EXPECT_EQ(G.Elements[i].Selected, model::True) << i;
  }
  EXPECT_EQ(G.Elements[1].Selected, model::True);
  EXPECT_EQ(G.Elements[3].Selected, model::False);
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_EQ(sheet().Caption, "Quorvane -  (Modified)");
  EXPECT_FLOAT_EQ(G.SecArea, 100 + 200 + 300 + 2 * 200);
  sheet().Undo.Click();
  EXPECT_EQ(G.ElementCount, 4);
  EXPECT_TRUE(platform().Messages.empty());
}

TEST_F(ClipboardTest, CopyDuringARotationCopiesTheElementsAsTheyStand) {
  ThreePlates();
  G.Elements[2].Selected = model::True;
  // A rotation about a set pivot, its preview turning plate 2 by 0.5 rad for now.
  G.RotateMode = G.PivotSet = model::True;
  G.RotateStartAngle[2] = 0;
  G.Elements[2].Angle = 0.5;
  sheet().Copy.Click();
  EXPECT_EQ(G.RotateMode, model::False);
  EXPECT_EQ(G.Elements[2].Angle, 0);
  const ClipReading r = ReadClipText(*platform().Clipboard);
  ASSERT_EQ(r.Elements.size(), 1u);
  EXPECT_EQ(r.Elements[0].Angle, 0);
}

TEST_F(ClipboardTest, CuttingTheFirstOfThreeKeepsTheOtherTwoInOrder) {
  ThreePlates();
  const model::ElementRecord second = G.Elements[2], third = G.Elements[3];
  G.Elements[1].Selected = model::True;
  button(10).Enabled = button(11).Enabled = true;
  sheet().Cut.Click();
  EXPECT_EQ(G.ElementCount, 2);
  EXPECT_EQ(G.Elements[1], second);
  EXPECT_EQ(G.Elements[2], third);
  EXPECT_FLOAT_EQ(G.SecArea, 200 + 300);
  EXPECT_EQ(G.Modified, model::True);
  EXPECT_FALSE(button(10).Enabled);
  EXPECT_FALSE(button(11).Enabled);
  EXPECT_TRUE(button(12).Enabled);
  const ClipReading r = ReadClipText(*platform().Clipboard);
  ASSERT_EQ(r.Elements.size(), 1u);
  EXPECT_FLOAT_EQ(r.Elements[0].Width, 10);
}

TEST_F(ClipboardTest, CutAllThenUndoThenPasteAddsCopies) {
  ThreePlates();
  for (int i = 1; i <= 3; ++i) G.Elements[i].Selected = model::True;
  sheet().Cut.Click();
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_FLOAT_EQ(G.SecArea, 0);
  sheet().Undo.Click();
  ASSERT_EQ(G.ElementCount, 3);
  EXPECT_FALSE(sheet().Undo.Enabled);  // one step back to the section as it was
  sheet().Paste.Click();
  ASSERT_EQ(G.ElementCount, 6);
  for (int i = 4; i <= 6; ++i) EXPECT_EQ(G.Elements[i].PosX, G.Elements[i - 3].PosX + 10) << i;
}

TEST_F(ClipboardTest, CutWithNothingSelectedStillRecordsAnUndoStep) {
  ThreePlates();
  sheet().Cut.Click();
  EXPECT_EQ(*platform().Clipboard, "#");
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.Modified, model::False);
  EXPECT_TRUE(sheet().Undo.Enabled);
}

TEST_F(ClipboardTest, PasteRefusals) {
  const std::string two = std::string(PlateText) + WShapeText + "#";
  struct Case {
    const char* name;
    std::string text;
    int before;  // elements in the section
    int after;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"full",
       two,
       49,
       50,
       {"A section holds at most 50 elements: 1 of the elements on the clipboard were not pasted."}},
      {"already full",
       two,
       50,
       50,
       {"A section holds at most 50 elements: 2 of the elements on the clipboard were not pasted."}},
      {"bad value",
       WithField(4, " wide") + WShapeText + "#",
       0,
       1,
       {"These elements on the clipboard could not be read and were not pasted: 1."}},
      {"cut off",
       two.substr(0, two.size() - 60),
       0,
       1,
       {"These elements on the clipboard could not be read and were not pasted: 2."}},
      {"both",
       WithField(37, " 2147483647") + WithField(3, " inf") + "#",
       2,
       2,
       {"These elements on the clipboard could not be read and were not pasted: 1, 2."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 1; i <= c.before; ++i) G.Elements[i] = Plate(10, 10, 20 * i, 0);
    G.ElementCount = static_cast<int16_t>(c.before);
    platform().Messages.clear();
    platform().Clipboard = c.text;
    sheet().Paste.Click();
    EXPECT_EQ(G.ElementCount, c.after);
    EXPECT_EQ(platform().Messages, c.messages);
    EXPECT_LE(G.ElementCount, model::MaxElements);
  }
}

// A 20 mm bar whose Width reads 1E+30 is refused and named, alone or beside a plate; the
// plate comes in and the section's results are the plate's alone: 200 x 10 landing at
// (110, 60), A 2000, d 10, b 200, centroid (100, 5) from the extents' corner, Ix 16666.67,
// Iy 6666667.
TEST_F(ClipboardTest, ABarWhoseWidthIsBeyondWhatCanBeHeldIsRefusedAndTheRestPasted) {
  const std::string bar = testing::WideBarEntry;
  struct Case {
    const char* what;
    std::string text;
    const char* message;
    bool plate;
  };
  const Case cases[] = {
      {"alone", bar + "#", "These elements on the clipboard could not be read and were not pasted: 1.", false},
      {"before a plate", bar + PlateText + "#",
       "These elements on the clipboard could not be read and were not pasted: 1.", true},
      {"after a plate", PlateText + bar + "#",
       "These elements on the clipboard could not be read and were not pasted: 2.", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    G.ElementCount = 0;
    model::RecalcProperties();
    platform().Messages.clear();
    platform().Clipboard = c.text;
    sheet().Paste.Click();
    EXPECT_EQ(platform().Messages, std::vector<std::string>{c.message});
    ASSERT_EQ(G.ElementCount, c.plate ? 1 : 0);
    if (c.plate) {
      EXPECT_EQ(G.Elements[1].ShapeType, 50);
      EXPECT_EQ(G.Elements[1].PosX, 110);
      EXPECT_EQ(G.Elements[1].PosY, 60);
    }
    const float k = c.plate ? 1.0f : 0.0f;
    EXPECT_FLOAT_EQ(G.SecArea, k * 2000);
    EXPECT_FLOAT_EQ(G.SecDepth, k * 10);
    EXPECT_FLOAT_EQ(G.SecWidth, k * 200);
    EXPECT_FLOAT_EQ(G.SecXBar, k * 100);
    EXPECT_FLOAT_EQ(G.SecYBar, k * 5);
    EXPECT_FLOAT_EQ(G.SecIx, k * 16666.67f);
    EXPECT_FLOAT_EQ(G.SecIy, k * 6666667);
  }
}

TEST_F(ClipboardTest, PasteOfOtherTextDisablesPasteAndChangesNothing) {
  ThreePlates();
  sheet().Paste.Enabled = button(12).Enabled = true;
  platform().Clipboard = "shape::, W310X97";
  sheet().Paste.Click();
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_FALSE(sheet().Paste.Enabled);
  EXPECT_FALSE(button(12).Enabled);
  EXPECT_FALSE(sheet().Undo.Enabled);
  // No text at all: nothing changes, Paste included.
  sheet().Paste.Enabled = button(12).Enabled = true;
  platform().Clipboard.reset();
  sheet().Paste.Click();
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_TRUE(sheet().Paste.Enabled);
  EXPECT_FALSE(sheet().Undo.Enabled);
  EXPECT_TRUE(platform().Messages.empty());  // and says nothing
}

}  // namespace
}  // namespace editor
