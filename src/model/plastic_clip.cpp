#include "model/plastic_clip.h"

#include <algorithm>

namespace model {

void ShapesOfPolygon(const double* x, const double* y, int n, PolygonShape& acrossY, PolygonShape& acrossX) {
  // With h and w swapped each cross product changes its sign, exactly, so one serves
  // both views.
  double area = 0, momentY = 0, momentX = 0;
  for (int k = 0; k < n; ++k) {
    const int j = k + 1 < n ? k + 1 : 0;
    const double cross = (x[k] - x[0]) * (y[j] - y[0]) - (x[j] - x[0]) * (y[k] - y[0]);
    area += cross;
    momentY += (y[k] - y[0] + y[j] - y[0]) * cross;
    momentX += (x[k] - x[0] + x[j] - x[0]) * -cross;
  }
  auto finish = [](double signedArea, double moment, double h0, PolygonShape& s) {
    s.Orientation = signedArea < 0 ? -1 : 1;
    s.Area = (signedArea < 0 ? -signedArea : signedArea) / 2;
    s.CentroidH = s.Area > 0 ? h0 + moment / 6 * s.Orientation / s.Area : h0;
  };
  finish(area, momentY, y[0], acrossY);
  finish(-area, momentX, x[0], acrossX);
}

// Each edge's part on the far side of the axis adds its term of the shoelace sums; the
// stretches of the cut that close the clipped outline lie on the axis (h = 0) and add
// nothing, so they need not be formed. The terms come in edge order, the order in which
// the clipped outline would be walked.
ClipSide PolygonAbove(const double* h, const double* w, int n, double axis, double orientation, bool convex) {
  ClipSide s;
  double cutMin = 0, cutMax = 0, signedCut = 0;
  bool cut = false;
  auto onAxis = [&](double at) {
    if (!cut) {
      cutMin = cutMax = at;
      cut = true;
    } else {
      cutMin = std::min(cutMin, at);
      cutMax = std::max(cutMax, at);
    }
  };
  auto add = [&](double wa, double ha, double wb, double hb) {
    const double cross = wa * hb - wb * ha;
    s.area += cross;
    s.moment += (ha + hb) * cross;
  };
  const double w0 = w[0];
  for (int k = 0; k < n; ++k) {
    const int j = k + 1 < n ? k + 1 : 0;
    const double hk = h[k] - axis, hj = h[j] - axis;
    const double wk = w[k] - w0, wj = w[j] - w0;
    const bool kAbove = hk >= 0, jAbove = hj >= 0;
    if (kAbove && hk == 0) onAxis(wk);
    if (kAbove && jAbove) {
      add(wk, hk, wj, hj);
    } else if (kAbove != jAbove) {
      const double x = wk + (wj - wk) * (0 - hk) / (hj - hk);
      onAxis(x);
      // Seen with the outline running counter-clockwise, an edge that rises through the
      // axis closes a stretch of the cut and one that falls opens it.
      signedCut += jAbove ? x : -x;
      if (kAbove) {
        add(wk, hk, x, 0);
      } else {
        add(x, 0, wj, hj);
      }
    }
  }
  s.area = s.area / 2 * orientation;
  s.moment = s.moment / 6 * orientation;
  if (convex) {
    s.chord = cut ? cutMax - cutMin : 0;
  } else {
    s.chord = std::max(0.0, signedCut * orientation);
  }
  return s;
}

}  // namespace model
