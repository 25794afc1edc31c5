#include "model/extents_centroid.h"

#include <cmath>
#include <cstdint>

#include "model/globals.h"
#include "model/guards.h"
#include "model/placement.h"
#include "model/result_display.h"
#include "model/rounding.h"

namespace model {

namespace {

struct Box {
  int32_t minX, maxX, minY, maxY;
};

struct Local {
  double u, v;
};

void Widen(Box& b, const DrawingPoint& p) {
  const int32_t x = RoundToInt32(p.x);
  const int32_t y = RoundToInt32(p.y);
  if (b.minX > x) b.minX = x;
  if (b.maxX < x) b.maxX = x;
  if (b.minY > y) b.minY = y;
  if (b.maxY < y) b.maxY = y;
}

Box BoxOfPoints(const ElementRecord& e, const Local* pts, int count) {
  const DrawingPoint first = PlaceLocalPoint(e, pts[0].u, pts[0].v);
  Box b{RoundToInt32(first.x), RoundToInt32(first.x), RoundToInt32(first.y), RoundToInt32(first.y)};
  for (int k = 1; k < count; ++k) Widen(b, PlaceLocalPoint(e, pts[k].u, pts[k].v));
  return b;
}

// The upright box of one element in whole millimetres: every convex corner of its
// outline, placed and rounded; a circle is its centre plus and minus D/2 at any angle.
Box ElementBox(const ElementRecord& e) {
  const double W = e.Width, D = e.Depth, t = e.FlangeThickness, tw = e.WebThickness;
  const int16_t code = e.ShapeType;
  if (code == 17 || code == 51) {
    const DrawingPoint c = PlaceLocalPoint(e, W / 2, D / 2);
    const double r = std::fabs(D / 2);
    return {RoundToInt32(c.x - r), RoundToInt32(c.x + r), RoundToInt32(c.y - r), RoundToInt32(c.y + r)};
  }
  if (code == 8) {
    const Local pts[] = {{0, 0}, {W, 0}, {W, t}, {t, t}, {t, D}, {0, D}};
    return BoxOfPoints(e, pts, 6);
  }
  if (code == 9 || code == 10) {
    const double l = (W - tw) / 2, r = (W + tw) / 2;
    const Local pts[] = {{0, 0}, {W, 0}, {W, t}, {r, t}, {r, D}, {l, D}, {l, t}, {0, t}};
    return BoxOfPoints(e, pts, 8);
  }
  // Boxes (I-sections, channels, hollow boxes, plates), and codes that draw nothing but
  // still carry an area: their Width by Depth box.
  const Local pts[] = {{0, 0}, {W, 0}, {W, D}, {0, D}};
  return BoxOfPoints(e, pts, 4);
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
    const Box b = ElementBox(G.Elements[i]);
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
  G.SecDepth = FiniteSingle(static_cast<double>(static_cast<int64_t>(G.YMax) - G.YMin));
  ShowResult(ResultItem::Depth, G.SecDepth);
}

void ShowWidth() {
  G.SecWidth = FiniteSingle(static_cast<double>(static_cast<int64_t>(G.XMax) - G.XMin));
  ShowResult(ResultItem::Width, G.SecWidth);
}

void ComputeCentroid() {
  float sx = 0, sy = 0;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) {
    const ElementRecord& e = G.Elements[i];
    const double m = e.MirrorSign, A = e.Angle, cx = e.CentroidX, cy = e.CentroidY;
    const double xc = e.PosX + m * cx * std::cos(A) - m * cy * std::sin(A);
    const double yc = e.PosY + cx * std::sin(A) + cy * std::cos(A);
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
