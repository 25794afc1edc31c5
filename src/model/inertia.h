#pragma once
// Second moments of the section about the horizontal and vertical axes through its
// centroid, the product of inertia and the principal angle, and from them the elastic
// section moduli and the radii of gyration.

#include "model/element_record.h"

namespace model {

// The own product of inertia of an angle element (legs along local u and v from the
// heel), about its own centroid, in the element's drawn frame: mirrored angles have the
// opposite sign.
float AngleOwnProduct(const ElementRecord& e);

void ComputeInertia();
void ShowSectionModuli();
void ShowRadiiOfGyration();

}  // namespace model
