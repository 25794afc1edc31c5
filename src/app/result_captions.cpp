#include "app/result_captions.h"

#include <array>
#include <iterator>

#include "model/globals.h"
#include "model/result_display.h"
#include "windows/sheet.h"

namespace app {

namespace {

using windows::SheetForm;

// Rows 1 to 12 of the panel (y to Zy) about the principal axes. Only the two centroid
// captions carry a blank before the prime.
constexpr const char* PrincipalCaptions[12] = {
    "y ':", "x ':", "d':", "b':", "Ix':", "Sx':", "rx':", "Zx':", "Iy':", "Sy':", "ry':", "Zy':"};

}  // namespace

void ApplyResultCaptions() {
  SheetForm& s = windows::Sheet();
  const bool mm = model::G.UnitStatus != model::False;
  for (int i = 0; i < model::ResultItemCount; ++i) {
    ui::Label& unit = *model::RuleOf(static_cast<model::ResultItem>(i)).Unit;
    unit.Caption = mm ? "mm" : "in";
    unit.FontSize = mm ? 10 : 11;
    unit.Left = mm ? 2000 : 2100;
  }

  const bool global = model::G.RotAxis != model::False;
  const std::array<windows::ResultRow, 16> rows = s.ResultRows();
  for (size_t i = 1; i <= std::size(PrincipalCaptions); ++i)
    rows[i].Caption->Caption = global ? windows::GlobalResultCaptions[i] : PrincipalCaptions[i - 1];
  s.Phi.Visible = s.PhiL.Visible = s.PhiUnitL.Visible = !global;
}

}  // namespace app
