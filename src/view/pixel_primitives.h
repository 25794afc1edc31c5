#pragma once
// The four pixel primitives through which every element outline reaches the drawing area
// Base: a segment or a circle, plotted in a colour or probed for black pixels. Coordinates
// are drawing units (millimetres, y up).
//
// Each call rounds Base's user scale to whole numbers (half to even), walks in pixel units
// and writes the whole numbers back, so after any call the scale holds whole numbers. A
// view whose width or height would round to 0 (or is not a number) is left alone and
// nothing is walked.
//
// The probes set OverlapFound when a walked pixel is black (0) unless IsRedrawing,
// IsErasing or IsDrawingHandles was set on entry; they never clear it.

#include <cstdint>

namespace view {

void PixelLine(float X1, float Y1, float X2, float Y2, int32_t Colour);
void PixelLineHit(float X1, float Y1, float X2, float Y2);
void PixelCircle(float CX, float CY, float R, int32_t Colour);
void PixelCircleHit(float CX, float CY, float R);

// While one is installed (by ScopedPrimitiveCapture), the four primitives hand their
// arguments to it instead of touching the drawing area: the way tests see exactly which
// segments and circles an outline produces.
class PrimitiveCapture {
 public:
  virtual ~PrimitiveCapture() = default;
  virtual void Line(float X1, float Y1, float X2, float Y2, int32_t Colour) = 0;
  virtual void LineHit(float X1, float Y1, float X2, float Y2) = 0;
  virtual void Circle(float CX, float CY, float R, int32_t Colour) = 0;
  virtual void CircleHit(float CX, float CY, float R) = 0;
};

class ScopedPrimitiveCapture {
 public:
  explicit ScopedPrimitiveCapture(PrimitiveCapture& capture);
  ~ScopedPrimitiveCapture();
  ScopedPrimitiveCapture(const ScopedPrimitiveCapture&) = delete;
  ScopedPrimitiveCapture& operator=(const ScopedPrimitiveCapture&) = delete;

 private:
  PrimitiveCapture* previous_;
};

}  // namespace view
