#pragma once
// Outline of a parallel-flange I-section (ShapeType 0, 1, 3, 4, 5, 18 and every other code
// below 6 but 2): one loop of 28 segments, both flanges over the full width, the web
// centred, each root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "shapes/outline.h"

namespace shapes {

Outline ParallelFlangeOutline(int32_t X, int32_t Y, const model::ElementRecord& e);

}  // namespace shapes
