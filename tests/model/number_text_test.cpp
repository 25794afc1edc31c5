#include "model/number_text.h"

#include <gtest/gtest.h>

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
      {"12.5", true, 12.5}, {"  12.5 ", true, 12.5}, {"1e3", true, 1000}, {"1.5E-2", true, 0.015}, {".5", true, 0.5},
      {"-3", true, -3},     {"+4", true, 4},         {"0E0", true, 0},    {"0.0", true, 0},        {"", false, 0},
      {"   ", false, 0},    {"abc", false, 0},       {"12abc", false, 0}, {"1,5", false, 0},       {"inf", false, 0},
      {"nan", false, 0},    {"1e999", false, 0},     {"- 5", false, 0},
  };
  for (const auto& c : cases) {
    double v = -99;
    EXPECT_EQ(ParseNumber(c.text, v), c.ok) << "'" << c.text << "'";
    if (c.ok) {
      EXPECT_EQ(v, c.value) << "'" << c.text << "'";
    }
  }
}

}  // namespace
}  // namespace model
