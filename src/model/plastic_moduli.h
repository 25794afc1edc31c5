#pragma once
// Plastic section moduli Zx and Zy. Each element is cut into plain rectangles and
// circles; the plastic modulus about a direction is the sum of the absolute first
// moments of all of them about the axis of that direction that halves the area (the
// plastic neutral axis), each component clipped exactly at the axis.

#include <vector>

namespace model {

// One placed component, seen across one axis direction: h is the coordinate across the
// axis (y for Zx, x for Zy), w the one along it.
struct PlasticPiece {
  bool Circle = false;
  bool Hole = false;
  double H[4] = {}, W[4] = {};  // rectangle corners in order round the outline
  double CentreH = 0, Radius = 0;
  double Area = 0;       // always positive
  double CentroidH = 0;  // h of the piece's centroid
  double HMin = 0, HMax = 0;
  double Orientation = 1;  // sign of the rectangle's signed area
};

// The pieces of the section's elements in element and component order, seen across y
// (for Zx) or across x (for Zy). False when a coordinate is not a number.
bool BuildPlasticPieces(bool across_y, std::vector<PlasticPiece>& pieces);

// The h of the axis that halves the net area of the pieces (holes count negative).
// Returns false when there is no area to halve.
bool EqualAreaAxis(const std::vector<PlasticPiece>& pieces, double& axis);

// Sum of |first moment| of the pieces about the axis at h = `axis`, in the pieces'
// order, in single precision; a hole's term is taken off again.
float PlasticModulusAbout(const std::vector<PlasticPiece>& pieces, double axis);

void ComputePlasticModuli();

}  // namespace model
