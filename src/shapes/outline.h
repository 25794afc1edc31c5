#pragma once
// Element outlines as data: each shape family gives a table of local vertices (u along the
// element's Width, v along its Depth, from the insertion point), one closed loop or two,
// and one placement routine carries them into the drawing. What is done with the segments
// (drawn, probed) is the drawing's business; this is geometry over the model alone.
//
// src/shapes stands on model/: the outline type and every family's vertex table.

#include <array>
#include <cstdint>
#include <span>

#include "model/element_record.h"
#include "model/placement.h"

namespace shapes {

struct LocalPoint {
  double u = 0;
  double v = 0;
};

// The two ways the outline families form the placement sums, which can differ in the last
// bit before the rounding to single precision:
//   Factored: x = X + m (u cos A - v sin A),   y = (Y + u sin A) + v cos A
//   Expanded: x = (X + m cos A u) - m sin A v, y = (Y + u sin A) + v cos A
// Terms whose local coordinate is zero add nothing, so a vertex at the local origin is the
// insertion point itself in both.
enum class Grouping { Factored, Expanded };

struct PlacedPoint {
  float x = 0;
  float y = 0;
};

// Places local points about an insertion point with one element's Angle and MirrorSign.
class Placement {
 public:
  Placement(const model::ElementRecord& e, double X, double Y, Grouping grouping);
  PlacedPoint Place(LocalPoint p) const;

 private:
  model::ElementTurn turn_;
  double X_, Y_;
  Grouping grouping_;
};

// One segment of an outline; Closing marks the last segment of a loop, the one that joins
// its last vertex back to its first.
struct OutlineSegment {
  PlacedPoint a, b;
  bool closing = false;
};

// One outline: up to two closed loops of placed vertices, segment i of a loop joining
// vertex i to vertex i + 1 and the last one closing the loop. Segments are numbered from 0
// across the loops in order, the first loop's first.
class Outline {
 public:
  static constexpr int kMaxPoints = 40;
  void AddLoop(const Placement& placement, std::span<const LocalPoint> loop);
  // A placed coordinate beyond single precision (or not a number) makes the whole outline
  // unusable: it is then neither drawn nor probed.
  bool Finite() const { return finite_; }
  int Segments() const { return count_; }
  OutlineSegment Segment(int i) const;

 private:
  std::array<PlacedPoint, kMaxPoints> points_{};
  std::array<int, 2> loop_end_{};
  int loops_ = 0;
  int count_ = 0;
  bool finite_ = true;
};

}  // namespace shapes
