#include "model/placement.h"

#include <cmath>

#include "model/globals.h"

namespace model {

ElementTurn::ElementTurn(const ElementRecord& e) : m_(e.MirrorSign), c_(std::cos(e.Angle)), s_(std::sin(e.Angle)) {}

DrawingPoint ElementTurn::Place(double X, double Y, double u, double v) const {
  return {X + m_ * (u * c_ - v * s_), Y + u * s_ + v * c_};
}

DrawingPoint PlaceLocalPoint(const ElementRecord& e, double X, double Y, double u, double v) {
  return ElementTurn(e).Place(X, Y, u, v);
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
