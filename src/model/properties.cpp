#include "model/properties.h"

#include <cmath>
#include <cstdint>

#include "model/extents_centroid.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/inertia.h"
#include "model/number_text.h"
#include "model/plastic_moduli.h"
#include "model/rounding.h"
#include "model/scoped_flag.h"
#include "model/torsion_warping.h"
#include "ui/canvas.h"
#include "windows/sheet.h"

namespace model {

namespace {

constexpr double HalfPi = 3.14159265 / 2;
constexpr double ThreeHalvesPi = 4.712388975;
constexpr double TwoPi = 6.2831853;

// The principal angle in whole degrees, halves up.
float WholeDegrees(float phi) {
  float D = static_cast<float>(phi * 180.0 / Pi);
  RoundToDigits(D, 0);
  return D;
}

void SetCaptionColours(int32_t x_colour, int32_t y_colour) {
  windows::SheetForm& s = windows::Sheet();
  for (ui::Label* l : {&s.IxL, &s.SxL, &s.rxL, &s.ZxL}) l->ForeColor = x_colour;
  for (ui::Label* l : {&s.IyL, &s.SyL, &s.ryL, &s.ZyL}) l->ForeColor = y_colour;
}

// Dotted principal axes from the centroid, or the centroid cross.
void MarkDrawing() {
  const float cx = static_cast<float>(G.XMin + G.SecXBar);
  const float cy = static_cast<float>(G.YMin + G.SecYBar);
  ui::Canvas& base = windows::Sheet().Base;
  if (G.ShowPAxis == 1 && !G.RotAxis && ElementsInUse() >= 1) {
    const float D = WholeDegrees(G.SecPhi);
    const float p = static_cast<float>(D * Pi / 180);
    base.DrawStyle = ui::DrawStyleDot;
    base.Line(cx, cy, static_cast<float>(cx + 200 * std::cos(p)), static_cast<float>(cy + 200 * std::sin(p)), Blue);
    base.Line(cx, cy, static_cast<float>(cx + 200 * std::cos(p + 1.570796325)),
              static_cast<float>(cy + 200 * std::sin(p + 1.570796325)), Red);
    base.DrawStyle = ui::DrawStyleSolid;
    SetCaptionColours(Blue, Red);
    return;
  }
  SetCaptionColours(Black, Black);
  if (G.ShowCentroid == 1) {
    base.Line(cx - 10, cy, cx + 10, cy, Blue);
    base.Line(cx, cy + 10, cx, cy - 10, Blue);
  }
}

// Direction of the point (dx, dy) seen from the centroid, in [0, 2pi).
double Direction(double dx, double dy) {
  if (dy < 0 || dx < 0) {
    if (dx < 0 && dy >= 0) return HalfPi - std::fabs(std::atan(dy / (-dx))) + HalfPi;
    if (dx >= 0) {
      if (dx == 0) return HalfPi - 90 * Pi / 180 + ThreeHalvesPi;
      return HalfPi - std::atan(-dy / dx) + ThreeHalvesPi;
    }
    return std::atan(dy / dx) + Pi;
  }
  if (dx == 0) return (dy > 0 ? 1 : 0) * 90 * Pi / 180;
  return std::atan(dy / dx);
}

// Turns every insertion point about the centroid by -phi and every element with it,
// so that the principal axis lies along x; then computes the geometry again. The turned
// points are kept exact for the calculation: the stored whole-millimetre positions are
// never touched, so the section comes back exactly as drawn.
void PrincipalPass() {
  const float phi = G.SecPhi;
  const float cx = static_cast<float>(G.XMin + G.SecXBar);
  const float cy = static_cast<float>(G.YMin + G.SecYBar);
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) {
    ElementRecord& e = G.Elements[i];
    G.PrincipalBackup[i] = {static_cast<float>(e.PosX), static_cast<float>(e.PosY), e.Angle};
    const double dx = e.PosX - static_cast<double>(cx);
    const double dy = e.PosY - static_cast<double>(cy);
    const double theta = Direction(dx, dy);
    const float r = static_cast<float>(std::pow(dy * dy + dx * dx, 0.5));
    G.TurnedPoints[i].X = e.PosX + r * std::cos(theta - phi) - r * std::cos(theta);
    G.TurnedPoints[i].Y = e.PosY - (r * std::sin(theta) - r * std::sin(theta - phi));
    e.Angle = e.Angle - e.MirrorSign * static_cast<double>(phi);
    if (e.Angle >= TwoPi) e.Angle = e.Angle - TwoPi;
  }
  G.PrincipalTurned = True;
  windows::Sheet().Phi.Caption = NumberText(WholeDegrees(G.SecPhi));
  ComputeExtents();
  ShowDepth();
  ShowWidth();
  ComputeCentroid();
  ComputeInertia();
}

void RestoreElements() {
  G.PrincipalTurned = False;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) G.Elements[i].Angle = G.PrincipalBackup[i].Angle;
}

}  // namespace

void RecalcProperties() {
  // Never inside another: the outer one may have turned the elements, and a second pass
  // would take the turned angles for the ones to restore.
  if (G.Recalculating) return;
  const ScopedFlag recalculating(G.Recalculating);
  G.SecPhi = 0;
  ShowArea();
  ComputeExtents();
  ShowDepth();
  ShowWidth();
  ComputeCentroid();
  ComputeInertia();
  MarkDrawing();
  if (!G.RotAxis) PrincipalPass();
  ShowSectionModuli();
  ShowRadiiOfGyration();
  ComputePlasticModuli();
  ShowTorsionConstant();
  // The warping constant reads neither positions nor angles, so it comes after the
  // elements are back: its channel case shows a message box, and nothing may wait on
  // that box with the section turned.
  if (!G.RotAxis) RestoreElements();
  ShowWarpingConstant();
}

}  // namespace model
