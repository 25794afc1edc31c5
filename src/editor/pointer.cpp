#include "editor/pointer.h"

#include <cmath>

#include "editor/preview_support.h"
#include "editor/previews.h"
#include "model/globals.h"
#include "view/grid_axes.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

void Base_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  const bool mm = G.UnitStatus != 0;
  windows::Sheet().Coord.Text = LengthText(mm ? std::floor(X) : X) + ", " + LengthText(mm ? std::floor(Y) : Y);
  if (G.GridRedrawPending) {
    view::DrawGrid();
    G.GridRedrawPending = model::False;
  }
  if (G.PlaceMode)
    PlacingPreview(X, Y);
  else if (G.MoveMode && G.MoveBaseSet)
    MovePreview(X, Y);
  else if (G.RotateMode && G.PivotSet)
    RotatePreview(X, Y);
  else if (G.MirrorMode && G.MirrorFirstSet)
    MirrorPreview(X, Y);
}

}  // namespace editor
