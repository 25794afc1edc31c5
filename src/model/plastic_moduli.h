#pragma once
// Plastic section moduli Zx and Zy. Each element is taken with its real outline (simple
// polygons and circles, see plastic_components.h); the plastic modulus about a direction
// is the sum of the absolute first moments of all of them about the axis of that
// direction that halves the area (the plastic neutral axis), each component clipped
// exactly at the axis.

#include <vector>

namespace model {

// One placed component, seen across one axis direction: h is the coordinate across the
// axis (y for Zx, x for Zy), w the one along it.
struct PlasticPiece {
  bool Circle = false;
  bool Hole = false;
  bool Convex = false;
  int First = 0, Count = 0;  // polygon corners in PlasticPieces::H and W, round the outline
  double CentreH = 0, Radius = 0;
  double Area = 0;       // always positive
  double CentroidH = 0;  // h of the piece's centroid
  double HMin = 0, HMax = 0;
  double Orientation = 1;  // sign of the polygon's signed area
};

struct PlasticPieces {
  std::vector<PlasticPiece> Items;
  std::vector<double> H, W;
};

// The pieces of the section's elements in element and component order, seen across y
// (for Zx) or across x (for Zy). False when a coordinate is not a number.
bool BuildPlasticPieces(bool across_y, PlasticPieces& pieces);

// The h of the axis that halves the net area of the pieces (holes count negative).
// Returns false when there is no area to halve.
bool EqualAreaAxis(const PlasticPieces& pieces, double& axis);

// Sum of |first moment| of the pieces about the axis at h = `axis`, in the pieces'
// order, in single precision; a hole's term is taken off again.
float PlasticModulusAbout(const PlasticPieces& pieces, double axis);

void ComputePlasticModuli();

}  // namespace model
