#pragma once
// Numbers typed into the dialogs' boxes, read in the user's number format: the user's
// decimal separator is a decimal point, and "." stays one in every locale (never a digit
// grouping, so "45.5" is never 455). Text the program writes and reads back itself (the
// documents, the clipboard, the settings store, the typed-entry box) keeps "." alone and
// is read by ParseNumber.

#include <cstdint>
#include <string_view>

namespace model {

// As ParseNumber, with `decimalSeparator` read as a decimal point too.
bool ParseBoxNumber(std::string_view text, std::string_view decimalSeparator, double& value);
// A box's text read with the user's decimal separator, as the window runtime reports it.
bool ReadBoxNumber(std::string_view text, double& value);
// The same rounded half to even to a 16-bit integer; false for a number out of its range.
bool ReadBoxInt16(std::string_view text, int16_t& value);

}  // namespace model
