#include "model/case_state.h"

#include "model/globals.h"
#include "windows/sheet.h"

namespace model {

void ResetTorsionWarpingCases() {
  // The pick steps may stay: a case chosen later starts its steps from 0.
  G.ManualJ = G.ManualCw = 0;
  SheetForm& sheet = Sheet();
  sheet.Torsional.Caption = SetTorsionalCaption;
  sheet.Warping.Caption = SetWarpingCaption;
}

void EndUnfinishedCases() {
  const int16_t torsionPicks = G.ManualJ == 1 ? 2 : 1;
  if (G.ManualJ != 0 && G.TorsionPickStep < torsionPicks) G.ManualJ = G.TorsionPickStep = 0;
  if (G.ManualCw != 0 && G.WarpPickStep < 2) G.ManualCw = G.WarpPickStep = 0;
}

}  // namespace model
