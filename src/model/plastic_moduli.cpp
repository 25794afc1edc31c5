#include "model/plastic_moduli.h"

#include <algorithm>
#include <cmath>

#include "model/globals.h"
#include "model/guards.h"
#include "model/plastic_components.h"
#include "model/result_display.h"

namespace model {

namespace {

// A placed point of an element, each coordinate held as a single.
struct Point {
  float x, y;
};

Point Place(const ElementRecord& e, double u, double v) {
  const double m = e.MirrorSign, a = e.Angle;
  const double mc = m * std::cos(a), ms = m * std::sin(a);
  return {static_cast<float>(e.PosX + mc * u - ms * v), static_cast<float>(e.PosY + u * std::sin(a) + v * std::cos(a))};
}

// Area and first moment about h = 0 of the part of a piece with h >= 0, and the length
// of its cut along the axis.
struct Side {
  double area = 0, moment = 0, chord = 0;
};

// Polygon (w, h) with h measured from the axis, clipped to h >= 0.
Side PolygonAbove(const PlasticPiece& p, double axis) {
  double cw[8], ch[8];
  int n = 0;
  double cutMin = 0, cutMax = 0;
  bool cut = false;
  auto onAxis = [&](double w) {
    if (!cut) {
      cutMin = cutMax = w;
      cut = true;
    } else {
      cutMin = std::min(cutMin, w);
      cutMax = std::max(cutMax, w);
    }
  };
  // Shift along the axis too, so the products below stay small.
  const double w0 = p.W[0];
  for (int k = 0; k < 4; ++k) {
    const int j = (k + 1) % 4;
    const double hk = p.H[k] - axis, hj = p.H[j] - axis;
    const double wk = p.W[k] - w0, wj = p.W[j] - w0;
    if (hk >= 0) {
      cw[n] = wk;
      ch[n] = hk;
      ++n;
      if (hk == 0) onAxis(wk);
    }
    if ((hk >= 0) != (hj >= 0)) {
      const double w = wk + (wj - wk) * (0 - hk) / (hj - hk);
      cw[n] = w;
      ch[n] = 0;
      ++n;
      onAxis(w);
    }
  }
  Side s;
  for (int k = 0; k < n; ++k) {
    const int j = (k + 1) % n;
    const double cross = cw[k] * ch[j] - cw[j] * ch[k];
    s.area += cross;
    s.moment += (ch[k] + ch[j]) * cross;
  }
  s.area = s.area / 2 * p.Orientation;
  s.moment = s.moment / 6 * p.Orientation;
  s.chord = cut ? cutMax - cutMin : 0;
  return s;
}

// The circle's segment beyond the axis, by the exact segment formulas.
Side CircleAbove(const PlasticPiece& p, double axis) {
  const double R = p.Radius, k = axis - p.CentreH;  // axis above the centre by k
  Side s;
  if (k >= R) return s;
  if (k <= -R) {
    s.area = p.Area;
    s.moment = p.Area * (p.CentreH - axis);
    return s;
  }
  const double q = R * R - k * k;
  const double half = std::sqrt(q);
  s.area = R * R * std::acos(k / R) - k * half;
  s.moment = 2.0 / 3.0 * q * half - k * s.area;
  s.chord = 2 * half;
  return s;
}

Side Above(const PlasticPiece& p, double axis) {
  if (p.HMin >= axis) return {p.Area, p.Area * (p.CentroidH - axis), 0};
  if (p.HMax <= axis) return {};
  return p.Circle ? CircleAbove(p, axis) : PolygonAbove(p, axis);
}

double Signed(const PlasticPiece& p, double v) { return p.Hole ? -v : v; }

// |first moment| of one piece about the axis: the part above plus the part below.
double PieceModulus(const PlasticPiece& p, double axis) {
  const double whole = p.Area * (p.CentroidH - axis);
  if (p.HMin >= axis) return whole;
  if (p.HMax <= axis) return -whole;
  return 2 * Above(p, axis).moment - whole;
}

PlasticPiece RectPiece(const Point (&q)[4], bool across_y) {
  PlasticPiece p;
  for (int k = 0; k < 4; ++k) {
    p.H[k] = across_y ? q[k].y : q[k].x;
    p.W[k] = across_y ? q[k].x : q[k].y;
  }
  double area = 0, moment = 0;
  for (int k = 0; k < 4; ++k) {
    const int j = (k + 1) % 4;
    const double cross = (p.W[k] - p.W[0]) * (p.H[j] - p.H[0]) - (p.W[j] - p.W[0]) * (p.H[k] - p.H[0]);
    area += cross;
    moment += (p.H[k] - p.H[0] + p.H[j] - p.H[0]) * cross;
  }
  p.Orientation = area < 0 ? -1 : 1;
  p.Area = std::fabs(area) / 2;
  p.CentroidH = p.Area > 0 ? p.H[0] + moment / 6 * p.Orientation / p.Area : p.H[0];
  p.HMin = *std::min_element(p.H, p.H + 4);
  p.HMax = *std::max_element(p.H, p.H + 4);
  return p;
}

PlasticPiece CirclePiece(Point centre, double radius, bool hole, bool across_y) {
  PlasticPiece p;
  p.Circle = true;
  p.Hole = hole;
  p.Radius = radius;
  p.CentreH = across_y ? centre.y : centre.x;
  // pi as the system takes it: a circle wholly to one side of the axis adds R^2 pi |c - axis|.
  p.Area = p.Radius * p.Radius * Pi;
  p.CentroidH = p.CentreH;
  p.HMin = p.CentreH - p.Radius;
  p.HMax = p.CentreH + p.Radius;
  return p;
}

bool Usable(const PlasticPiece& p) {
  if (!std::isfinite(p.Area) || !std::isfinite(p.CentroidH) || !std::isfinite(p.HMin) || !std::isfinite(p.HMax))
    return false;
  for (int k = 0; k < 4; ++k)
    if (!std::isfinite(p.W[k])) return false;
  return true;
}

// Both views of every component of the section, in element and component order. A
// component without area takes no part; a non-number anywhere leaves `ok` false.
void BuildPieces(std::vector<PlasticPiece>& across_y, std::vector<PlasticPiece>& across_x, bool& ok) {
  ok = true;
  const int n = ElementsInUse();
  PlasticComponent comps[MaxPlasticComponents];
  for (int i = 1; i <= n; ++i) {
    const ElementRecord& e = G.Elements[i];
    const int count = PlasticComponentsOf(e, comps);
    bool lastKept = false;
    for (int c = 0; c < count; ++c) {
      const PlasticComponent& k = comps[c];
      PlasticPiece py, px;
      if (k.Circle) {
        // A circle of no positive radius has no area: a wall as thick as half the
        // diameter leaves no bore.
        const Point centre = Place(e, e.Depth / 2.0, e.Depth / 2.0);
        const double r = k.Radius > 0 ? k.Radius : 0.0;
        py = CirclePiece(centre, r, k.Hole, true);
        px = CirclePiece(centre, r, k.Hole, false);
      } else {
        // Round the outline: (ua, va), (ub, va), (ub, vb), (ua, vb).
        const Point q[4] = {Place(e, k.U0, k.V0), Place(e, k.U1, k.V0), Place(e, k.U1, k.V1), Place(e, k.U0, k.V1)};
        py = RectPiece(q, true);
        px = RectPiece(q, false);
      }
      if (!Usable(py) || !Usable(px)) {
        ok = false;
        return;
      }
      // A component without area takes no part, and a bore only with its circle.
      const bool keep = py.Area > 0 && (!k.Hole || lastKept);
      lastKept = keep;
      if (!keep) continue;
      across_y.push_back(py);
      across_x.push_back(px);
    }
  }
}

}  // namespace

bool BuildPlasticPieces(bool across_y, std::vector<PlasticPiece>& pieces) {
  std::vector<PlasticPiece> other;
  bool ok = true;
  if (across_y) {
    BuildPieces(pieces, other, ok);
  } else {
    BuildPieces(other, pieces, ok);
  }
  return ok;
}

bool EqualAreaAxis(const std::vector<PlasticPiece>& pieces, double& axis) {
  double total = 0, lo = 0, hi = 0;
  bool first = true;
  for (const PlasticPiece& p : pieces) {
    total += Signed(p, p.Area);
    if (first || p.HMin < lo) lo = p.HMin;
    if (first || p.HMax > hi) hi = p.HMax;
    first = false;
  }
  if (!(total > 0) || !std::isfinite(total)) return false;
  const double half = total / 2;
  // f falls from +half at the bottom to -half at the top; its slope is minus the
  // length of the cut. Newton's steps, kept inside the bracket by halving.
  auto f = [&](double h, double& slope) {
    double above = 0, chord = 0;
    for (const PlasticPiece& p : pieces) {
      const Side s = Above(p, h);
      above += Signed(p, s.area);
      chord += Signed(p, s.chord);
    }
    slope = -chord;
    return above - half;
  };
  const double tol = 1e-10 * (std::fabs(lo) + std::fabs(hi) + (hi - lo) + 1);
  double x = (lo + hi) / 2;
  for (int iter = 0; iter < 200; ++iter) {
    double slope = 0;
    const double fx = f(x, slope);
    if (fx == 0) break;
    if (fx > 0) {
      lo = x;
    } else {
      hi = x;
    }
    double next = slope < 0 ? x - fx / slope : (lo + hi) / 2;
    if (!(next > lo && next < hi)) next = (lo + hi) / 2;
    const double step = std::fabs(next - x);
    x = next;
    if (step <= tol || hi - lo <= tol) break;
  }
  axis = x;
  return true;
}

float PlasticModulusAbout(const std::vector<PlasticPiece>& pieces, double axis) {
  float z = 0, beforeHole = 0;
  for (const PlasticPiece& p : pieces) {
    if (!p.Hole) {
      z = static_cast<float>(z + PieceModulus(p, axis));
      beforeHole = z;
      continue;
    }
    // The bore is added like the circle round it and then taken off twice.
    z = static_cast<float>(z + PieceModulus(p, axis));
    z = static_cast<float>(z - 2.0 * (static_cast<double>(z) - beforeHole));
  }
  return FiniteSingle(z);
}

void ComputePlasticModuli() {
  G.SecZx = 0;
  G.SecZy = 0;
  std::vector<PlasticPiece> acrossY, acrossX;
  acrossY.reserve(MaxElements * MaxPlasticComponents);
  acrossX.reserve(MaxElements * MaxPlasticComponents);
  bool ok = true;
  BuildPieces(acrossY, acrossX, ok);
  double axis = 0;
  if (ok && EqualAreaAxis(acrossY, axis)) G.SecZx = PlasticModulusAbout(acrossY, axis);
  if (ok && EqualAreaAxis(acrossX, axis)) G.SecZy = PlasticModulusAbout(acrossX, axis);
  ShowResult(ResultItem::Zx, G.SecZx);
  ShowResult(ResultItem::Zy, G.SecZy);
}

}  // namespace model
