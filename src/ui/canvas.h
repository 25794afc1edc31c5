#pragma once
// The persistent image of a picture box with its user scale. Every rule that maps a
// position to a pixel lives here, so drawing and reading back always agree:
//  - a fractional pixel position p goes to the pixel floor(p + 0.5), on both axes;
//  - setting a pixel outside the image does nothing, reading one returns -1;
//  - PSet at DrawWidth w > 1 sets the round dot dx^2 + dy^2 <= (w/2)^2;
//  - Line joins the mapped end points by integer Bresenham, first pixel set, last left
//    out; a dotted pen sets two pixels and skips two, counted from the first.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "ui/image.h"

namespace ui {

// User: the four scale values; Pixel: whole pixels from the top-left; Twip: 15 twips a
// pixel from the top-left, whatever the size.
enum class ScaleModes { User, Pixel, Twip };

constexpr int16_t DrawStyleSolid = 0;
constexpr int16_t DrawStyleDot = 2;

class Canvas {
 public:
  Canvas() = default;
  // A canvas whose pixel size follows its owner (a picture box) at every use.
  explicit Canvas(std::function<std::pair<int, int>()> size_source) : size_source_(std::move(size_source)) {}

  // The user scale: x of the left edge, y of the top edge, width, height (negative when
  // y grows upward). Kept while the canvas is in pixel units.
  float ScaleLeft = 0;
  float ScaleTop = 0;
  float ScaleWidth = 1;
  float ScaleHeight = 1;
  ScaleModes ScaleMode = ScaleModes::User;

  int16_t DrawWidth = 1;
  int16_t DrawStyle = DrawStyleSolid;
  int32_t ForeColor = 0;
  int32_t BackColor = 0xFFFFFF;
  float CurrentX = 0;
  float CurrentY = 0;

  // Inner size in whole pixels.
  int PixelWidth() const;
  int PixelHeight() const;
  // For a canvas without an owner.
  void SetPixelSize(int width, int height);

  // Sets user coordinates in one call, as the platform's Scale method does.
  void SetScale(float left, float top, float width, float height);

  void PSet(float x, float y, int32_t colour);
  int32_t Point(float x, float y) const;
  void Line(float x1, float y1, float x2, float y2, int32_t colour);
  // Continues a polyline from (CurrentX, CurrentY).
  void LineTo(float x2, float y2, int32_t colour);
  void Cls();

  // Whole pixels, for backends and tests.
  int32_t PixelAt(int px, int py) const;
  void SetPixel(int px, int py, int32_t colour);
  const std::vector<int32_t>& Pixels() const;
  Image Snapshot() const;
  void LoadImage(const Image& image);  // copies a picture into the top-left corner
  // Grows whenever the image changes, so a backend knows when to repaint.
  uint64_t Revision() const { return revision_; }

  // Position in the current units to a fractional pixel position, and back.
  double ToPixelX(double x) const;
  double ToPixelY(double y) const;
  float FromPixelX(double px) const;
  float FromPixelY(double py) const;

 private:
  void Sync() const;  // follows the owner's size, keeping the image's top-left part
  void Plot(int px, int py, int32_t colour);

  std::function<std::pair<int, int>()> size_source_;
  mutable int width_ = 0;
  mutable int height_ = 0;
  mutable std::vector<int32_t> pixels_;
  mutable uint64_t revision_ = 0;
};

}  // namespace ui
