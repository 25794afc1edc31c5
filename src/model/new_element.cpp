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

namespace {

// A size the window asks to be positive, as the element stores it: 1e-46 is 0 as a single.
bool StoredPositive(double size) { return static_cast<float>(size) > 0; }

}  // namespace

bool PlateSizesFit(double W, double T) {
  if (!(StoredPositive(W) && StoredPositive(T))) return false;
  const double root12 = std::pow(12.0, 0.5);
  const double values[] = {W,
                           T,
                           T / root12,
                           W / root12,
                           W / T,
                           T / W,
                           W * T * 7850 / 1000000,
                           W * T,
                           W * std::pow(T, 3) / 12,
                           W * std::pow(T, 2) / 6,
                           W * std::pow(T, 2) / 4,
                           std::pow(W, 3) * T / 12,
                           std::pow(W, 2) * T / 6,
                           std::pow(W, 2) * T / 4};
  for (double v : values)
    if (!FitsSingle(v)) return false;
  return FitsInt16(T) && FitsInt16(T / 25.4);
}

bool BarSizeFits(double D) {
  if (!StoredPositive(D)) return false;
  const double values[] = {D,
                           D / 4,
                           std::pow(D, 2) * 24661.5023025 / 4000000,
                           Pi * std::pow(D, 2) / 4,
                           Pi * std::pow(D, 4) / 64,
                           Pi * std::pow(D, 3) / 32};
  for (double v : values)
    if (!FitsSingle(v)) return false;
  return FitsInt16(D) && FitsInt16(D / 25.4);
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
  SheetForm& sheet = Sheet();
  sheet.CurrentObject.Text = G.UnitStatus ? record.NameSI.str() : record.NameImp.str();
  G.PlaceMode = True;
  sheet.TextEntry.BackColor = White;
  sheet.TextEntry.Locked = false;
}

}  // namespace model
