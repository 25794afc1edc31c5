#pragma once
// What an element is made of for its plastic moduli: its real outline, in the element's
// local frame (u along Width, v along Depth, from the insertion point). A rolled shape
// is one simple polygon, or two for a hollow section (the bore taken off the wall), with
// the corner radii, root fillets and sloped flanges on which its tabulated properties
// rest; a plate is its rectangle and a bar its circle. One description per family serves
// Zx and Zy alike.

#include "model/element_record.h"

namespace model {

struct PlasticComponent {
  bool Circle = false;
  // Taken off the component before it (the bore of a hollow section).
  bool Hole = false;
  // A convex polygon is cut by an axis in one stretch.
  bool Convex = false;
  // Polygon: vertices First .. First + Count - 1 of the outline, counter-clockwise.
  int First = 0, Count = 0;
  // Circle: centred at (Depth/2, Depth/2).
  float Radius = 0;
};

constexpr int MaxPlasticComponents = 2;
// Chords of every rounded corner or fillet: the arc's sweep halved this many times.
constexpr int ArcHalvings = 3;
constexpr int ArcChords = 1 << ArcHalvings;
// A hollow section's two loops of four rounded corners.
constexpr int MaxOutlineVertices = 2 * 4 * (ArcChords + 1);

struct PlasticOutline {
  PlasticComponent Parts[MaxPlasticComponents];
  int PartCount = 0;
  double U[MaxOutlineVertices] = {}, V[MaxOutlineVertices] = {};
  int VertexCount = 0;
};

// The element's components in their fixed order; a code of no family has none.
void PlasticOutlineOf(const ElementRecord& e, PlasticOutline& out);

// The slope of the inner flange faces, thickness change per unit of width: 1 in 6 for
// sloped-flange I-sections and tees cut from them, the channel's own slope for channels;
// 0 for parallel flanges.
double FlangeSlopeOf(const ElementRecord& e);

// A channel's flange slope, carried in its InnerRadius (a channel has no corner radius of
// that kind): C rows hold 1 in 6, each MC row the slope at which its outline has the
// tabulated centroid. 0, or anything that is not a positive number, stands for 1 in 6.
double ChannelFlangeSlope(const ElementRecord& e);

// The signed area of the polygon of `Count` vertices from `First` (positive
// counter-clockwise).
double PolygonArea(const PlasticOutline& o, const PlasticComponent& c);

}  // namespace model
