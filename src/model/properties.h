#pragma once
// The one entry point of the property calculation: recomputes every property of the
// section, shows each in the results panel and marks the principal axes or the centroid
// over the drawing. About the principal axes (RotAxis false) the section is turned into
// its principal frame for the calculation and turned back afterwards.

namespace model {

void RecalcProperties();

}  // namespace model
