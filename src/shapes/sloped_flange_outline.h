#pragma once
// Outline of a sloped-flange I-section (ShapeType 2): one loop of 36 segments, each flange
// thinning toward its tips along a sloped inner face, each tip rounded by two chords, each
// root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "view/outline.h"

namespace shapes {

view::Outline SlopedFlangeOutline(int32_t X, int32_t Y, const model::ElementRecord& e);
void DrawSlopedFlangeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestSlopedFlangeOutline(int32_t X, int32_t Y, int32_t Index);

}  // namespace shapes
