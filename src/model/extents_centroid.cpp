#include "model/extents_centroid.h"

#include <cmath>
#include <cstdint>

#include "model/globals.h"
#include "model/guards.h"
#include "model/placement.h"
#include "model/result_display.h"

namespace model {

namespace {

struct Box {
  double minX, maxX, minY, maxY;
};

struct Local {
  double u, v;
};

void Widen(Box& b, const DrawingPoint& p) {
  if (b.minX > p.x) b.minX = p.x;
  if (b.maxX < p.x) b.maxX = p.x;
  if (b.minY > p.y) b.minY = p.y;
  if (b.maxY < p.y) b.maxY = p.y;
}

Box BoxOfPoints(int i, const Local* pts, int count) {
  const DrawingPoint first = PlaceElementPoint(i, pts[0].u, pts[0].v);
  Box b{first.x, first.x, first.y, first.y};
  for (int k = 1; k < count; ++k) Widen(b, PlaceElementPoint(i, pts[k].u, pts[k].v));
  return b;
}

// The upright box of element i, exact: every convex corner of its outline, placed; a
// circle is its centre plus and minus D/2 at any angle.
Box ElementBox(int i) {
  const ElementRecord& e = G.Elements[i];
  const double W = e.Width, D = e.Depth, t = e.FlangeThickness, tw = e.WebThickness;
  const int16_t code = e.ShapeType;
  if (code == 17 || code == 51) {
    const DrawingPoint c = PlaceElementPoint(i, W / 2, D / 2);
    const double r = std::fabs(D / 2);
    return {c.x - r, c.x + r, c.y - r, c.y + r};
  }
  if (code == 8) {
    const Local pts[] = {{0, 0}, {W, 0}, {W, t}, {t, t}, {t, D}, {0, D}};
    return BoxOfPoints(i, pts, 6);
  }
  if (code == 9 || code == 10) {
    const double l = (W - tw) / 2, r = (W + tw) / 2;
    const Local pts[] = {{0, 0}, {W, 0}, {W, t}, {r, t}, {r, D}, {l, D}, {l, t}, {0, t}};
    return BoxOfPoints(i, pts, 8);
  }
  // Boxes (I-sections, channels, hollow boxes, plates), and codes that draw nothing but
  // still carry an area: their Width by Depth box.
  const Local pts[] = {{0, 0}, {W, 0}, {W, D}, {0, D}};
  return BoxOfPoints(i, pts, 4);
}

}  // namespace

void ShowArea() {
  float sum = 0;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) sum = static_cast<float>(static_cast<double>(sum) + G.Elements[i].ElemArea);
  G.SecArea = FiniteSingle(sum);
  ShowResult(ResultItem::Area, G.SecArea);
}

void ComputeExtents() {
  G.XMin = G.XMax = G.YMax = G.YMin = 0;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) {
    const Box b = ElementBox(i);
    if (i == 1) {
      G.YMax = b.maxY;
      G.YMin = b.minY;
      G.XMin = b.minX;
      G.XMax = b.maxX;
      continue;
    }
    if (G.YMax < b.maxY) G.YMax = b.maxY;
    if (G.YMin > b.minY) G.YMin = b.minY;
    if (G.XMin > b.minX) G.XMin = b.minX;
    if (G.XMax < b.maxX) G.XMax = b.maxX;
  }
}

void ShowDepth() {
  G.SecDepth = FiniteSingle(G.YMax - G.YMin);
  ShowResult(ResultItem::Depth, G.SecDepth);
}

void ShowWidth() {
  G.SecWidth = FiniteSingle(G.XMax - G.XMin);
  ShowResult(ResultItem::Width, G.SecWidth);
}

void ComputeCentroid() {
  float sx = 0, sy = 0;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) {
    const ElementRecord& e = G.Elements[i];
    const double m = e.MirrorSign, A = e.Angle, cx = e.CentroidX, cy = e.CentroidY;
    const DrawingPoint p = InsertionPoint(i);
    const double xc = p.x + m * cx * std::cos(A) - m * cy * std::sin(A);
    const double yc = p.y + cx * std::sin(A) + cy * std::cos(A);
    sx = static_cast<float>(sx + (xc - G.XMin) * e.ElemArea);
    sy = static_cast<float>(sy + (yc - G.YMin) * e.ElemArea);
  }
  if (G.SecArea <= 0) {
    G.SecXBar = 0;
    G.SecYBar = 0;
  } else {
    G.SecYBar = FiniteSingle(static_cast<double>(sy) / G.SecArea);
    G.SecXBar = FiniteSingle(static_cast<double>(sx) / G.SecArea);
  }
  ShowResult(ResultItem::XBar, G.SecXBar);
  ShowResult(ResultItem::YBar, G.SecYBar);
}

}  // namespace model
