#pragma once
// Tracing the outline families through the pixel walks: the draw routine of a family hands
// every segment of its outline to PixelLine, its test routine the same segments, in the
// same order, to PixelLineHit.

#include <cstdint>

#include "shapes/outline.h"

namespace view {

// Every segment to PixelLine in Colour, in order; an outline that is not finite draws
// nothing.
void TraceOutline(const shapes::Outline& o, int32_t Colour);
// Every segment to PixelLineHit, whatever the ones before found; an outline that is not
// finite probes nothing.
void ProbeEverySegment(const shapes::Outline& o);

// Each family's twins, the one way the element dispatcher draws, erases and probes the
// family: look up entry Index of Elements (nothing for one outside 0 to 50), build its
// outline at (X, Y) and trace it, or probe it segment by segment, returning as soon as
// OverlapFound is set after any segment but the last of a loop.
void DrawParallelFlangeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestParallelFlangeOutline(int32_t X, int32_t Y, int32_t Index);
void DrawAngleOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestAngleOutline(int32_t X, int32_t Y, int32_t Index);
void DrawChannelOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestChannelOutline(int32_t X, int32_t Y, int32_t Index);
void DrawSlopedFlangeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestSlopedFlangeOutline(int32_t X, int32_t Y, int32_t Index);
void DrawTeeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestTeeOutline(int32_t X, int32_t Y, int32_t Index);
void DrawHSSOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
void TestHSSOutline(int32_t X, int32_t Y, int32_t Index);

}  // namespace view
