#include "windows/shape_icons.h"

#include "windows/pixel_picture.h"

namespace windows {

namespace {

constexpr int32_t Ink = PictureInk;
constexpr int32_t Face = PictureFace;
constexpr int32_t DarkGrey = 0x808080;   // of the 16-colour palette
constexpr int32_t LightGrey = 0xC0C0C0;  // of the 16-colour palette

ui::Image Blank() { return BlankPicture(IconSize, IconSize); }

void Set(ui::Image& image, int x, int y, int32_t colour) { SetPicturePixel(image, x, y, colour); }

void Fill(ui::Image& image, int x0, int y0, int x1, int y1, int32_t colour = Ink) {
  FillPicture(image, x0, y0, x1, y1, colour);
}

// The pixels whose centres lie between radii r0 and r1 from the image's centre.
void Annulus(ui::Image& image, double r0, double r1, int32_t colour) {
  const double c = (IconSize - 1) / 2.0;
  for (int y = 0; y < IconSize; ++y)
    for (int x = 0; x < IconSize; ++x) {
      const double d2 = (x - c) * (x - c) + (y - c) * (y - c);
      if (d2 >= r0 * r0 && d2 <= r1 * r1) Set(image, x, y, colour);
    }
}

}  // namespace

ui::Image WideFlangeIcon() {
  ui::Image image = Blank();
  Fill(image, 3, 3, 20, 5);    // top flange
  Fill(image, 3, 18, 20, 20);  // bottom flange
  Fill(image, 10, 6, 13, 17);  // web
  return image;
}

ui::Image ChannelIcon() {
  ui::Image image = Blank();
  Fill(image, 5, 3, 8, 20);  // web
  // Flanges: four rows thick at the web, two at the tips.
  for (int x = 9; x <= 18; ++x) {
    const int thickness = x <= 12 ? 4 : x <= 15 ? 3 : 2;
    Fill(image, x, 3, x, 3 + thickness - 1);
    Fill(image, x, 20 - thickness + 1, x, 20);
  }
  return image;
}

ui::Image AngleIcon() {
  ui::Image image = Blank();
  Fill(image, 5, 3, 8, 20);    // leg upwards
  Fill(image, 9, 17, 19, 20);  // leg to the right
  return image;
}

ui::Image TeeIcon() {
  ui::Image image = Blank();
  Fill(image, 3, 3, 20, 6);    // flange
  Fill(image, 10, 7, 13, 20);  // stem
  return image;
}

ui::Image SquareHssIcon() {
  ui::Image image = Blank();
  Fill(image, 3, 3, 20, 20);
  Fill(image, 6, 6, 17, 17, Face);
  // Rounded outer corners.
  for (int x : {3, 20})
    for (int y : {3, 20}) Set(image, x, y, Face);
  return image;
}

ui::Image RingIcon() {
  ui::Image image = Blank();
  Annulus(image, 6.0, 9.5, Ink);
  return image;
}

ui::Image PlateIcon() {
  ui::Image image = Blank();
  Fill(image, 1, 8, 22, 15, Ink);
  Fill(image, 2, 9, 21, 14, DarkGrey);
  Fill(image, 2, 9, 21, 9, LightGrey);  // light on its upper edge
  return image;
}

ui::Image BarIcon() {
  ui::Image image = Blank();
  Annulus(image, 0.0, 9.5, Ink);
  Annulus(image, 0.0, 8.5, DarkGrey);
  Annulus(image, 0.0, 3.0, LightGrey);
  return image;
}

}  // namespace windows
