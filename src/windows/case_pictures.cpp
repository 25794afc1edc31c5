#include "windows/case_pictures.h"

#include "windows/pixel_picture.h"

namespace windows {

namespace {

ui::Image Blank() { return BlankPicture(CasePictureWidth, CasePictureHeight); }

// Three by five glyphs for the wall marks, rows from the top.
void Glyph(ui::Image& image, char c, int x, int y) {
  static constexpr const char* T[5] = {".#.", "###", ".#.", ".#.", ".##"};
  static constexpr const char* One[5] = {".#.", "##.", ".#.", ".#.", "###"};
  static constexpr const char* Two[5] = {"##.", "..#", ".#.", "#..", "###"};
  const char* const* rows = c == 't' ? T : c == '1' ? One : Two;
  for (int r = 0; r < 5; ++r)
    for (int k = 0; k < 3; ++k)
      if (rows[r][k] == '#') SetPicturePixel(image, x + k, y + r, PictureInk);
}

void Mark(ui::Image& image, const char* text, int x, int y) {
  for (int i = 0; text[i] != 0; ++i) Glyph(image, text[i], x + 4 * i, y);
}

// Arrows of a thickness mark: a shaft of `length` pixels ending in a head at the tip.
void ArrowDown(ui::Image& image, int x, int tip, int length) {
  FillPicture(image, x, tip - length + 1, x, tip);
  FillPicture(image, x - 1, tip - 1, x + 1, tip - 1);
  FillPicture(image, x - 2, tip - 2, x + 2, tip - 2);
}

void ArrowUp(ui::Image& image, int x, int tip, int length) {
  FillPicture(image, x, tip, x, tip + length - 1);
  FillPicture(image, x - 1, tip + 1, x + 1, tip + 1);
  FillPicture(image, x - 2, tip + 2, x + 2, tip + 2);
}

void ArrowRight(ui::Image& image, int tip, int y, int length) {
  FillPicture(image, tip - length + 1, y, tip, y);
  FillPicture(image, tip - 1, y - 1, tip - 1, y + 1);
  FillPicture(image, tip - 2, y - 2, tip - 2, y + 2);
}

void ArrowLeft(ui::Image& image, int tip, int y, int length) {
  FillPicture(image, tip, y, tip + length - 1, y);
  FillPicture(image, tip + 1, y - 1, tip + 1, y + 1);
  FillPicture(image, tip + 2, y - 2, tip + 2, y + 2);
}

// The thickness of a horizontal wall from row top to row bottom, marked at column x:
// one arrow down onto it from above, one up onto it from below, and the name beside.
void MarkHorizontalWall(ui::Image& image, int x, int top, int bottom, const char* name) {
  ArrowDown(image, x, top - 2, 8);
  ArrowUp(image, x, bottom + 2, 8);
  Mark(image, name, x + 4, top - 9);
}

}  // namespace

ui::Image SquareBoxPicture() {
  ui::Image image = Blank();
  FillPicture(image, 17, 14, 72, 69);
  FillPicture(image, 24, 21, 65, 62, PictureFace);
  MarkHorizontalWall(image, 44, 14, 20, "t1");
  return image;
}

ui::Image RectangularBoxPicture() {
  ui::Image image = Blank();
  FillPicture(image, 8, 18, 15, 65);  // side walls t2, full height
  FillPicture(image, 74, 18, 81, 65);
  FillPicture(image, 16, 18, 73, 22);  // top and bottom walls t1, between the sides
  FillPicture(image, 16, 61, 73, 65);
  MarkHorizontalWall(image, 44, 18, 22, "t1");
  // The side wall's thickness: arrows onto it from the left and from inside.
  ArrowRight(image, 6, 42, 6);
  ArrowLeft(image, 17, 42, 8);
  Mark(image, "t2", 1, 46);
  return image;
}

ui::Image CraneGirderPicture() {
  ui::Image image = Blank();
  FillPicture(image, 22, 34, 67, 39);  // I-section: top flange
  FillPicture(image, 42, 40, 47, 71);  // web
  FillPicture(image, 22, 72, 67, 77);  // bottom flange
  FillPicture(image, 14, 27, 75, 33);  // channel web, lying on the top flange
  FillPicture(image, 14, 34, 19, 45);  // channel flanges, down past the flange edges
  FillPicture(image, 70, 34, 75, 45);
  return image;
}

ui::Image WideFlangePicture() {
  ui::Image image = Blank();
  FillPicture(image, 20, 12, 69, 19);  // top flange plate
  FillPicture(image, 41, 20, 48, 63);  // web plate
  FillPicture(image, 20, 64, 69, 71);  // bottom flange plate
  return image;
}

ui::Image ZedPicture() {
  ui::Image image = Blank();
  FillPicture(image, 16, 12, 40, 19);  // top flange, to the left
  FillPicture(image, 41, 12, 48, 71);  // web
  FillPicture(image, 49, 64, 73, 71);  // bottom flange, to the right
  return image;
}

ui::Image ChannelPicture() {
  ui::Image image = Blank();
  FillPicture(image, 24, 12, 31, 71);  // web
  FillPicture(image, 32, 12, 67, 19);  // flanges pointing right
  FillPicture(image, 32, 64, 67, 71);
  return image;
}

}  // namespace windows
