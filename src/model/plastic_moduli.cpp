#include "model/plastic_moduli.h"

#include <algorithm>
#include <cmath>

#include "model/globals.h"
#include "model/guards.h"
#include "model/placement.h"
#include "model/plastic_clip.h"
#include "model/plastic_components.h"
#include "model/result_display.h"

namespace model {

namespace {

// A placed point of an element, each coordinate held as a single.
struct Point {
  float x, y;
};

// The placement of one element's local points about its insertion point `at`, its sine
// and cosine taken once.
struct Placement {
  Placement(const ElementRecord& e, const DrawingPoint& at)
      : x(at.x),
        y(at.y),
        mc(e.MirrorSign * std::cos(e.Angle)),
        ms(e.MirrorSign * std::sin(e.Angle)),
        c(std::cos(e.Angle)),
        s(std::sin(e.Angle)) {}
  Point operator()(double u, double v) const {
    return {static_cast<float>(x + mc * u - ms * v), static_cast<float>(y + u * s + v * c)};
  }
  double x, y, mc, ms, c, s;
};

// The circle's segment beyond the axis, by the exact segment formulas.
ClipSide CircleAbove(const PlasticPiece& p, double axis) {
  const double R = p.Radius, k = axis - p.CentreH;  // axis above the centre by k
  ClipSide s;
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

ClipSide Above(const PlasticPieces& all, const PlasticPiece& p, double axis) {
  if (p.HMin >= axis) return {p.Area, p.Area * (p.CentroidH - axis), 0};
  if (p.HMax <= axis) return {};
  if (p.Circle) return CircleAbove(p, axis);
  return PolygonAbove(all.H.data() + p.First, all.W.data() + p.First, p.Count, axis, p.Orientation, p.Convex);
}

double Signed(const PlasticPiece& p, double v) { return p.Hole ? -v : v; }

// |first moment| of one piece about the axis: the part above plus the part below.
double PieceModulus(const PlasticPieces& all, const PlasticPiece& p, double axis) {
  const double whole = p.Area * (p.CentroidH - axis);
  if (p.HMin >= axis) return whole;
  if (p.HMax <= axis) return -whole;
  return 2 * Above(all, p, axis).moment - whole;
}

// Both views of one placed polygon, its corners appended to each view's lists. False
// when a coordinate is not a number.
bool PolygonPieces(PlasticPieces& across_y, PlasticPieces& across_x, const Point* q, int n, const PlasticComponent& k,
                   PlasticPiece& py, PlasticPiece& px) {
  const size_t first = across_y.H.size();
  across_y.H.resize(first + static_cast<size_t>(n));
  across_y.W.resize(first + static_cast<size_t>(n));
  across_x.H.resize(first + static_cast<size_t>(n));
  across_x.W.resize(first + static_cast<size_t>(n));
  double* y = across_y.H.data() + first;
  double* x = across_y.W.data() + first;
  bool finite = true;
  for (int i = 0; i < n; ++i) {
    x[i] = q[i].x;
    y[i] = q[i].y;
    finite = finite && std::isfinite(q[i].x) && std::isfinite(q[i].y);
  }
  std::copy(x, x + n, across_x.H.data() + first);
  std::copy(y, y + n, across_x.W.data() + first);
  PolygonShape sy, sx;
  ShapesOfPolygon(x, y, n, sy, sx);
  auto piece = [&](const PolygonShape& s, const double* h, PlasticPiece& p) {
    p = PlasticPiece{};
    p.Hole = k.Hole;
    p.Convex = k.Convex;
    p.First = static_cast<int>(first);
    p.Count = n;
    p.Orientation = s.Orientation;
    p.Area = s.Area;
    p.CentroidH = s.CentroidH;
    const auto [lo, hi] = std::minmax_element(h, h + n);
    p.HMin = *lo;
    p.HMax = *hi;
  };
  piece(sy, y, py);
  piece(sx, x, px);
  return finite;
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
  return std::isfinite(p.Area) && std::isfinite(p.CentroidH) && std::isfinite(p.HMin) && std::isfinite(p.HMax);
}

// Drops the last piece's corners again.
void Unwind(PlasticPieces& all, const PlasticPiece& p) {
  all.H.resize(static_cast<size_t>(p.First));
  all.W.resize(static_cast<size_t>(p.First));
}

// Both views of every component of the section, in element and component order. A
// component without area takes no part; a non-number anywhere leaves `ok` false.
void BuildPieces(PlasticPieces& across_y, PlasticPieces& across_x, bool& ok) {
  ok = true;
  const int n = ElementsInUse();
  PlasticOutline outline;
  Point placed[MaxOutlineVertices];
  for (int i = 1; i <= n; ++i) {
    const ElementRecord& e = G.Elements[i];
    PlasticOutlineOf(e, outline);
    const Placement place(e, InsertionPoint(i));
    bool lastKept = false;
    for (int c = 0; c < outline.PartCount; ++c) {
      const PlasticComponent& k = outline.Parts[c];
      PlasticPiece py, px;
      bool finite = true;
      if (k.Circle) {
        // A circle of no positive radius has no area: a wall as thick as half the
        // diameter leaves no bore.
        const Point centre = place(e.Depth / 2.0, e.Depth / 2.0);
        const double r = k.Radius > 0 ? k.Radius : 0.0;
        py = CirclePiece(centre, r, k.Hole, true);
        px = CirclePiece(centre, r, k.Hole, false);
      } else {
        for (int v = 0; v < k.Count; ++v) placed[v] = place(outline.U[k.First + v], outline.V[k.First + v]);
        finite = PolygonPieces(across_y, across_x, placed, k.Count, k, py, px);
      }
      if (!finite || !Usable(py) || !Usable(px)) {
        ok = false;
        return;
      }
      // A component without area takes no part, and a bore only with its circle.
      const bool keep = py.Area > 0 && (!k.Hole || lastKept);
      lastKept = keep;
      if (!keep) {
        Unwind(across_y, py);
        Unwind(across_x, px);
        continue;
      }
      across_y.Items.push_back(py);
      across_x.Items.push_back(px);
    }
  }
}

void Reserve(PlasticPieces& p) {
  p.Items.reserve(MaxElements * MaxPlasticComponents);
  p.H.reserve(MaxElements * MaxOutlineVertices);
  p.W.reserve(MaxElements * MaxOutlineVertices);
}

}  // namespace

bool BuildPlasticPieces(bool across_y, PlasticPieces& pieces) {
  PlasticPieces other;
  bool ok = true;
  if (across_y) {
    BuildPieces(pieces, other, ok);
  } else {
    BuildPieces(other, pieces, ok);
  }
  return ok;
}

bool EqualAreaAxis(const PlasticPieces& pieces, double& axis) {
  double total = 0, lo = 0, hi = 0;
  bool first = true;
  for (const PlasticPiece& p : pieces.Items) {
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
    for (const PlasticPiece& p : pieces.Items) {
      const ClipSide s = Above(pieces, p, h);
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

float PlasticModulusAbout(const PlasticPieces& pieces, double axis) {
  float z = 0, beforeHole = 0;
  for (const PlasticPiece& p : pieces.Items) {
    if (!p.Hole) {
      z = static_cast<float>(z + PieceModulus(pieces, p, axis));
      beforeHole = z;
      continue;
    }
    // The bore is added like the outline round it and then taken off twice.
    z = static_cast<float>(z + PieceModulus(pieces, p, axis));
    z = static_cast<float>(z - 2.0 * (static_cast<double>(z) - beforeHole));
  }
  return FiniteSingle(z);
}

void ComputePlasticModuli() {
  G.SecZx = 0;
  G.SecZy = 0;
  PlasticPieces acrossY, acrossX;
  Reserve(acrossY);
  Reserve(acrossX);
  bool ok = true;
  BuildPieces(acrossY, acrossX, ok);
  double axis = 0;
  if (ok && EqualAreaAxis(acrossY, axis)) G.SecZx = PlasticModulusAbout(acrossY, axis);
  if (ok && EqualAreaAxis(acrossX, axis)) G.SecZy = PlasticModulusAbout(acrossX, axis);
  ShowResult(ResultItem::Zx, G.SecZx);
  ShowResult(ResultItem::Zy, G.SecZy);
}

}  // namespace model
