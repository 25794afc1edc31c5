#pragma once
// Drawing, erasing and overlap-testing one element of the section at an insertion point
// the caller gives (the element's own PosX, PosY for a redraw, the pointer's position for
// a preview). The outline is chosen by ShapeType: the standard shapes through their
// outline routines, circular hollow sections, plates and round bars directly.
//
// An index that names no element in use (1 to ElementCount), or an element whose placed
// geometry does not fit in single precision, is drawn, erased and probed as nothing.

#include <cstdint>

namespace view {

// The outline in Colour and, when the element is selected, its handles in blue at pen
// width 5 (the pen goes back to 1). IsDrawingHandles is set while the handles are plotted.
void DrawElement(int32_t X, int32_t Y, int32_t Index, int32_t Colour);
// The same outline and handles in white, with IsErasing set meanwhile.
void EraseElement(int32_t X, int32_t Y, int32_t Index);
// The same outline through the probes; OverlapFound is set on a black pixel and never
// cleared here.
void TestElementOverlap(int32_t X, int32_t Y, int32_t Index);

}  // namespace view
