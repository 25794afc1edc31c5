#pragma once
// Moving and scaling the drawing area's window onto the section plane. Each step ends
// with a full redraw, also when its guard held it back.

namespace view {

void PanViewRight();  // a tenth of the width towards smaller x
void PanViewLeft();   // a tenth of the width towards larger x
void PanViewDown();   // a tenth of the height towards larger y
void PanViewUp();     // a tenth of the height towards smaller y
void ZoomViewIn();    // halved about the centre
void ZoomViewOut();   // doubled about the centre

}  // namespace view
