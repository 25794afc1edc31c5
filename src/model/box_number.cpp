#include "model/box_number.h"

#include <string>

#include "model/new_element.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "ui/platform.h"

namespace model {

bool ParseBoxNumber(std::string_view text, std::string_view decimalSeparator, double& value) {
  if (decimalSeparator.empty() || decimalSeparator == ".") return ParseNumber(text, value);
  // The separator becomes a point; a text with two of them, in either form, then fails
  // as any text with two points does.
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i, decimalSeparator.size()) == decimalSeparator) {
      plain += '.';
      i += decimalSeparator.size();
    } else {
      plain += text[i++];
    }
  }
  return ParseNumber(plain, value);
}

bool ReadBoxNumber(std::string_view text, double& value) {
  return ParseBoxNumber(text, ui::platform().DecimalSeparator(), value);
}

bool ReadBoxInt16(std::string_view text, int16_t& value) {
  double v = 0;
  if (!ReadBoxNumber(text, v) || !FitsInt16(v)) return false;
  value = RoundToInt16(v);
  return true;
}

}  // namespace model
