#pragma once
// The platform's colour numbers (red in the low byte; the high bit names a system
// colour) and pictures, as Qt colours and images.

#include <QColor>
#include <QImage>
#include <QPalette>
#include <cstdint>

#include "ui/image.h"

namespace ui::qt {

// A system colour comes from the palette: &H80000000 and &H8000000F are the button face,
// &H80000012 the button text, &H80000005 / &H80000008 a text field's background / text.
QColor ToQColor(int32_t colour, const QPalette& palette);
// A buffer of platform colours as an opaque image (system colours from the palette).
QImage ToQImage(const int32_t* pixels, int width, int height, const QPalette& palette);
QImage ToQImage(const Image& image, const QPalette& palette);
// Converts the rectangle `area` of a buffer of platform colours, as wide and high as
// `image` (an opaque 32-bit image), into the same rectangle of `image`.
void ConvertArea(const int32_t* pixels, QImage& image, const QRect& area, const QPalette& palette);

}  // namespace ui::qt
