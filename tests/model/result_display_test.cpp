#include "model/result_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/globals.h"
#include "section_fixture.h"
#include "windows/sheet.h"

namespace model {
namespace {

using testing::SectionTest;

struct DisplayCase {
  ResultItem item;
  bool mm;
  int16_t exponent;  // of this property in the current units
  int16_t decimals;
  float value;  // millimetre units
  const char* text;
};

class ResultDisplay : public SectionTest {
 protected:
  void Configure(const DisplayCase& c) {
    G.UnitStatus = c.mm ? True : False;
    G.SIPrec = G.ImpPrec = c.decimals;
    // Every exponent of both unit systems set apart, so a wrong row shows.
    int16_t Globals::*si[] = {&Globals::SIATol,  &Globals::SIDTol,  &Globals::SIBTol,  &Globals::SIXTol,
                              &Globals::SIYTol,  &Globals::SIIxTol, &Globals::SISxTol, &Globals::SIZxTol,
                              &Globals::SIIyTol, &Globals::SISyTol, &Globals::SIZyTol, &Globals::SIRxTol,
                              &Globals::SIRyTol, &Globals::SIJTol,  &Globals::SICwTol};
    int16_t Globals::*imp[] = {&Globals::ImpATol,  &Globals::ImpDTol,  &Globals::ImpBTol,  &Globals::ImpXTol,
                               &Globals::ImpYTol,  &Globals::ImpIxTol, &Globals::ImpSxTol, &Globals::ImpZxTol,
                               &Globals::ImpIyTol, &Globals::ImpSyTol, &Globals::ImpZyTol, &Globals::ImpRxTol,
                               &Globals::ImpRyTol, &Globals::ImpJTol,  &Globals::ImpCwTol};
    for (int k = 0; k < 15; ++k) {
      G.*si[k] = 9;
      G.*imp[k] = 9;
    }
    G.*(c.mm ? si : imp)[static_cast<int>(c.item)] = c.exponent;
  }
};

TEST_F(ResultDisplay, FollowsTheUnitsExponentAndDecimalsOfItsOwnRow) {
  const DisplayCase cases[] = {
      // The examples of the rule.
      {ResultItem::Ix, true, 6, 2, 123456789.0f, " 123.46E6"},
      {ResultItem::Area, false, 0, 2, 6451.6f, " 10"},
      {ResultItem::Area, true, -3, 2, 1.5f, " 1500E-3"},
      // Iy in inches: / 25.4^4, then / 10^3: 416231425.6 mm^4 is 1000 in^4.
      {ResultItem::Iy, false, 3, 3, 416231425.6f, " 1E3"},
      {ResultItem::Iy, false, 0, 1, 416231425.6f, " 1000"},
      // Each row divides by its own power of 25.4.
      {ResultItem::Depth, false, 0, 3, 254.0f, " 10"},
      {ResultItem::Sx, false, 0, 3, 16387.064f, " 1"},
      {ResultItem::Cw, false, 0, 3, 268535866.0f, " 1"},
      {ResultItem::J, false, 0, 3, 416.2314f, " .001"},
      // Decimals: positive half up, negative cut toward zero, no 0 before the point.
      {ResultItem::XBar, true, 0, 2, 0.125f, " .13"},
      {ResultItem::XBar, true, 0, 2, -2.378f, "-2.37"},
      {ResultItem::YBar, true, 0, 0, 146.5f, " 147"},
      // Beyond seven digits the text takes the exponent form.
      {ResultItem::Ix, true, 0, 2, 123456789.0f, " 1.234568E+08"},
      {ResultItem::Zy, true, 3, 1, 104750.0f, " 104.8E3"},
      {ResultItem::Cw, true, 12, 3, 6.0868e12f, " 6.087E12"},
      // Zero.
      {ResultItem::Rx, true, 0, 2, 0.0f, " 0"},
  };
  for (const DisplayCase& c : cases) {
    Configure(c);
    ShowResult(c.item, c.value);
    EXPECT_EQ(RuleOf(c.item).Value->Caption, c.text) << static_cast<int>(c.item) << " " << c.value;
  }
}

TEST_F(ResultDisplay, WritesEachPropertyIntoItsOwnLabel) {
  windows::SheetForm& s = windows::Sheet();
  const ui::Label* labels[] = {&s.Area, &s.d,  &s.b,  &s.xBar, &s.yBar, &s.Ix, &s.Sx, &s.Zx,
                               &s.Iy,   &s.Sy, &s.Zy, &s.rx,   &s.ry,   &s.J,  &s.Cw};
  for (int k = 0; k < 15; ++k) ShowResult(static_cast<ResultItem>(k), static_cast<float>(k + 1));
  for (int k = 0; k < 15; ++k) EXPECT_EQ(labels[k]->Caption, " " + std::to_string(k + 1)) << k;
}

TEST_F(ResultDisplay, NeverShowsANonNumber) {
  G.SIIxTol = -40;  // shown as -30; 1e10 / 1e-30 still lies beyond the single range
  ShowResult(ResultItem::Ix, 1e10f);
  EXPECT_EQ(windows::Sheet().Ix.Caption, " 0E-30");
  ShowResult(ResultItem::Iy, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(windows::Sheet().Iy.Caption, " 0");
  ShowResult(ResultItem::Sx, std::numeric_limits<float>::infinity());
  EXPECT_EQ(windows::Sheet().Sx.Caption, " 0");
}

TEST_F(ResultDisplay, ShowsExponentsBeyondTheirBoundAsTheBound) {
  const DisplayCase cases[] = {
      // 1e31 / 10^30 = 10; unbounded, 1e31 / 10^40 would round away to 0.
      {ResultItem::Area, true, 40, 2, 1e31f, " 10E30"},
      {ResultItem::Area, true, 32767, 2, 1e31f, " 10E30"},
      // 1e-30 / 10^-30 = 1; unbounded, 10^-31 would give 10.
      {ResultItem::Area, true, -31, 2, 1e-30f, " 1E-30"},
  };
  for (const DisplayCase& c : cases) {
    Configure(c);
    ShowResult(c.item, c.value);
    EXPECT_EQ(RuleOf(c.item).Value->Caption, c.text) << c.exponent << " " << c.decimals;
  }
}

TEST_F(ResultDisplay, RoundsToEveryNumberOfDecimalsThePrecisionWindowsAccept) {
  const DisplayCase cases[] = {
      // Negative decimals round to tens, hundreds and so on: 1234.5 / 10 = 123.45 keeps 123.
      {ResultItem::Area, true, 0, -1, 1234.5f, " 1230"},
      {ResultItem::Area, true, 0, -2, 1234.5f, " 1200"},
      {ResultItem::Area, true, 0, -1, 125.0f, " 130"},     // 12.5: half up
      {ResultItem::XBar, true, 0, -1, -1234.5f, "-1230"},  // -123.45: cut toward zero
      {ResultItem::XBar, true, 0, -1, -125.0f, "-120"},    // -12.5: cut toward zero
      // After the exponent: 123456789 / 10^6 = 123.456789, to tens 120.
      {ResultItem::Ix, true, 6, -1, 123456789.0f, " 120E6"},
      // In inches: 2540 mm is 100 in; 2.5 in to hundreds is 0.
      {ResultItem::Depth, false, 0, -2, 2540.0f, " 100"},
      {ResultItem::Depth, false, 0, -32768, 63.5f, " 0"},
      // More than 15 decimals: 1.2345678e-18 x 10^20 = 123.45678 keeps 123.
      {ResultItem::Area, true, 0, 20, 1.2345678e-18f, " 1.23E-18"},
      // 10^32767 holds in no double: the value keeps its 7 significant digits.
      {ResultItem::Width, true, 0, 32767, 1.25f, " 1.25"},
  };
  for (const DisplayCase& c : cases) {
    Configure(c);
    ShowResult(c.item, c.value);
    EXPECT_EQ(RuleOf(c.item).Value->Caption, c.text) << c.exponent << " " << c.decimals;
  }
  // The settings themselves stay as stored.
  EXPECT_EQ(G.SIPrec, 32767);
}

}  // namespace
}  // namespace model
