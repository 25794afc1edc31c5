#pragma once
// The 24 by 24 pictures of the shape-family buttons and of the plate and bar buttons,
// drawn here pixel by pixel: black silhouettes of the cross-sections on the button face.

#include <cstddef>

#include "ui/image.h"

namespace windows {

constexpr int IconSize = 24;

ui::Image WideFlangeIcon();  // two flanges and a web
ui::Image ChannelIcon();     // web on the left, flanges to the right thinning to their tips
ui::Image AngleIcon();       // one leg up, one leg to the right
ui::Image TeeIcon();         // flange on top, stem down
ui::Image SquareHssIcon();   // square tube
ui::Image RingIcon();        // circular tube
ui::Image PlateIcon();       // a flat plate, in the 16-colour palette
ui::Image BarIcon();         // a solid round bar, in the 16-colour palette

}  // namespace windows
