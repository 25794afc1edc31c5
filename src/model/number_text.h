#pragma once
// Number text, one formatter for the whole program, and the reader of typed numbers.
// "." is the decimal separator in every locale.

#include <concepts>
#include <string>
#include <string_view>

namespace model {

// The signed form of the results panel, designations, clipboard and export: a leading
// blank for a value that is not negative and "-" otherwise, at most 7 significant digits
// for a single and 15 for a double, trailing zeros and point dropped, no 0 before the
// point (" .5"), exponent form where the magnitude needs it (" 1.234568E+07").
std::string NumberText(float value);
std::string NumberText(double value);
template <std::integral Int>
std::string NumberText(Int value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

// The plain form that dialog boxes show: no leading blank, a 0 before the point ("0.5").
std::string PlainNumberText(float value);
std::string PlainNumberText(double value);

// The form of the document file: the shortest text that reads back to the same bits, in
// plain decimal notation with a 0 before the point ("8000000", "0.1", "0.00001") for
// magnitudes from 1e-5 up to below 1e15, and beyond them in exponent form with an
// upper-case "E", a sign and at least two exponent digits ("1E+15", "1.5E-06").
std::string ExactNumberText(float value);
std::string ExactNumberText(double value);

// Reads a whole text box as a double: blanks around the number allowed, one sign at most
// ("+" or "-"), exponent form accepted. Empty text, anything else after the number, and
// values too large for a double fail; a value too small for one reads as 0. Every text
// NumberText writes reads back.
bool ParseNumber(std::string_view text, double& value);
// The same for a single: the text rounded once, straight to single precision.
bool ParseSingle(std::string_view text, float& value);

}  // namespace model
