#pragma once
// The plain rectangles and circles that stand for an element in the plastic moduli:
// root fillets and corner radii are left out. Rectangles are in the element's local
// frame (u along Width, v along Depth, from the insertion point).

#include "model/element_record.h"

namespace model {

struct PlasticComponent {
  bool Circle = false;
  // Rectangle: u from U0 to U1, v from V0 to V1.
  float U0 = 0, U1 = 0, V0 = 0, V1 = 0;
  // Circle: centred at (Depth/2, Depth/2).
  float Radius = 0;
  // A circle cut out of the one before it (the bore of a circular hollow section).
  bool Hole = false;
};

constexpr int MaxPlasticComponents = 4;

// Fills `out` with the element's components in their fixed order and returns how many;
// a code of no group has none.
int PlasticComponentsOf(const ElementRecord& e, PlasticComponent (&out)[MaxPlasticComponents]);

}  // namespace model
