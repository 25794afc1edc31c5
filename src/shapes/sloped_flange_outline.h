#pragma once
// Outline of a sloped-flange I-section (ShapeType 2): one loop of 36 segments, each flange
// thinning toward its tips along a sloped inner face, each tip rounded by two chords, each
// root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "shapes/outline.h"

namespace shapes {

Outline SlopedFlangeOutline(int32_t X, int32_t Y, const model::ElementRecord& e);

}  // namespace shapes
