#include "model/new_element.h"

#include <cmath>
#include <limits>

#include "model/globals.h"
#include "model/sheet.h"

namespace model {

bool FitsSingle(double value) { return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max(); }

bool FitsInt16(double value) {
  if (!std::isfinite(value)) return false;
  // Only the halves at the two ends need care: -32768.5 goes to -32768, 32767.5 to 32768.
  return value >= -32768.5 && value < 32767.5;
}

void StartPlacing(const ElementRecord& record) {
  const int16_t n = static_cast<int16_t>(G.ElementCount + 1);
  G.ElementCount = n;
  G.CurrentElement = n;
  G.Elements[static_cast<size_t>(n)] = record;
  SheetForm& sheet = Sheet();
  sheet.CurrentObject.Text = G.UnitStatus ? record.NameSI.str() : record.NameImp.str();
  G.PlaceMode = True;
  sheet.TextEntry.BackColor = White;
  sheet.TextEntry.Locked = false;
}

}  // namespace model
