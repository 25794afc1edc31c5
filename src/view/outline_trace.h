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
// Every segment to PixelLineHit, in order, returning as soon as OverlapFound is set after
// any segment but the last of a loop.
void ProbeOutline(const shapes::Outline& o);
// Every segment to PixelLineHit, whatever the ones before found.
void ProbeEverySegment(const shapes::Outline& o);

// Whether Index names an entry of Elements (0 to 50), the outline routines' own bound.
bool IsElementSlot(int32_t Index);

// Each family's twins: look up entry Index (nothing for one outside the array), build its
// outline at (X, Y) and trace or probe it.
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
