#include "editor/commands.h"

#include <string>

#include "editor/clip_text.h"
#include "editor/command_end.h"
#include "editor/insert_commands.h"
#include "editor/modes.h"
#include "editor/preview_support.h"
#include "editor/selection.h"
#include "editor/snap.h"
#include "editor/title.h"
#include "editor/undo.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/properties.h"
#include "model/rounding.h"
#include "ui/input.h"
#include "ui/platform.h"
#include "view/element_draw.h"
#include "view/redraw.h"
#include "view/view_navigation.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

namespace {

// A command with a menu item runs through the item, wherever it was asked for.
void Run(ui::Menu& item) {
  if (item.Click) item.Click();
}

bool ButtonEnabled(int index) {
  ui::Toolbar& bar = windows::Sheet().tbToolBar;
  return static_cast<int>(bar.Buttons.size()) >= index && bar.Button(index).Enabled;
}

// F2 in the drawing area: the next of the moving element's own points becomes the snap
// source, and the ghost is shown again where the pointer handling has it. Only an element
// following the pointer has points to step through.
void NextSnapPoint() {
  const int c = G.CurrentElement;
  const bool placing = G.PlaceMode && c >= 1 && c <= model::ElementsInUse();
  const bool moving = G.MoveMode && G.MoveBaseSet;
  if (!placing && !moving) return;
  AdvanceSnapChoice();
  // An element being placed that no pointer step has shown yet stands where its record
  // happened to be: a match there would carry the placing click away from the click, and
  // the ghost would be drawn where the pointer never was. The choice waits for the steps.
  if (G.PlaceMode && !G.PlacementShown) return;
  PlotSnapMarkers(model::White);
  BuildSnapPoints();
  FindObjectSnap();
  if (placing) {
    view::DrawElement(G.GhostX, G.GhostY, c, model::Red);
  } else {
    // Every moving element where the move preview shows it: its preview position, which
    // is also right before the first step (its own place) and during a hold (the frozen
    // place). The ghost offset would be stale there and draw a copy the move never shows.
    for (int i = 1; i <= model::ElementsInUse(); ++i) {
      if (!G.Elements[i].Selected) continue;
      const int32_t x = model::RoundToInt32(G.PreviewPos[i].x), y = model::RoundToInt32(G.PreviewPos[i].y);
      view::EraseElement(x, y, i);
      view::DrawElement(x, y, i, model::Red);
    }
  }
  PlotSnapMarkers(model::Red);
}

}  // namespace

void tbToolBar_ButtonClick(ui::ToolbarButton& Button) {
  BuildSnapPoints();
  windows::SheetForm& sheet = windows::Sheet();
  struct Row {
    const char* Key;
    void (*Command)();
    ui::Menu* Item;
  };
  const Row rows[] = {
      {"New", nullptr, &sheet.New},
      {"Open", nullptr, &sheet.Open},
      {"Save", nullptr, &sheet.Save},
      {"Print", nullptr, &sheet.Printr},
      {"Undo", nullptr, &sheet.Undo},
      {"Redo", nullptr, &sheet.Redo},
      {"Cut", nullptr, &sheet.Cut},
      {"Copy", nullptr, &sheet.Copy},
      {"Paste", nullptr, &sheet.Paste},
      {"Shape", BeginPlaceShape, nullptr},
      {"Bar", ShowPlateBar, nullptr},
      {"Erase", EraseSelected, nullptr},
      {"Move", BeginMove, nullptr},
      {"Rotate", BeginRotate, nullptr},
      {"Mirror", BeginMirror, nullptr},
      {"ZoomIn", view::ZoomViewIn, nullptr},
      {"ZoomOut", view::ZoomViewOut, nullptr},
      {"PanUp", view::PanViewUp, nullptr},
      {"PanDown", view::PanViewDown, nullptr},
      {"PanLeft", view::PanViewLeft, nullptr},
      {"PanRight", view::PanViewRight, nullptr},
  };
  for (const Row& r : rows) {
    if (Button.Key != r.Key) continue;
    if (r.Item)
      Run(*r.Item);
    else
      r.Command();
    return;
  }
}

void Base_KeyUp(int16_t& KeyCode, int16_t Shift) {
  windows::SheetForm& sheet = windows::Sheet();
  switch (KeyCode) {
    case ui::KeyDelete:
      EraseSelected();
      return;
    case ui::KeyEscape:
      CancelCommand();
      return;
    case ui::KeyF1:
      Run(sheet.Contents);
      return;
    case ui::KeyF2:
      NextSnapPoint();
      return;
    default:
      break;
  }
  if (Shift != ui::CtrlMask) return;
  struct Row {
    int16_t Key;
    ui::Menu& Item;
    bool Allowed;
  };
  const Row rows[] = {
      {'N', sheet.New, true},
      {'O', sheet.Open, true},
      {'S', sheet.Save, true},
      {'P', sheet.Printr, true},
      {'Q', sheet.Exit, true},
      // Undo and Redo follow their menu items, Cut, Copy and Paste their buttons.
      {'Z', sheet.Undo, sheet.Undo.Enabled},
      {'Y', sheet.Redo, sheet.Redo.Enabled},
      {'X', sheet.Cut, ButtonEnabled(windows::CutButton)},
      {'C', sheet.Copy, ButtonEnabled(windows::CopyButton)},
      {'V', sheet.Paste, ButtonEnabled(windows::PasteButton)},
      {'A', sheet.SelectAll, true},
  };
  for (const Row& r : rows)
    if (KeyCode == r.Key) {
      if (r.Allowed) Run(r.Item);
      return;
    }
}

void Edit_Click() {
  windows::SheetForm& sheet = windows::Sheet();
  bool any = false;
  for (int i = 1; i <= model::ElementsInUse(); ++i) any = any || G.Elements[i].Selected;
  sheet.Cut.Enabled = sheet.Copy.Enabled = any;
  ui::Platform& p = ui::platform();
  if (!p.ClipboardHasText()) return;
  sheet.Paste.Enabled = p.ClipboardText().starts_with(ClipPrefix);
}

void EraseSelected() {
  EndCommandInProgress(true);
  if (RemoveSelectedElements() > 0) {
    G.Modified = model::True;
    ShowTitle();
  }
  PushUndoState();
  model::RecalcProperties();
  view::RedrawDrawing();
}

void SelectAll_Click() {
  // A Move, Rotate or Mirror past its first click took its start values from the elements
  // selected then: an element that joined later would be moved from a stale preview, or
  // put back by Esc to a stale angle and mirror sign. End such a command first, as Esc.
  if (G.MoveBaseSet || G.PivotSet || G.MirrorFirstSet) EndCommandInProgress();
  for (int i = 1; i <= model::ElementsInUse(); ++i) G.Elements[i].Selected = model::True;
  view::RedrawDrawing();
}

}  // namespace editor
