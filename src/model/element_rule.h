#pragma once
// What an element may hold: one rule wherever elements come in (Paste, Open, the plate and
// bar windows, the shape-file rows). It refuses only what the program cannot calculate or
// draw soundly, so every section the program holds saves as a file that opens again equal,
// and every document an earlier build saved opens.

#include "model/element_record.h"

namespace model {

// True when every number of `e` is finite and the box its outline lies in, in its own
// axes, has an area and second moments that single precision holds. Sizes are taken as they
// stand: a plate of no depth or of a negative width, or an I-section 50 m wide, is held;
// a plate 1E+30 deep, whose moments no single holds, is not. A bar or round tube counts
// as the circle the extents place at half its Width, so a 20 mm bar 1E+30 wide is refused
// too.
bool ElementCanBeHeld(const ElementRecord& e);

}  // namespace model
