#include "model/characteristic_points.h"

#include <initializer_list>

namespace model {

namespace {

CharacteristicPointList ListOf(std::initializer_list<LocalUV> points) {
  CharacteristicPointList list;
  for (const LocalUV& p : points) list.points[static_cast<size_t>(list.count++)] = p;
  return list;
}

}  // namespace

CharacteristicPointList CharacteristicPoints(const ElementRecord& e) {
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness, tw = e.WebThickness;
  switch (KindOf(e.ShapeType)) {
    case ShapeKind::ParallelFlangeI:
    case ShapeKind::SlopedFlangeI:
      return ListOf(
          {{0, 0}, {b, 0}, {b, d}, {0, d}, {b / 2, 0}, {b / 2, d}, {b / 2 + tw / 2, d / 2}, {b / 2 - tw / 2, d / 2}});
    case ShapeKind::Angle:
      return ListOf({{0, 0}, {b, 0}, {b, tf}, {tf, d}, {0, d}, {b / 2, 0}, {0, d / 2}});
    case ShapeKind::Channel:
      return ListOf({{0, 0}, {b, 0}, {b, d}, {0, d}, {b / 2, 0}, {b / 2, d}, {tw, d / 2}, {0, d / 2}});
    case ShapeKind::Tee:
      return ListOf({{0, 0}, {b, 0}, {b / 2, 0}, {b / 2 + tw / 2, d}, {b / 2 - tw / 2, d}});
    case ShapeKind::RectangularHSS:
    case ShapeKind::Plate:
      return ListOf({{0, 0}, {b, 0}, {b, d}, {0, d}, {b / 2, 0}, {b / 2, d}, {b, d / 2}, {0, d / 2}});
    case ShapeKind::CircularHSS:
    case ShapeKind::Bar:
      return ListOf({{b / 2, 0}, {b / 2, d}, {b, d / 2}, {0, d / 2}});
    case ShapeKind::None:
      break;
  }
  return {};
}

}  // namespace model
