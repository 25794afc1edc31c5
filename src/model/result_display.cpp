#include "model/result_display.h"

#include <algorithm>
#include <cmath>

#include "model/globals.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "windows/sheet.h"

namespace model {

namespace {

using windows::SheetForm;

struct RuleEntry {
  ui::Label SheetForm::*value;
  ui::Label SheetForm::*caption;
  ui::Label SheetForm::*unit;
  int16_t Globals::*si;
  int16_t Globals::*imp;
  int n;
};

// The table of the results panel, once for the whole program.
constexpr RuleEntry Rules[] = {
    {&SheetForm::Area, &SheetForm::AreaL, &SheetForm::AunitL, &Globals::SIATol, &Globals::ImpATol, 2},
    {&SheetForm::d, &SheetForm::dL, &SheetForm::DUnitL, &Globals::SIDTol, &Globals::ImpDTol, 1},
    {&SheetForm::b, &SheetForm::bL, &SheetForm::BUnitL, &Globals::SIBTol, &Globals::ImpBTol, 1},
    {&SheetForm::xBar, &SheetForm::xBarL, &SheetForm::XunitL, &Globals::SIXTol, &Globals::ImpXTol, 1},
    {&SheetForm::yBar, &SheetForm::yBarL, &SheetForm::YUnitL, &Globals::SIYTol, &Globals::ImpYTol, 1},
    {&SheetForm::Ix, &SheetForm::IxL, &SheetForm::IxUnitL, &Globals::SIIxTol, &Globals::ImpIxTol, 4},
    {&SheetForm::Sx, &SheetForm::SxL, &SheetForm::SxUnitL, &Globals::SISxTol, &Globals::ImpSxTol, 3},
    {&SheetForm::Zx, &SheetForm::ZxL, &SheetForm::ZxUnitL, &Globals::SIZxTol, &Globals::ImpZxTol, 3},
    {&SheetForm::Iy, &SheetForm::IyL, &SheetForm::IyUnitL, &Globals::SIIyTol, &Globals::ImpIyTol, 4},
    {&SheetForm::Sy, &SheetForm::SyL, &SheetForm::SyUnitL, &Globals::SISyTol, &Globals::ImpSyTol, 3},
    {&SheetForm::Zy, &SheetForm::ZyL, &SheetForm::ZyUnitL, &Globals::SIZyTol, &Globals::ImpZyTol, 3},
    {&SheetForm::rx, &SheetForm::rxL, &SheetForm::RxUnitL, &Globals::SIRxTol, &Globals::ImpRxTol, 1},
    {&SheetForm::ry, &SheetForm::ryL, &SheetForm::RyUnitL, &Globals::SIRyTol, &Globals::ImpRyTol, 1},
    {&SheetForm::J, &SheetForm::JL, &SheetForm::JunitL, &Globals::SIJTol, &Globals::ImpJTol, 4},
    {&SheetForm::Cw, &SheetForm::CwL, &SheetForm::CwUnitL, &Globals::SICwTol, &Globals::ImpCwTol, 6},
};

// Exponent and decimals applied to a value already in the units shown.
std::string ScaledText(float v, int16_t exponent, int16_t decimals) {
  const int16_t e = std::clamp<int16_t>(exponent, -MaxDisplayExponent, MaxDisplayExponent);
  if (e != 0) v = static_cast<float>(static_cast<double>(v) / std::pow(10.0, e));
  // A large negative exponent can push the shown value past the single range.
  if (!std::isfinite(v)) v = 0;
  RoundToDigits(v, decimals);
  std::string text = NumberText(v);
  if (e != 0) text += "E" + std::to_string(e);
  return text;
}

}  // namespace

ExponentFields ExponentsOf(ResultItem item) {
  const RuleEntry& r = Rules[static_cast<int>(item)];
  return {r.si, r.imp};
}

ResultRule RuleOf(ResultItem item) {
  const RuleEntry& r = Rules[static_cast<int>(item)];
  windows::SheetForm& s = windows::Sheet();
  return {&(s.*r.value), &(s.*r.caption), &(s.*r.unit), G.*r.si, G.*r.imp, r.n};
}

std::string ResultText(ResultItem item, float value) {
  const RuleEntry& r = Rules[static_cast<int>(item)];
  float v = std::isfinite(value) ? value : 0.0f;
  if (G.UnitStatus) return ScaledText(v, G.*r.si, G.SIPrec);
  v = static_cast<float>(static_cast<double>(v) / std::pow(25.4, r.n));
  return ScaledText(v, G.*r.imp, G.ImpPrec);
}

void ShowResult(ResultItem item, float value) { RuleOf(item).Value->Caption = ResultText(item, value); }

}  // namespace model
