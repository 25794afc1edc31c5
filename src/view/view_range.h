#pragma once
// The views the program works in: the ones a document keeps and gives back. A document
// writes the four view values with their fractions and reads them back as whole 32-bit
// numbers held as singles, and it writes the zoom scale as a single. Open, the settings
// and every pan and zoom step take a view only within this range, so whatever view is on
// screen saves as a file that opens again with the same view.

namespace view {

// A left or top edge: a whole number of the 32-bit range once rounded, whose single is
// below 2^31 (the top 64 whole numbers of the range round to 2^31 as a single).
bool ViewEdgeInRange(float v);
// Edges in range, a width of at least 1 and a height of at most -1 once rounded (y up).
bool ViewInRange(float left, float top, float width, float height);
// Finite and above 0: it halves and doubles with the view and never comes back from 0.
bool ZoomScaleInRange(float zoom);

}  // namespace view
