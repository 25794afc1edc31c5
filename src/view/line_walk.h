#pragma once
// The pixel walk of a straight segment, in single precision, and the means to walk only the
// part of it that can reach the image.
//
// The walk of a segment from (px1, py1) to (px2, py2), in fractional pixel positions: with
// dx = |px2 - px1| and dy = |py2 - py1| the major axis is x when dx > dy and y otherwise;
// n = (major + 1) rounded half to even; e = 2 minor - major, e1 = 2 minor,
// e2 = 2 (minor - major); step1 is one pixel along the major axis, step2 one pixel along
// both, each pointing from the first end toward the second. From the first end, n times:
// handle (x, y); then when e < 0 add e1 to e and step1 to (x, y), otherwise add e2 and
// step2. Every value is single precision.
//
// At a deep zoom a segment can be millions of pixels long while the image is a thousand
// wide. WalkLineWithin finds the steps that can fall in the image, brings the walk to the
// first of them in the exact state the full walk would have there, and walks only those.

#include <cstdint>

namespace view {

// A rectangle of fractional pixel positions outside which handling a pixel has no effect.
struct PixelReach {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

struct LineWalk {
  float x = 0;
  float y = 0;
  float e = 0;
  float e1 = 0;
  float e2 = 0;
  float s1x = 0, s1y = 0;  // step1
  float s2x = 0, s2y = 0;  // step2
  int32_t n = 0;           // number of pixels handled
  bool x_major = false;
  float major_span = 0;  // dx or dy, whichever is the major one
  float minor_span = 0;
};

// Sets up the walk. False when an end is not finite or the step count does not fit in 32
// bits: such a segment is not walked at all.
bool StartLineWalk(float px1, float py1, float px2, float py2, LineWalk& w);

// One step, exactly as the full walk takes it.
inline void StepLine(LineWalk& w) {
  if (w.e < 0) {
    w.e = w.e + w.e1;
    w.x = w.x + w.s1x;
    w.y = w.y + w.s1y;
  } else {
    w.e = w.e + w.e2;
    w.x = w.x + w.s2x;
    w.y = w.y + w.s2y;
  }
}

// Step indices (0 to n - 1) outside [first, last] never fall in `reach`.
struct StepRange {
  int64_t first = 0;
  int64_t last = -1;
  bool Empty() const { return first > last; }
};
StepRange ReachableSteps(const LineWalk& w, const PixelReach& reach);

// The most steps AdvanceLineWalk takes one by one; a walk whose error term would need more
// before the image is reached is not drawn (at the deepest zoom that is a segment some
// forty metres long).
constexpr int64_t kMaxSkippedSteps = int64_t{1} << 26;

// Brings w from its current state to the state after `k` more steps, bit for bit as the
// full walk would, without handling the pixels in between. False when that would take
// more than kMaxSkippedSteps single steps.
bool AdvanceLineWalk(LineWalk& w, int64_t k);

// The first and the last position a walk handled. Each coordinate moves one way only along
// a walk (every addition of the same +-1 or 0, rounded, never turns back), so every
// position handled lies between the two.
struct HandledSpan {
  bool any = false;
  float first_x = 0, first_y = 0;
  float last_x = 0, last_y = 0;
};

// Handles, in walk order, every pixel of the walk that can fall in `reach`, and no pixel
// of the walk that cannot: visit(x, y) for each, stopping early when it returns true.
template <class Visit>
HandledSpan WalkLineWithin(LineWalk w, const PixelReach& reach, Visit&& visit) {
  const StepRange r = ReachableSteps(w, reach);
  if (r.Empty()) return {};
  if (!AdvanceLineWalk(w, r.first)) return {};
  LineWalk v = w;  // a copy whose address is never taken, so that it can stay in registers
  // Each step is taken before its pixel, so that the walk ends on the last one handled.
  if (!visit(v.x, v.y))
    for (int64_t k = r.first + 1; k <= r.last; ++k) {
      StepLine(v);
      if (visit(v.x, v.y)) break;
    }
  return HandledSpan{true, w.x, w.y, v.x, v.y};
}

}  // namespace view
