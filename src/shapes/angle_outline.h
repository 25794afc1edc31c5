#pragma once
// Outline of an angle (ShapeType 8): one loop of 10 segments, the heel at the insertion
// point, a leg of length Width along u and one of length Depth along v, both
// FlangeThickness thick, and four chords for the root fillet.

#include <cstdint>

#include "model/element_record.h"
#include "shapes/outline.h"

namespace shapes {

Outline AngleOutline(int32_t X, int32_t Y, const model::ElementRecord& e);

}  // namespace shapes
