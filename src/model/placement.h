#pragma once
// Where a local point (u, v) of an element lies in the drawing: u runs along the
// element's Width, v along its Depth, from the insertion point; Angle turns it
// counter-clockwise and MirrorSign -1 reflects it about the vertical line through the
// insertion point.

#include "model/element_record.h"

namespace model {

struct DrawingPoint {
  double x = 0;
  double y = 0;
};

// An element's turn and mirror, worked out once for the many points of one outline.
class ElementTurn {
 public:
  explicit ElementTurn(const ElementRecord& e);
  // The local point (u, v) placed about the insertion point (X, Y).
  DrawingPoint Place(double X, double Y, double u, double v) const;
  double Mirror() const { return m_; }
  double Cos() const { return c_; }
  double Sin() const { return s_; }

 private:
  double m_, c_, s_;
};

// Placed about an insertion point (X, Y) given by the caller (a preview position, say).
DrawingPoint PlaceLocalPoint(const ElementRecord& e, double X, double Y, double u, double v);
// Placed about the element's own insertion point.
DrawingPoint PlaceLocalPoint(const ElementRecord& e, double u, double v);

// The insertion point of element i (1 to 50) as the property calculation sees it: its
// PosX and PosY, or, while the principal pass has the section turned, the exact turned
// point.
DrawingPoint InsertionPoint(int i);
// A local point of element i placed about InsertionPoint(i).
DrawingPoint PlaceElementPoint(int i, double u, double v);

}  // namespace model
