#include "editor/previews.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "editor/bearing.h"
#include "editor/preview_support.h"
#include "editor/selection.h"
#include "editor/snap.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "view/element_draw.h"
#include "windows/sheet.h"

namespace editor {

using model::False;
using model::G;
using model::True;

namespace {

constexpr double TwoPi = 6.2831853;

using Positions = std::array<model::PointD, model::MaxElements + 1>;

int32_t R(double v) { return model::RoundToInt32(v); }

// The overlap test of element i at (x, y); the flag starts clear so that only this test
// decides.
bool Overlaps(int32_t x, int32_t y, int i) {
  G.OverlapFound = False;
  view::TestElementOverlap(x, y, i);
  return G.OverlapFound != 0;
}

// The frozen preview of a hold is erased once the pointer reaches a free place again.
void ReleaseHold(bool placing) {
  if (!G.PreviewHeld) return;
  if (placing) {
    const model::PointD p = G.HeldPreviewPos[static_cast<size_t>(G.CurrentElement)];
    view::EraseElement(R(p.x), R(p.y), G.CurrentElement);
  } else {
    for (int i = 1; i <= model::ElementsInUse(); ++i)
      if (Selected(i))
        view::EraseElement(R(G.HeldPreviewPos[static_cast<size_t>(i)].x), R(G.HeldPreviewPos[static_cast<size_t>(i)].y),
                           i);
  }
  G.PreviewHeld = False;
}

// A hold keeps the positions of its first overlapping step.
void BeginHold(const Positions& prior, int from, int to) {
  if (G.PreviewHeld) return;
  for (int i = from; i <= to; ++i) G.HeldPreviewPos[static_cast<size_t>(i)] = prior[static_cast<size_t>(i)];
  G.PreviewHeld = True;
}

// Moving and rotating on an overlap: the selection stays at its last free preview.
void HoldSelection(const Positions& prior) {
  BeginHold(prior, 1, model::ElementsInUse());
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    if (!e.Selected) {
      view::DrawElement(e.PosX, e.PosY, i, model::Black);
    } else {
      G.PreviewPos[static_cast<size_t>(i)] = prior[static_cast<size_t>(i)];
      view::DrawElement(R(prior[static_cast<size_t>(i)].x), R(prior[static_cast<size_t>(i)].y), i, model::Red);
    }
  }
  G.OverlapFound = False;
}

Positions CopyPreviews() {
  Positions prior{};
  for (int i = 1; i <= model::ElementsInUse(); ++i)
    prior[static_cast<size_t>(i)] = G.PreviewPos[static_cast<size_t>(i)];
  return prior;
}

// The pointer's bearing from a centre cut to whole degrees.
struct WholeBearing {
  int degrees;
  double radians;
};
WholeBearing BearingFrom(float X, float Y, double cx, double cy) {
  const double bearing = Bearing(X - cx, Y - cy);
  const int n = static_cast<int>(std::floor(bearing * 180 / model::Pi));
  return {n, n * model::Pi / 180};
}

}  // namespace

void PlacingPreview(float X, float Y, bool force) {
  const int c = G.CurrentElement;
  if (c < 1 || c > model::ElementsInUse()) return;
  model::ElementRecord& e = G.Elements[static_cast<size_t>(c)];
  ShowGhostTip();
  const int32_t step = GhostStep();
  if (!force && !StepAccepted(X, Y, step)) return;
  Positions prior{};
  prior[static_cast<size_t>(c)] = G.PreviewPos[static_cast<size_t>(c)];
  MoveGhost(X, Y, step);
  G.PreviewPos[static_cast<size_t>(c)] = {static_cast<double>(G.GhostX), static_cast<double>(G.GhostY)};
  // The search takes the element where the last step left it; before its first shown
  // step that is wherever its record stood, a place this placement never showed.
  if (G.OSnapStatus != 0) {
    PlotSnapMarkers(model::White);
    if (G.PlacementShown) FindObjectSnap();
  }
  // The frozen black copy of a hold would block the element's own test: take it away
  // first (the overlap branch draws it again).
  if (G.PreviewHeld) {
    const model::PointD held = G.HeldPreviewPos[static_cast<size_t>(c)];
    view::EraseElement(R(held.x), R(held.y), c);
  }
  DrawAllElementsBut(c);
  const bool overlap = G.OLapStatus != 0 && Overlaps(G.GhostX, G.GhostY, c);
  if (!overlap) {
    ReleaseHold(true);
    view::EraseElement(G.PrevGhostX, G.PrevGhostY, c);
    view::DrawElement(G.GhostX, G.GhostY, c, model::Red);
    if (G.SnapFound) PlotSnapMarkers(model::Red);
    e.PosX = G.GhostX;
    e.PosY = G.GhostY;
    G.PlacementShown = True;
  } else {
    BeginHold(prior, c, c);
    DrawAllElementsBut(0);
    G.OverlapFound = False;
  }
  RepairGrid(c, G.PrevGhostX, G.PrevGhostY);
}

void MovePreview(float X, float Y) {
  if (!G.PreviewShown) {
    G.PreviewShown = True;
    for (int i = 1; i <= model::ElementsInUse(); ++i)
      if (Selected(i))
        view::EraseElement(G.Elements[static_cast<size_t>(i)].PosX, G.Elements[static_cast<size_t>(i)].PosY, i);
  }
  ShowGhostTip();
  const int32_t step = GhostStep();
  if (!StepAccepted(X, Y, step)) return;
  const Positions prior = CopyPreviews();
  if (G.OSnapStatus != 0) PlotSnapMarkers(model::White);
  MoveGhost(X, Y, step);
  const double dx = G.GhostX - G.MoveBaseX, dy = G.GhostY - G.MoveBaseY;
  const double pdx = G.PrevGhostX - G.MoveBaseX, pdy = G.PrevGhostY - G.MoveBaseY;
  DrawStayingElements();
  bool overlap = false;
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    model::PointD& preview = G.PreviewPos[static_cast<size_t>(i)];
    preview = {e.PosX + dx, e.PosY + dy};
    if (G.OLapStatus != 0 && Overlaps(R(preview.x), R(preview.y), i)) {
      overlap = true;
      break;
    }
    ReleaseHold(false);
    view::EraseElement(R(e.PosX + pdx), R(e.PosY + pdy), i);
    view::DrawElement(R(preview.x), R(preview.y), i, model::Red);
  }
  if (!overlap) {
    if (G.OSnapStatus != 0) {
      BuildSnapPoints();
      FindObjectSnap();
    }
    if (G.SnapFound) PlotSnapMarkers(model::Red);
  } else {
    HoldSelection(prior);
  }
  for (int j = 1; j <= model::ElementsInUse(); ++j)
    if (Selected(j))
      RepairGrid(j, G.Elements[static_cast<size_t>(j)].PosX + pdx, G.Elements[static_cast<size_t>(j)].PosY + pdy);
}

void RotatePreview(float X, float Y) {
  if (!G.PreviewShown) {
    G.PreviewShown = True;
    for (int i = 1; i <= model::ElementsInUse(); ++i)
      if (Selected(i))
        view::DrawElement(G.Elements[static_cast<size_t>(i)].PosX, G.Elements[static_cast<size_t>(i)].PosY, i,
                          model::Red);
  }
  if (X == G.PivotX || Y == G.PivotY) return;
  if (!G.RotatePreviewStarted) {
    G.RotatePreviewStarted = True;
    for (int i = 1; i <= model::ElementsInUse(); ++i)
      if (Selected(i))
        view::EraseElement(G.Elements[static_cast<size_t>(i)].PosX, G.Elements[static_cast<size_t>(i)].PosY, i);
  }
  const Positions prior = CopyPreviews();
  const WholeBearing b = BearingFrom(X, Y, G.PivotX, G.PivotY);
  const int snap = std::max<int>(G.RotateSnap, 1);
  if (b.degrees % snap != 0) return;
  G.PrevGhostX = G.GhostX;
  G.PrevGhostY = G.GhostY;
  G.GhostX = R(X);
  G.GhostY = R(Y);
  ShowTip(model::NumberText(b.degrees) + " Degrees");
  DrawStayingElements();
  // The angles of this step, so that a hit puts the whole selection back as it stood.
  std::array<double, model::MaxElements + 1> angles{};
  for (int i = 1; i <= model::ElementsInUse(); ++i)
    angles[static_cast<size_t>(i)] = G.Elements[static_cast<size_t>(i)].Angle;
  bool overlap = false;
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    model::PointD& preview = G.PreviewPos[static_cast<size_t>(i)];
    const double b0 = G.RotateStartBearing[static_cast<size_t>(i)];
    const double ex = e.PosX - G.PivotX, ey = e.PosY - G.PivotY;
    const double r = std::sqrt(ex * ex + ey * ey);
    view::EraseElement(R(preview.x), R(preview.y), i);
    preview = {e.PosX - r * std::cos(b0) + r * std::cos(b0 + b.radians),
               e.PosY - r * std::sin(b0) + r * std::sin(b0 + b.radians)};
    double angle = G.RotateStartAngle[static_cast<size_t>(i)] + e.MirrorSign * b.radians;
    if (angle >= TwoPi) angle -= TwoPi;
    e.Angle = angle;
    if (G.OLapStatus != 0 && Overlaps(R(preview.x), R(preview.y), i)) {
      for (int k = 1; k <= i; ++k) G.Elements[static_cast<size_t>(k)].Angle = angles[static_cast<size_t>(k)];
      overlap = true;
      break;
    }
    ReleaseHold(false);
    view::DrawElement(R(preview.x), R(preview.y), i, model::Red);
  }
  if (overlap) HoldSelection(prior);
  for (int j = 1; j <= model::ElementsInUse(); ++j)
    if (Selected(j)) RepairGrid(j, R(prior[static_cast<size_t>(j)].x), R(prior[static_cast<size_t>(j)].y));
}

void MirrorPreview(float X, float Y) {
  const float X1 = G.MirrorAxisX1, Y1 = G.MirrorAxisY1;
  if (X == X1 || Y == Y1) return;
  const Positions prior = CopyPreviews();
  const WholeBearing b = BearingFrom(X, Y, X1, Y1);
  G.PrevGhostX = G.GhostX;
  G.PrevGhostY = G.GhostY;
  G.GhostX = R(X);
  G.GhostY = R(Y);
  DrawStayingElements();
  const bool vertical = (b.degrees >= 45 && b.degrees <= 135) || (b.degrees >= 225 && b.degrees <= 315);
  ui::PictureBox& base = windows::Sheet().Base;
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Selected(i)) continue;
    model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    model::PointD& preview = G.PreviewPos[static_cast<size_t>(i)];
    view::EraseElement(R(preview.x), R(preview.y), i);
    e.MirrorSign = static_cast<int16_t>(-G.MirrorStartSign[static_cast<size_t>(i)]);
    base.DrawStyle = ui::DrawStyleDot;
    if (vertical) {
      e.Angle = G.MirrorStartAngle[static_cast<size_t>(i)];
      preview = {2.0 * X1 - e.PosX, static_cast<double>(e.PosY)};
      base.Line(base.ScaleLeft, Y1, base.ScaleLeft + base.ScaleWidth, Y1, model::White);
      base.Line(X1, base.ScaleTop, X1, base.ScaleTop + base.ScaleHeight, model::Blue);
    } else {
      double angle = G.MirrorStartAngle[static_cast<size_t>(i)] + model::Pi;
      if (angle >= TwoPi) angle -= TwoPi;
      e.Angle = angle;
      preview = {static_cast<double>(e.PosX), 2.0 * Y1 - e.PosY};
      base.Line(X1, base.ScaleTop, X1, base.ScaleTop + base.ScaleHeight, model::White);
      base.Line(base.ScaleLeft, Y1, base.ScaleLeft + base.ScaleWidth, Y1, model::Blue);
    }
    base.DrawStyle = ui::DrawStyleSolid;
    view::DrawElement(R(preview.x), R(preview.y), i, model::Red);
  }
  for (int j = 1; j <= model::ElementsInUse(); ++j)
    if (Selected(j)) RepairGrid(j, R(prior[static_cast<size_t>(j)].x), R(prior[static_cast<size_t>(j)].y));
}

}  // namespace editor
