#include "editor/selection_click.h"

#include <algorithm>
#include <cmath>

#include "editor/controls.h"
#include "editor/picks.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/placement.h"
#include "model/rounding.h"
#include "view/element_draw.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::False;
using model::G;
using model::True;

namespace {

struct Box {
  int32_t xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  double Diagonal() const {
    const double w = static_cast<double>(xmax) - xmin;
    const double h = static_cast<double>(ymax) - ymin;
    return std::sqrt(w * w + h * h);
  }
  bool Holds(float X, float Y) const { return xmin < X && X < xmax && ymin < Y && Y < ymax; }
};

// The four corners of the Width by Depth box, placed and rounded to whole millimetres.
Box FootprintOf(const model::ElementRecord& e) {
  const double b = e.Width, d = e.Depth;
  const model::DrawingPoint p[4] = {model::PlaceLocalPoint(e, 0, 0), model::PlaceLocalPoint(e, b, 0),
                                    model::PlaceLocalPoint(e, b, d), model::PlaceLocalPoint(e, 0, d)};
  int32_t x[4], y[4];
  for (int k = 0; k < 4; ++k) {
    x[k] = model::RoundToInt32(p[k].x);
    y[k] = model::RoundToInt32(p[k].y);
  }
  Box box;
  model::Min4(x[0], x[1], x[2], x[3], box.xmin);
  model::Max4(x[0], x[1], x[2], x[3], box.xmax);
  model::Min4(y[0], y[1], y[2], y[3], box.ymin);
  model::Max4(y[0], y[1], y[2], y[3], box.ymax);
  return box;
}

void SetCutCopy(bool enabled) {
  SetCutCopyButtons(enabled);
  windows::Sheet().Cut.Enabled = enabled;
  windows::Sheet().Copy.Enabled = enabled;
}

}  // namespace

int ElementUnderPointer(float X, float Y) {
  const int n = model::ElementsInUse();
  int chosen = 0;
  double before = 0;  // the diagonal of the element examined just before, hit or not
  for (int i = 1; i <= n; ++i) {
    const Box box = FootprintOf(G.Elements[static_cast<size_t>(i)]);
    const double diagonal = box.Diagonal();
    if (box.Holds(X, Y) && (chosen == 0 || before > diagonal)) chosen = i;
    before = diagonal;
  }
  return chosen;
}

void SelectionClick(float X, float Y) {
  G.IsRedrawing = True;
  const int c = ElementUnderPointer(X, Y);
  windows::SheetForm& sheet = windows::Sheet();
  if (c == 0) {
    const int n = model::ElementsInUse();
    for (int i = 1; i <= n; ++i) G.Elements[static_cast<size_t>(i)].Selected = False;
    SetCutCopy(false);
    view::RedrawDrawing();
    G.IsRedrawing = False;
    return;
  }
  model::ElementRecord& e = G.Elements[static_cast<size_t>(c)];
  if (!e.Selected) {
    e.Selected = True;
    view::DrawElement(e.PosX, e.PosY, c, model::Black);
    sheet.CurrentObject.Text = Designation(c);
    SetCutCopy(true);
  } else {
    e.Selected = False;
    view::RedrawDrawing();
    G.IsRedrawing = True;
    SetCutCopyButtons(false);
    const int n = model::ElementsInUse();
    for (int i = 1; i <= n; ++i)
      if (G.Elements[static_cast<size_t>(i)].Selected) SetCutCopy(true);
  }
  // The picks may open a prompt window or a message box: nothing waits on them with the
  // probes switched off.
  G.IsRedrawing = False;
  PickForManualConstants(c);
}

}  // namespace editor
