#include "app/result_captions.h"

#include "model/globals.h"
#include "model/result_display.h"
#include "model/sheet.h"

namespace app {

namespace {

using model::SheetForm;

struct AxisCaption {
  ui::Label SheetForm::*label;
  const char* global;
  const char* principal;
};

// Only the two centroid captions carry a blank before the prime.
constexpr AxisCaption AxisCaptions[] = {
    {&SheetForm::yBarL, "y:", "y ':"}, {&SheetForm::xBarL, "x:", "x ':"}, {&SheetForm::dL, "d:", "d':"},
    {&SheetForm::bL, "b:", "b':"},     {&SheetForm::IxL, "Ix:", "Ix':"},  {&SheetForm::SxL, "Sx:", "Sx':"},
    {&SheetForm::rxL, "rx:", "rx':"},  {&SheetForm::ZxL, "Zx:", "Zx':"},  {&SheetForm::IyL, "Iy:", "Iy':"},
    {&SheetForm::SyL, "Sy:", "Sy':"},  {&SheetForm::ryL, "ry:", "ry':"},  {&SheetForm::ZyL, "Zy:", "Zy':"},
};

}  // namespace

void ApplyResultCaptions() {
  SheetForm& s = model::Sheet();
  const bool mm = model::G.UnitStatus != model::False;
  for (int i = 0; i < model::ResultItemCount; ++i) {
    ui::Label& unit = *model::RuleOf(static_cast<model::ResultItem>(i)).Unit;
    unit.Caption = mm ? "mm" : "in";
    unit.FontSize = mm ? 10 : 11;
    unit.Left = mm ? 2000 : 2100;
  }

  const bool global = model::G.RotAxis != model::False;
  for (const AxisCaption& a : AxisCaptions) (s.*a.label).Caption = global ? a.global : a.principal;
  s.Phi.Visible = s.PhiL.Visible = s.PhiUnitL.Visible = !global;
}

}  // namespace app
