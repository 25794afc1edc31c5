#pragma once
// The bearing of a point seen from a centre, in [0, 2 pi), counter-clockwise from +x,
// with pi taken as 3.14159265.

namespace editor {

// A point straight above the centre lies at pi/2, straight below at 3 pi/2; the centre
// itself has bearing 0 (an element there stays where it is whatever it is turned by).
double Bearing(double dx, double dy);

}  // namespace editor
