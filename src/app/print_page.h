#pragma once
// File > Print... and File > Print Setup...: the one-page report prepared on the preview
// window, and the printer choice.

#include <cstdint>

namespace app {

// The drawing area's view while the page's picture is drawn: the section fitted into the
// page's drawing box, centred across, its top edge on the box's top edge (lowered in
// principal-axis mode to leave room for the turned axes).
struct PrintView {
  float ScaleLeft = 0, ScaleTop = 0, ScaleWidth = 0, ScaleHeight = 0;
};

// The aspect factor of a view: its height over its width as a whole number, a half to the
// even neighbour (negative for the usual y-up view). False when the view has no width.
bool AspectFactor(float ScaleWidth, float ScaleHeight, int16_t& r);

// The fitted view for a section of the given extents, for aspect factor r. False when the
// view would have no width or no height (r is 0, or an empty section), which the page
// cannot be drawn in.
bool FitPrintView(float SecWidth, float SecDepth, double XMin, double YMax, int16_t r, bool principal, float SecPhi,
                  PrintView& view);

// Sheet.Printr_Click: menu item, Ctrl+P and the toolbar's Print button.
void Printr_Click();
// Sheet.PrintSet_Click.
void PrintSet_Click();

}  // namespace app
