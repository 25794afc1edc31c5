// Numbers typed into dialog boxes: the user's decimal separator and the point, in every
// locale; the window runtime's separator is the one used.

#include "model/box_number.h"

#include <gtest/gtest.h>

#include "ui/headless/headless_platform.h"

namespace model {
namespace {

TEST(BoxNumber, TheUsersSeparatorAndThePointAreBothDecimalPoints) {
  const struct {
    const char* separator;
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {".", "45.5", true, 45.5},
      {".", "45,5", false, 0},  // no grouping where the point is the separator
      {".", "1,000", false, 0},
      {",", "45,5", true, 45.5},
      {",", "45.5", true, 45.5},  // never read as 455
      {",", " -30,25 ", true, -30.25},
      {",", ",5", true, 0.5},
      {",", "1,5E3", true, 1500},
      {",", "0,0", true, 0},
      {",", "1.234,5", false, 0},  // two decimal points, whatever their form
      {",", "1,234,5", false, 0},
      {",", "1.000.000", false, 0},
      {",", ",", false, 0},
      {",", "", false, 0},
      {",", "12a", false, 0},
      {".", "+-5", false, 0},  // one sign at most, in either number format
      {",", "+-5", false, 0},
      {",", "+-5,5", false, 0},
      {",", "+5,5", true, 5.5},
      {"\u066b", "2\u066b5", true, 2.5},  // a separator of more than one byte
      {"\u066b", "2.5", true, 2.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "'" << c.separator << "' '" << c.text << "'");
    double v = -99;
    EXPECT_EQ(ParseBoxNumber(c.text, c.separator, v), c.ok);
    if (c.ok) {
      EXPECT_EQ(v, c.value);
    }
  }
}

TEST(BoxNumber, ReadsWithTheSeparatorTheWindowRuntimeReports) {
  ui::headless::ScopedHeadless h;
  double v = 0;
  int16_t i = 0;
  EXPECT_FALSE(ReadBoxNumber("2,5", v));  // "." in the headless runtime until a test sets one
  h.platform.UserDecimalSeparator = ",";
  ASSERT_TRUE(ReadBoxNumber("2,5", v));
  EXPECT_EQ(v, 2.5);
  // Rounded half to even into 16 bits, and refused past them.
  ASSERT_TRUE(ReadBoxInt16("2,5", i));
  EXPECT_EQ(i, 2);
  ASSERT_TRUE(ReadBoxInt16("3,5", i));
  EXPECT_EQ(i, 4);
  ASSERT_TRUE(ReadBoxInt16("-32768,4", i));
  EXPECT_EQ(i, -32768);
  EXPECT_FALSE(ReadBoxInt16("32767,5", i));
}

}  // namespace
}  // namespace model
