#pragma once
// Outline of a tee (ShapeType 9 or 10): one loop of 16 segments, the flange's outer face on
// v = 0, the stem centred on u = b/2 up to v = d, each root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "shapes/outline.h"

namespace shapes {

Outline TeeOutline(int32_t X, int32_t Y, const model::ElementRecord& e);

}  // namespace shapes
