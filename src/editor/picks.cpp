#include "editor/picks.h"

#include "dialogs/case_prompts.h"
#include "editor/title.h"
#include "model/globals.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

namespace {

void CompleteCase(ui::Menu& item, const char* caption, const char* message) {
  item.Caption = caption;
  view::RedrawDrawing();
  ui::MsgBox(message);
  G.Modified = model::True;
  ShowTitle();
}

void PickTorsion(const model::ElementRecord& e) {
  const bool waiting = (G.ManualJ == 1 && (G.TorsionPickStep == 0 || G.TorsionPickStep == 1)) ||
                       (G.ManualJ == 2 && G.TorsionPickStep == 0);
  if (!waiting) return;
  model::ElementRecord& pick = G.TorsionPicks[static_cast<size_t>(G.TorsionPickStep + 1)];
  pick.Width = e.Width;
  pick.Depth = e.Depth;
  G.TorsionPickStep = static_cast<int16_t>(G.TorsionPickStep + 1);
  if (G.ManualJ == 1 && G.TorsionPickStep == 1) {
    dialogs::ShowPlate2Prompt();
    return;
  }
  CompleteCase(windows::Sheet().Torsional, windows::ResetTorsionalCaption, "Torsional Constant Has Been Modified");
}

void PickWarping(const model::ElementRecord& e) {
  if (G.ManualCw < 1 || G.ManualCw > 4) return;
  if (G.WarpPickStep == 0) {
    model::ElementRecord& pick = G.WarpPicks[1];
    if (G.ManualCw == 1) {
      pick.ElemIy = e.ElemIy;
      pick.Depth = e.Depth;
      pick.FlangeThickness = e.FlangeThickness;
      pick.Width = e.Width;
    } else {
      pick.Depth = e.Depth;
      pick.Width = e.Width;
    }
    G.WarpPickStep = 1;
    dialogs::ShowWarpPrompt(G.ManualCw == 1 ? "Click Continue to select the Channel section as shown:"
                                            : "Click Continue to select the Web section:");
    return;
  }
  if (G.WarpPickStep != 1) return;
  model::ElementRecord& pick = G.WarpPicks[2];
  if (G.ManualCw == 1) {
    pick.ElemIx = e.ElemIx;
    pick.Width = e.Width;
    pick.Depth = e.Depth;
    pick.ElemRx = e.ElemRx;
    pick.CentroidX = e.CentroidX;
    pick.WebThickness = e.WebThickness;
    pick.FlangeThickness = e.FlangeThickness;
  } else {
    pick.Width = e.Width;
    pick.Depth = e.Depth;
  }
  G.WarpPickStep = 2;
  CompleteCase(windows::Sheet().Warping, windows::ResetWarpingCaption, "Warping Constant Has Been Modified");
}

}  // namespace

void PickForManualConstants(int c) {
  // A copy: a prompt window or a redraw between the two parts changes no pick source.
  const model::ElementRecord e = G.Elements[static_cast<size_t>(c)];
  PickTorsion(e);
  PickWarping(e);
}

}  // namespace editor
