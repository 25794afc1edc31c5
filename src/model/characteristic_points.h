#pragma once
// The characteristic points of an element in its own axes (u along Width, v along Depth,
// from the insertion point), by ShapeType: the selection handles and the object-snap
// points, in the order in which both are plotted, stored and searched.

#include <array>

#include "model/element_record.h"

namespace model {

struct LocalUV {
  double u = 0;
  double v = 0;
};

struct CharacteristicPointList {
  std::array<LocalUV, 8> points{};
  int count = 0;  // 0 for a code that is drawn as nothing
};

CharacteristicPointList CharacteristicPoints(const ElementRecord& e);

}  // namespace model
