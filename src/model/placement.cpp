#include "model/placement.h"

#include <cmath>

namespace model {

DrawingPoint PlaceLocalPoint(const ElementRecord& e, double X, double Y, double u, double v) {
  const double c = std::cos(e.Angle);
  const double s = std::sin(e.Angle);
  return {X + e.MirrorSign * (u * c - v * s), Y + u * s + v * c};
}

DrawingPoint PlaceLocalPoint(const ElementRecord& e, double u, double v) {
  return PlaceLocalPoint(e, e.PosX, e.PosY, u, v);
}

}  // namespace model
