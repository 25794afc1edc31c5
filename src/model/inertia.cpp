#include "model/inertia.h"

#include <cmath>

#include "model/globals.h"
#include "model/guards.h"
#include "model/placement.h"
#include "model/result_display.h"

namespace model {

namespace {

constexpr double TwoPi = 6.2831853;

// Sgn of a single: -1, 0 or +1.
double Sgn(float v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

// The angle in [0, 2pi) of the axis about which the moment is the larger one.
float PrincipalAngle() {
  float phi = 0;
  const float delta = G.SecIx - G.SecIy;
  if (delta == 0) {
    phi = static_cast<float>(Sgn(static_cast<float>(-2.0 * G.SecIxy)) * 282.7433385 / 180 / 2);
  } else {
    phi = static_cast<float>(std::atan(-2.0 * G.SecIxy / (static_cast<double>(G.SecIx) - G.SecIy)) / 2);
  }
  if (!std::isfinite(phi)) phi = 0;
  if (phi >= static_cast<float>(TwoPi)) {
    phi = static_cast<float>(phi - TwoPi);
  } else if (phi < 0) {
    phi = static_cast<float>(phi + TwoPi);
  }
  if (G.SecIy > G.SecIx) phi = static_cast<float>(phi + 3.14159265 / 2);
  if (phi >= static_cast<float>(TwoPi)) phi = static_cast<float>(phi - TwoPi);
  return phi;
}

}  // namespace

float AngleOwnProduct(const ElementRecord& e) {
  const double d = e.Depth, b = e.Width, t = e.FlangeThickness, cx = e.CentroidX, cy = e.CentroidY;
  // The leg t by (d - t) standing on the leg b by t, each about the angle's centroid.
  const double local = ((d - t) / 2 + t - cy) * (d - t) * t * (t / 2 - cx) + (t / 2 - cy) * (b * t) * (b / 2 - cx);
  return static_cast<float>(e.MirrorSign == -1 ? -local : local);
}

void ComputeInertia() {
  G.SecIx = G.SecIy = G.SecIxy = G.SecPhi = 0;
  const int n = ElementsInUse();
  float ix = 0, iy = 0, ixy = 0;
  for (int i = 1; i <= n; ++i) {
    const ElementRecord& e = G.Elements[i];
    const double A = e.Angle, m = e.MirrorSign, Ar = e.ElemArea, Ix0 = e.ElemIx, Iy0 = e.ElemIy;
    const double cx = e.CentroidX, cy = e.CentroidY;
    const float theta = static_cast<float>(e.MirrorSign == -1 ? A : -A);
    const double P = e.ShapeType == 8 ? AngleOwnProduct(e) : 0.0f;
    const double c = std::cos(2.0 * theta), s = std::sin(2.0 * theta);
    ix = static_cast<float>(ix + (Ix0 + Iy0) / 2 + (Ix0 - Iy0) / 2 * c - P * s);
    const DrawingPoint pos = InsertionPoint(i);
    const float yc = static_cast<float>(cx * std::sin(A) + pos.y + cy * std::cos(A) - G.YMin);
    const double dy = static_cast<double>(G.SecYBar) - yc;
    ix = static_cast<float>(ix + dy * dy * Ar);
    iy = static_cast<float>(iy + (Ix0 + Iy0) / 2 - (Ix0 - Iy0) / 2 * c + P * s);
    const float xc = static_cast<float>(m * cx * std::cos(A) + pos.x - m * cy * std::sin(A) - G.XMin);
    const double dx = static_cast<double>(G.SecXBar) - xc;
    iy = static_cast<float>(iy + dx * dx * Ar);
    ixy = static_cast<float>(ixy + (Ix0 - Iy0) / 2 * s + P * c +
                             (static_cast<double>(yc) - G.SecYBar) * Ar * (static_cast<double>(xc) - G.SecXBar));
  }
  G.SecIx = FiniteSingle(ix);
  G.SecIy = FiniteSingle(iy);
  G.SecIxy = FiniteSingle(ixy);
  if (n >= 1) G.SecPhi = PrincipalAngle();
  ShowResult(ResultItem::Ix, G.SecIx);
  ShowResult(ResultItem::Iy, G.SecIy);
}

void ShowSectionModuli() {
  if (ElementsInUse() < 1) {
    G.SecSx = 0;
    G.SecSy = 0;
  } else {
    // The extreme fibre is the farther box edge; a zero distance leaves the modulus 0.
    const float above = G.SecDepth - G.SecYBar;
    const double cy = above <= G.SecYBar ? G.SecYBar : above;
    G.SecSx = cy == 0 ? 0.0f : FiniteSingle(G.SecIx / cy);
    const float right = G.SecWidth - G.SecXBar;
    const double cx = right <= G.SecXBar ? G.SecXBar : right;
    G.SecSy = cx == 0 ? 0.0f : FiniteSingle(G.SecIy / cx);
  }
  ShowResult(ResultItem::Sx, G.SecSx);
  ShowResult(ResultItem::Sy, G.SecSy);
}

void ShowRadiiOfGyration() {
  if (ElementsInUse() < 1) {
    G.SecRx = 0;
    G.SecRy = 0;
  } else {
    // No area, or a negative moment, has no radius of gyration.
    auto radius = [](float I) {
      if (!(G.SecArea > 0)) return 0.0f;
      const double q = I / static_cast<double>(G.SecArea);
      return q >= 0 ? FiniteSingle(std::pow(q, 0.5)) : 0.0f;
    };
    G.SecRx = radius(G.SecIx);
    G.SecRy = radius(G.SecIy);
  }
  ShowResult(ResultItem::Rx, G.SecRx);
  ShowResult(ResultItem::Ry, G.SecRy);
}

}  // namespace model
