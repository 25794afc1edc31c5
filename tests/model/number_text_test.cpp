#include "model/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
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
      // One sign at most, in front of the digits and in the exponent.
      {"+.5", true, 0.5},
      {"+-5", false, 0},
      {"-+5", false, 0},
      {"++5", false, 0},
      {"--5", false, 0},
      {"+ -5", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"1e+-5", false, 0},
      {"1e-+5", false, 0},
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

TEST(ExactNumberText, IsPlainFromATenThousandthUpToAQuadrillion) {
  const struct {
    float in;
    const char* out;
  } singles[] = {
      {8000000.0f, "8000000"},     // a plate's Iy: no exponent form
      {200000.0f, "200000"},       // fewer digits as 2e+05, still written plain
      {1.62e11f, "162000000000"},  // the shortest digits 162, then zeros
      {0.1f, "0.1"},               // the single's shortest text, not its double value
      {1.0f / 3, "0.33333334"},
      {-2.378f, "-2.378"},
      {1234.5f, "1234.5"},
      {1e-5f, "0.00001"},  // the smallest plain magnitude
      {-0.000125f, "-0.000125"},
      {9.5e-6f, "9.5E-06"},  // below it: exponent form, upper case
      {1e15f, "1E+15"},      // from a quadrillion on
      {-1.5e20f, "-1.5E+20"},
      {std::numeric_limits<float>::max(), "3.4028235E+38"},
      {std::numeric_limits<float>::denorm_min(), "1E-45"},
      {0.0f, "0"},
      {-0.0f, "-0"},
  };
  for (const auto& c : singles) EXPECT_EQ(ExactNumberText(c.in), c.out) << c.in;
  const struct {
    double in;
    const char* out;
  } doubles[] = {
      {3.14159265 / 2, "1.570796325"},
      {0.1, "0.1"},
      {999999999999999.0, "999999999999999"},  // fifteen digits: still plain
      {1e15, "1E+15"},
      {123456789012.5, "123456789012.5"},
      {1e-300, "1E-300"},
  };
  for (const auto& c : doubles) EXPECT_EQ(ExactNumberText(c.in), c.out) << c.in;
}

// Spread over every exponent and sign: each text reads back to the very same bits.
TEST(ExactNumberText, ReadsBackBitForBit) {
  for (uint64_t bits = 0; bits < (uint64_t{1} << 32); bits += 104729 * 17) {
    const float v = std::bit_cast<float>(static_cast<uint32_t>(bits));
    if (!std::isfinite(v)) continue;
    float back = 0;
    ASSERT_TRUE(ParseSingle(ExactNumberText(v), back)) << ExactNumberText(v);
    EXPECT_EQ(std::bit_cast<uint32_t>(back), std::bit_cast<uint32_t>(v)) << ExactNumberText(v);
  }
  uint64_t state = 88172645463325252u;
  for (int i = 0; i < 20000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    const double v = std::bit_cast<double>(state);
    if (!std::isfinite(v)) continue;
    double back = 0;
    ASSERT_TRUE(ParseNumber(ExactNumberText(v), back)) << ExactNumberText(v);
    EXPECT_EQ(std::bit_cast<uint64_t>(back), std::bit_cast<uint64_t>(v)) << ExactNumberText(v);
  }
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
