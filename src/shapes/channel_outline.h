#pragma once
// Outline of a channel (ShapeType 6 or 7): one loop of 20 segments, the back of the web on
// u = 0 and both flanges reaching toward +u, each flange end a square face with its inner
// corner cut by two chords, the inner flange faces sloped, each root fillet four chords.

#include <cstdint>

#include "model/element_record.h"
#include "view/outline.h"

namespace shapes {

view::Outline ChannelOutline(int32_t X, int32_t Y, const model::ElementRecord& e);
void DrawChannelOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestChannelOutline(int32_t X, int32_t Y, int32_t Index);

}  // namespace shapes
