#pragma once
// The sketches of the six predefined torsion and warping cases, the same drawing on the
// chooser's button and in the case's prompt window: black walls on the button face.

#include "ui/image.h"

namespace windows {

constexpr int CasePictureWidth = 90;
constexpr int CasePictureHeight = 84;

ui::Image SquareBoxPicture();       // a square tube of four equal walls, the wall marked t1
ui::Image RectangularBoxPicture();  // top and bottom walls (t1) between two full-height walls (t2)
ui::Image CraneGirderPicture();     // an I-section with a channel laid web down on its top flange
ui::Image WideFlangePicture();      // two flange plates and a web plate
ui::Image ZedPicture();             // top flange left of the web, bottom flange right of it
ui::Image ChannelPicture();         // web on the left, both flanges pointing right

}  // namespace windows
