#pragma once
// Outline of a tee (ShapeType 9 or 10): one loop of 16 segments, the flange's outer face on
// v = 0, the stem centred on u = b/2 up to v = d, each root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "view/outline.h"

namespace shapes {

view::Outline TeeOutline(int32_t X, int32_t Y, const model::ElementRecord& e);
void DrawTeeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestTeeOutline(int32_t X, int32_t Y, int32_t Index);

}  // namespace shapes
