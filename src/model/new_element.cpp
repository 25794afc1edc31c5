#include "model/new_element.h"

#include <cmath>
#include <limits>

#include "model/box_number.h"
#include "model/globals.h"
#include "model/number_text.h"
#include "windows/sheet.h"

namespace model {

bool FitsSingle(double value) { return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max(); }

bool FitsInt16(double value) {
  if (!std::isfinite(value)) return false;
  // Only the halves at the two ends need care: -32768.5 goes to -32768, 32767.5 to 32768.
  return value >= -32768.5 && value < 32767.5;
}

bool ReadAngleDegrees(const std::string& text, double& degrees) {
  return ReadBoxNumber(text, degrees) && std::isfinite(degrees * Pi / 180);
}

bool InchesToMillimetreText(double& size, std::string& text) {
  if (!FitsSingle(size * 25.4)) return false;
  std::string millimetres = PlainNumberText(size * 25.4);
  double read = 0;
  if (!ParseNumber(millimetres, read)) return false;
  size = read;
  text = std::move(millimetres);
  return true;
}

void EndCommandInProgress() {
  if (EndCommandSlot) EndCommandSlot();
}

void StartPlacing(const ElementRecord& record) {
  // A new element ends whatever the drawing area was doing: an element still being placed
  // is dropped, a Move, Rotate or Mirror is put back, so the next click serves this one.
  EndCommandInProgress();
  const int16_t n = static_cast<int16_t>(G.ElementCount + 1);
  G.ElementCount = n;
  G.CurrentElement = n;
  G.Elements[static_cast<size_t>(n)] = record;
  windows::SheetForm& sheet = windows::Sheet();
  sheet.CurrentObject.Text = G.UnitStatus ? record.NameSI.str() : record.NameImp.str();
  G.PlaceMode = True;
  sheet.TextEntry.BackColor = White;
  sheet.TextEntry.Locked = false;
}

}  // namespace model
