#include "model/placement.h"

#include <cmath>

#include "model/globals.h"

namespace model {

DrawingPoint PlaceLocalPoint(const ElementRecord& e, double X, double Y, double u, double v) {
  const double c = std::cos(e.Angle);
  const double s = std::sin(e.Angle);
  return {X + e.MirrorSign * (u * c - v * s), Y + u * s + v * c};
}

DrawingPoint PlaceLocalPoint(const ElementRecord& e, double u, double v) {
  return PlaceLocalPoint(e, e.PosX, e.PosY, u, v);
}

DrawingPoint InsertionPoint(int i) {
  if (G.PrincipalTurned != False) return {G.TurnedPoints[i].X, G.TurnedPoints[i].Y};
  return {static_cast<double>(G.Elements[i].PosX), static_cast<double>(G.Elements[i].PosY)};
}

DrawingPoint PlaceElementPoint(int i, double u, double v) {
  const DrawingPoint p = InsertionPoint(i);
  return PlaceLocalPoint(G.Elements[i], p.x, p.y, u, v);
}

}  // namespace model
