#pragma once
// Outline of a rectangular hollow section (ShapeType 15 or 16): two loops of 20 segments,
// the outer wall face with corner radius OuterRadius and then the inner one with
// InnerRadius, each corner four chords.

#include <cstdint>

#include "model/element_record.h"
#include "shapes/outline.h"

namespace shapes {

Outline HSSOutline(int32_t X, int32_t Y, const model::ElementRecord& e);

}  // namespace shapes
