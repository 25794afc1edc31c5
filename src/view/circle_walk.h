#pragma once
// The pixel walk of a circle, in single precision, handled only where it can reach the
// image.
//
// With (cx, cy) the centre and r the radius in fractional pixels: x = r, y = 0, acc = 0,
// odd = 1, lim = 2r - 1. Each pass handles the group (cx + y, cy + x), (cx + x, cy - y),
// (cx - y, cy - x), (cx - x, cy + y); then y += 1, acc += odd, odd += 2, and when 2 acc
// exceeds lim: x -= 1, acc -= lim, lim -= 2; it stops when y > x, and otherwise handles the
// group (cx + x, cy + y), (cx + y, cy - x), (cx - x, cy - y), (cx - y, cy + x) and goes on.

#include <cmath>

#include "view/line_walk.h"

namespace view {

struct CircleWalk {
  float cx = 0, cy = 0;
  float x = 0, y = 0;
  float acc = 0, odd = 1, lim = 0;
};

// The largest pixel radius walked: beyond it adding one to the running values would no
// longer move them, and the walk would never end.
constexpr float kMaxCircleRadius = 8388608.0f;  // 2^23

// False when the centre or radius is not finite or the radius is kMaxCircleRadius or more.
bool StartCircleWalk(float cx, float cy, float r, CircleWalk& c);

namespace detail {
bool InReach(const PixelReach& reach, float x, float y);
// Whether any pixel the walk handles from here on (offsets of magnitude between y and x
// from the centre) can still fall in `reach`.
bool CircleCanStillReach(const CircleWalk& c, const PixelReach& reach);
}  // namespace detail

// Calls visit(px, py) with the four pixels of each group in walk order, for every group
// that has a pixel in `reach`; skips the others, and ends once no later group can reach it.
// visit returns true to stop the walk.
template <class VisitGroup>
void WalkCircleWithin(CircleWalk c, const PixelReach& reach, VisitGroup&& visit) {
  auto group = [&](float ax, float ay, float bx, float by, float qx, float qy, float dx, float dy) {
    const float px[4] = {ax, bx, qx, dx};
    const float py[4] = {ay, by, qy, dy};
    for (int i = 0; i < 4; ++i)
      if (detail::InReach(reach, px[i], py[i])) return visit(px, py);
    return false;
  };
  for (;;) {
    if (group(c.cx + c.y, c.cy + c.x, c.cx + c.x, c.cy - c.y, c.cx - c.y, c.cy - c.x, c.cx - c.x, c.cy + c.y)) return;
    c.y = c.y + 1;
    c.acc = c.acc + c.odd;
    c.odd = c.odd + 2;
    if (static_cast<float>(2 * c.acc) > c.lim) {
      c.x = c.x - 1;
      c.acc = c.acc - c.lim;
      c.lim = c.lim - 2;
    }
    if (c.y > c.x) return;
    if (!detail::CircleCanStillReach(c, reach)) return;
    if (group(c.cx + c.x, c.cy + c.y, c.cx + c.y, c.cy - c.x, c.cx - c.x, c.cy - c.y, c.cx - c.y, c.cy + c.x)) return;
  }
}

}  // namespace view
