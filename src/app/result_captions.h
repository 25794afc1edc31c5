#pragma once
// The results panel's captions that follow the settings: the unit labels follow the
// units, the property captions and the angle row follow the axes. Start-up, the Settings
// window's OK and opening a document all bring the panel in line through this one call.

namespace app {

// Unit labels by UnitStatus ("mm" at 10 points from 2000 twips, or "in" at 11 points
// from 2100 twips); captions by RotAxis (global "Ix:", principal "Ix':"), the angle row
// shown only about the principal axes.
void ApplyResultCaptions();

}  // namespace app
