#pragma once
// Exact clipping of a simple polygon at a straight axis, for the plastic moduli. The
// polygon is given in the coordinates of one axis direction: h across the axis, w along
// it; its vertices in order round the outline, either way round.

namespace model {

// The polygon's area (always positive), the h of its centroid, and the sign of its
// signed area (+1 counter-clockwise in (w, h), -1 the other way round).
struct PolygonShape {
  double Area = 0, CentroidH = 0, Orientation = 1;
};
// Both views of one polygon of vertices (x, y) at once: across y (h = y, w = x) and
// across x (h = x, w = y). Sums are measured from the first vertex, so the products stay
// small far from the origin.
void ShapesOfPolygon(const double* x, const double* y, int n, PolygonShape& acrossY, PolygonShape& acrossX);

// The part of a polygon with h >= axis: its area, its first moment about the axis, and
// the length of its cut along the axis. A convex polygon is cut in one piece, from its
// first to its last point on the axis; any other polygon may be cut in several.
struct ClipSide {
  double area = 0, moment = 0, chord = 0;
};
ClipSide PolygonAbove(const double* h, const double* w, int n, double axis, double orientation, bool convex);

}  // namespace model
