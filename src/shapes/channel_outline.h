#pragma once
// Outline of a channel (ShapeType 6 or 7): one loop of 20 segments, the back of the web on
// u = 0 and both flanges reaching toward +u, each flange end a square face with its inner
// corner cut by two chords, the inner flange faces sloped, each root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "shapes/outline.h"

namespace shapes {

Outline ChannelOutline(int32_t X, int32_t Y, const model::ElementRecord& e);

}  // namespace shapes
