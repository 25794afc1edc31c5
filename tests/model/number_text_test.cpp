#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace model {
namespace {

TEST(NumberText, SingleUsesTheSignedFormWithSevenDigits) {
  const struct {
    float in;
    const char* out;
  } cases[] = {
      {0.5f, " .5"},
      {-0.25f, "-.25"},
      {1500.0f, " 1500"},
      {12345678.0f, " 1.234568E+07"},
      {-0.0f, " 0"},
      {0.0f, " 0"},
      {1.0f / 3.0f, " .3333333"},
      {-12.5f, "-12.5"},
      {9999999.0f, " 9999999"},
      {12.7f, " 12.7"},
      {1e-5f, " 1E-05"},
      {-2.5e9f, "-2.5E+09"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.in), c.out) << c.in;
}

TEST(NumberText, DoubleUsesFifteenDigits) {
  EXPECT_EQ(NumberText(200.0), " 200");
  EXPECT_EQ(NumberText(12.7), " 12.7");
  EXPECT_EQ(NumberText(0.5), " .5");
  EXPECT_EQ(NumberText(-5.0), "-5");
  EXPECT_EQ(NumberText(100 / 25.4), " 3.93700787401575");
  EXPECT_EQ(NumberText(200 / 25.4), " 7.8740157480315");
  EXPECT_EQ(NumberText(12 / 25.4), " .47244094488189");
}

TEST(NumberText, IntegersHaveTheLeadingBlank) {
  EXPECT_EQ(NumberText(int16_t{12}), " 12");
  EXPECT_EQ(NumberText(int32_t{-7}), "-7");
  EXPECT_EQ(NumberText(0), " 0");
}

TEST(PlainNumberText, HasNoBlankAndKeepsTheZero) {
  EXPECT_EQ(PlainNumberText(12.7), "12.7");
  EXPECT_EQ(PlainNumberText(254.0), "254");
  EXPECT_EQ(PlainNumberText(0.5f), "0.5");
  EXPECT_EQ(PlainNumberText(-0.25f), "-0.25");
  EXPECT_EQ(PlainNumberText(-0.0f), "0");
}

TEST(ParseNumber, ReadsTheWholeTextOrFails) {
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"12.5", true, 12.5},
      {"  12.5 ", true, 12.5},
      {"1e3", true, 1000},
      {"1.5E-2", true, 0.015},
      {".5", true, 0.5},
      {"-3", true, -3},
      {"+4", true, 4},
      {"0E0", true, 0},
      {"0.0", true, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"abc", false, 0},
      {"12abc", false, 0},
      {"1,5", false, 0},
      {"inf", false, 0},
      {"nan", false, 0},
      {"1e999", false, 0},
      {"- 5", false, 0},
      // Too small for a double: zero. Too large: refused.
      {"1e-400", true, 0},
      {"-1e-400", true, 0},
      {"0.00012e-399", true, 0},
      {"123456e-330", true, 0},
      {"1e-310", true, 1e-310},
      {"1000e306", false, 0},
      {"0.01e311", false, 0},
      {"0.001e311", true, 1e308},
      {"1e-400x", false, 0},
  };
  for (const auto& c : cases) {
    double v = -99;
    EXPECT_EQ(ParseNumber(c.text, v), c.ok) << "'" << c.text << "'";
    if (c.ok) {
      EXPECT_EQ(v, c.value) << "'" << c.text << "'";
    }
  }
}

// Whatever finite number is written, its text reads back, as a double and as a single,
// to within the digits written.
TEST(NumberText, EveryFiniteNumbersTextReadsBack) {
  using D = std::numeric_limits<double>;
  using F = std::numeric_limits<float>;
  for (double v : {D::max(), -D::max(), D::min(), D::denorm_min(), -D::denorm_min(), 1.7976931348623e308, 1e-300}) {
    for (const std::string& text : {NumberText(v), PlainNumberText(v)}) {
      double back = 0;
      ASSERT_TRUE(ParseNumber(text, back)) << text;
      EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << text;
    }
  }
  for (float v : {F::max(), -F::max(), F::min(), F::denorm_min(), 3.4028e38f}) {
    for (const std::string& text : {NumberText(v), PlainNumberText(v)}) {
      float back = 0;
      ASSERT_TRUE(ParseSingle(text, back)) << text;
      EXPECT_NEAR(back, v, std::fabs(v) * 1e-6) << text;
    }
  }
  // The largest doubles are written as the largest fifteen-digit value below them.
  EXPECT_EQ(NumberText(D::max()), " 1.79769313486231E+308");
}

TEST(ParseSingle, RoundsOnceToSingleAndReadsUnderflowAsZero) {
  float v = -1;
  EXPECT_TRUE(ParseSingle("0.17482518", v));
  EXPECT_EQ(v, 0.17482518f);
  EXPECT_TRUE(ParseSingle(" 1e-50 ", v));
  EXPECT_EQ(v, 0.0f);
  EXPECT_TRUE(ParseSingle("-1e-46", v));
  EXPECT_EQ(v, 0.0f);
  EXPECT_TRUE(std::signbit(v));
  v = 7;
  EXPECT_FALSE(ParseSingle("1E39", v));  // beyond the single range
  EXPECT_FALSE(ParseSingle("3.5e38", v));
  EXPECT_EQ(v, 7);
}

}  // namespace
}  // namespace model
