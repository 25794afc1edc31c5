#include "model/case_state.h"

#include "model/globals.h"
#include "windows/sheet.h"

namespace model {

void ResetTorsionWarpingCases() {
  // The pick steps may stay: a case chosen later starts its steps from 0.
  G.ManualJ = G.ManualCw = 0;
  windows::SheetForm& sheet = windows::Sheet();
  sheet.Torsional.Caption = windows::SetTorsionalCaption;
  sheet.Warping.Caption = windows::SetWarpingCaption;
}

}  // namespace model
