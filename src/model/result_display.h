#pragma once
// The one rule by which every computed property is written into its value label of the
// results panel: millimetres or inches, a power-of-ten exponent and a number of decimals
// from the settings of the current units. The result itself is never changed.

#include <cstdint>
#include <string>

#include "ui/control.h"

namespace model {

// The fifteen properties of the results panel, in the order of their settings.
enum class ResultItem { Area, Depth, Width, XBar, YBar, Ix, Sx, Zx, Iy, Sy, Zy, Rx, Ry, J, Cw };
constexpr int ResultItemCount = 15;

// The display can use exponents only within this bound (10^30 stays well inside the
// double range); a setting beyond it is shown as the nearest bound and is never changed.
// Every number of decimals is used as it is: negative ones round to tens, hundreds and
// so on, and RoundToDigits leaves a value whose scaled form no single holds unchanged.
constexpr int16_t MaxDisplayExponent = 30;

// One row of the panel: its labels on the main window, its exponent settings and the
// power of 25.4 that turns its millimetre value into inches.
struct ResultRule {
  ui::Label* Value;
  ui::Label* Caption;
  ui::Label* Unit;
  int16_t SITol;
  int16_t ImpTol;
  int InchPower;
};

struct Globals;

// The exponent settings of `item`, millimetre and inch, as fields of Globals.
struct ExponentFields {
  int16_t Globals::*SI;
  int16_t Globals::*Imp;
};
ExponentFields ExponentsOf(ResultItem item);

// The row of `item` with the current settings.
ResultRule RuleOf(ResultItem item);

// The text that the value label of `item` shows for the millimetre value `value`.
std::string ResultText(ResultItem item, float value);

// Writes that text into the value label of `item`.
void ShowResult(ResultItem item, float value);

}  // namespace model
