#include "view/redraw.h"

#include "model/globals.h"
#include "model/guards.h"
#include "model/properties.h"
#include "model/scoped_flag.h"
#include "ui/platform.h"
#include "view/element_draw.h"
#include "view/grid_axes.h"
#include "windows/sheet.h"

namespace view {

using model::G;

namespace {

// Paste is offered only for text that starts with the element marker; a clipboard
// without text leaves the command as it was.
void UpdatePasteCommand() {
  ui::Platform& p = ui::platform();
  if (!p.ClipboardHasText()) return;
  const bool offered = p.ClipboardText().rfind("Shape::", 0) == 0;
  OfferPaste(offered);
}

void RedrawOnce() {
  windows::SheetForm& sheet = windows::Sheet();
  G.IsRedrawing = model::True;
  sheet.Base.Cls();
  const int count = model::ElementsInUse();
  for (int i = 1; i <= count; ++i) {
    DrawElement(G.Elements[i].PosX, G.Elements[i].PosY, i, model::Black);
    if (G.Elements[i].Selected) sheet.Cut.Enabled = sheet.Copy.Enabled = true;
  }
  if (G.ShowGrid != 0) DrawGrid();
  DrawAxes();
  G.IsRedrawing = model::False;
  // With no elements the results panel keeps what it last showed.
  if (G.ElementCount > 0) model::RecalcProperties();
  UpdatePasteCommand();
}

}  // namespace

void OfferPaste(bool offered) {
  windows::SheetForm& sheet = windows::Sheet();
  sheet.Paste.Enabled = offered;
  if (static_cast<int>(sheet.tbToolBar.Buttons.size()) >= windows::PasteButton)
    sheet.tbToolBar.Button(windows::PasteButton).Enabled = offered;
}

void RedrawDrawing() {
  // A redraw asked for while one runs (from the event loop of a message box the
  // recalculation shows, say on a resize of the window) is done once, right after it,
  // never inside it.
  if (G.RedrawRunning || G.Recalculating) {
    G.RedrawRequested = true;
    return;
  }
  const model::ScopedFlag running(G.RedrawRunning);
  do {
    G.RedrawRequested = false;
    RedrawOnce();
  } while (G.RedrawRequested);
}

}  // namespace view
