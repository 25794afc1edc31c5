#include "editor/modes.h"

#include <algorithm>

#include "editor/bearing.h"
#include "editor/controls.h"
#include "editor/previews.h"
#include "editor/selection.h"
#include "editor/selection_click.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/quick_help.h"
#include "model/rounding.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::False;
using model::G;
using model::True;

namespace {

bool AnySelected() {
  for (int i = 1; i <= model::ElementsInUse(); ++i)
    if (Selected(i)) return true;
  return false;
}

// The preview starts where the element stands, so a commit before any pointer step
// leaves it there.
void PreviewFromPosition(int i) {
  const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
  G.PreviewPos[static_cast<size_t>(i)] = {static_cast<double>(e.PosX), static_cast<double>(e.PosY)};
}

void PositionFromPreview(int i) {
  model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
  e.PosX = model::RoundToInt32(G.PreviewPos[static_cast<size_t>(i)].x);
  e.PosY = model::RoundToInt32(G.PreviewPos[static_cast<size_t>(i)].y);
}

// The snap correction applied to an element's insertion point at the moment of the match.
void PositionFromSnap(int i) {
  model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
  const model::PointI origin = G.SnapOrigin[static_cast<size_t>(i)];
  e.PosX = origin.x - (G.SnapSourceX - G.SnapTargetX);
  e.PosY = origin.y - (G.SnapSourceY - G.SnapTargetY);
}

// A match counts only while the object snap is on: one found before it was switched off
// belongs to a search the user has since refused.
bool SnapPending() { return G.SnapFound != 0 && G.OSnapStatus != 0; }

// The ending of the Mirror, Rotate and Move commits.
void EndPointerCommit() {
  ForgetPointerOperation();
  MarkSectionChanged();
  windows::Sheet().CurrentObject.Text = "";
  SetCutCopyButtons(false);
  view::RedrawDrawing();
}

void FirstMirrorClick(float X, float Y) {
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    G.MirrorFirstSet = True;
    G.MirrorAxisX1 = X;
    G.MirrorAxisY1 = Y;
    G.MirrorStartAngle[static_cast<size_t>(i)] = G.Elements[static_cast<size_t>(i)].Angle;
    G.MirrorStartSign[static_cast<size_t>(i)] = G.Elements[static_cast<size_t>(i)].MirrorSign;
    PreviewFromPosition(i);
  }
  if (!G.MirrorFirstSet) G.MirrorMode = False;
  model::ShowQuickHelp("Now move cursor to preview mirror axis, then click in Drawing Area to Mirror object.");
}

void MirrorCommit() {
  G.MirrorFirstSet = G.MirrorMode = G.PreviewShown = False;
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    PositionFromPreview(i);
    G.Elements[static_cast<size_t>(i)].Selected = False;
  }
  EndPointerCommit();
}

void PivotClick(float X, float Y) {
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    OpenTextEntry();
    model::ShowQuickHelp("Now click drawing area to rotate object, or use Text Entry Area to right.");
    G.PivotSet = True;
    G.PivotX = X;
    G.PivotY = Y;
    const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    G.RotateStartAngle[static_cast<size_t>(i)] = e.Angle;
    G.RotateStartBearing[static_cast<size_t>(i)] = Bearing(e.PosX - G.PivotX, e.PosY - G.PivotY);
    PreviewFromPosition(i);
  }
  if (!G.PivotSet) G.RotateMode = False;
}

void RotateCommit() {
  ui::TextBox& entry = windows::Sheet().TextEntry;
  entry.BackColor = model::ButtonFace;
  entry.Text = "";
  entry.Locked = true;
  G.PivotSet = G.RotateMode = False;
  windows::Sheet().Label1.Visible = false;
  G.PreviewShown = G.RotatePreviewStarted = False;
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    PositionFromPreview(i);
    G.Elements[static_cast<size_t>(i)].Selected = False;
  }
  EndPointerCommit();
}

void MoveBaseClick(float X, float Y) {
  ui::TextBox& entry = windows::Sheet().TextEntry;
  entry.BackColor = model::ButtonFace;
  entry.Text = "";
  entry.Locked = true;
  model::ShowQuickHelp("Now click in Drawing Area for final location of object.");
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    G.MoveBaseSet = True;
    G.MoveBaseX = X;
    G.MoveBaseY = Y;
    PreviewFromPosition(i);
  }
  if (!G.MoveBaseSet) G.MoveMode = False;
}

void MoveCommit() {
  G.MoveBaseSet = G.MoveMode = False;
  windows::Sheet().Label1.Visible = false;
  G.PreviewShown = False;
  const bool snapped = SnapPending();
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    if (snapped)
      PositionFromSnap(i);
    else
      PositionFromPreview(i);
    G.Elements[static_cast<size_t>(i)].Selected = False;
  }
  EndPointerCommit();
}

void PlacingClick(float X, float Y) {
  const int c = G.CurrentElement;
  if (c < 1 || c > model::ElementsInUse()) {
    // Nothing that could be placed: leave the mode rather than touch another element.
    G.PlaceMode = False;
    return;
  }
  // An element not yet shown anywhere would be dropped where no preview put it: show it
  // at the click first, and place it only where it could be shown.
  if (!G.PlacementShown) {
    PlacingPreview(X, Y, true);
    if (!G.PlacementShown) return;
  }
  windows::SheetForm& sheet = windows::Sheet();
  G.PlaceMode = False;
  sheet.Label1.Visible = false;
  sheet.TextEntry.Text = "";
  ShutTextEntry();
  sheet.CurrentObject.Text = Designation(c);
  if (SnapPending()) PositionFromSnap(c);
  ForgetPointerOperation();
  MarkSectionChanged();
  view::RedrawDrawing();
}

}  // namespace

void Base_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  G.SnapChoice = 0;
  if (G.MirrorMode) {
    if (!G.MirrorFirstSet)
      FirstMirrorClick(X, Y);
    else
      MirrorCommit();
  } else if (G.RotateMode) {
    if (!G.PivotSet)
      PivotClick(X, Y);
    else
      RotateCommit();
  } else if (G.MoveMode) {
    if (!G.MoveBaseSet)
      MoveBaseClick(X, Y);
    else
      MoveCommit();
  } else if (G.PlaceMode) {
    PlacingClick(X, Y);
  } else {
    SelectionClick(X, Y);
  }
}

void BeginMove() {
  if (!AnySelected()) return;
  ForgetPointerOperation();
  OpenTextEntry();
  G.MoveMode = True;
  model::ShowQuickHelp("Click in Drawing Area to select Move base point or use Text Entry Area to right.");
}

void BeginRotate() {
  if (!AnySelected()) return;
  ForgetPointerOperation();
  model::ShowQuickHelp("Click in Drawing Area to set rotation pivot point.");
  G.RotateMode = True;
}

void BeginMirror() {
  if (!AnySelected()) return;
  ForgetPointerOperation();
  G.MirrorMode = True;
  model::ShowQuickHelp("Click in Drawing Area to set object Mirror base point.");
}

void CancelCommand() {
  const int n = model::ElementsInUse();
  if (G.MirrorMode && G.MirrorFirstSet)
    for (int i = 1; i <= n; ++i)
      if (Selected(i)) {
        G.Elements[static_cast<size_t>(i)].Angle = G.MirrorStartAngle[static_cast<size_t>(i)];
        G.Elements[static_cast<size_t>(i)].MirrorSign = G.MirrorStartSign[static_cast<size_t>(i)];
      }
  if (G.RotateMode && G.PivotSet)
    for (int i = 1; i <= n; ++i)
      if (Selected(i)) G.Elements[static_cast<size_t>(i)].Angle = G.RotateStartAngle[static_cast<size_t>(i)];
  G.MirrorMode = G.MirrorFirstSet = G.RotateMode = G.PivotSet = G.MoveMode = G.MoveBaseSet = False;
  G.SnapChoice = 0;
  for (int i = 1; i <= n; ++i) G.Elements[static_cast<size_t>(i)].Selected = False;
  SetCutCopyButtons(false);
  if (G.PlaceMode) {
    // Only the element being placed, the last one, is dropped.
    if (G.ElementCount >= 1 && G.CurrentElement == G.ElementCount)
      G.ElementCount = static_cast<int16_t>(G.ElementCount - 1);
    G.PlaceMode = False;
  }
  ForgetPointerOperation();
  // A torsion or warping case waiting for its next pick is no mode of the drawing area:
  // it waits on, and leaves by its pick, by Cancel in its prompt window or by the Tools
  // command.
  windows::SheetForm& sheet = windows::Sheet();
  sheet.Label1.Visible = false;
  G.PreviewShown = G.RotatePreviewStarted = False;
  ShutTextEntry();
  sheet.Base.SetFocus();
  sheet.CurrentObject.Text = "";
  view::RedrawDrawing();
}

}  // namespace editor
