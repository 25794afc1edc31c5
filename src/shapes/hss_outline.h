#pragma once
// Outline of a rectangular hollow section (ShapeType 15 or 16): two loops of 20 segments,
// the outer wall face with corner radius OuterRadius and then the inner one with
// InnerRadius, each corner four chords.

#include <cstdint>

#include "model/element_record.h"
#include "view/outline.h"

namespace shapes {

view::Outline HSSOutline(int32_t X, int32_t Y, const model::ElementRecord& e);
void DrawHSSOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestHSSOutline(int32_t X, int32_t Y, int32_t Index);

}  // namespace shapes
