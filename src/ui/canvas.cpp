#include "ui/canvas.h"

#include <cmath>
#include <cstdlib>

namespace ui {

namespace {

// The pixel a fractional position falls in; far-off positions clamp to a value that is
// outside every image, so they set nothing and read -1.
int ToPixelIndex(double p) {
  if (!(p > -1e9)) return -1000000000;
  if (p > 1e9) return 1000000000;
  return static_cast<int>(std::floor(p + 0.5));
}

}  // namespace

void Canvas::Sync() const {
  if (!size_source_) return;
  auto [w, h] = size_source_();
  if (w < 0) w = 0;
  if (h < 0) h = 0;
  if (w == width_ && h == height_) return;
  std::vector<int32_t> next(static_cast<size_t>(w) * h, BackColor);
  for (int y = 0; y < h && y < height_; ++y)
    for (int x = 0; x < w && x < width_; ++x)
      next[static_cast<size_t>(y) * w + x] = pixels_[static_cast<size_t>(y) * width_ + x];
  pixels_ = std::move(next);
  width_ = w;
  height_ = h;
  ++revision_;
}

int Canvas::PixelWidth() const {
  Sync();
  return width_;
}

int Canvas::PixelHeight() const {
  Sync();
  return height_;
}

void Canvas::SetPixelSize(int width, int height) {
  size_source_ = [width, height] { return std::pair{width, height}; };
  Sync();
}

void Canvas::SetScale(float left, float top, float width, float height) {
  ScaleLeft = left;
  ScaleTop = top;
  ScaleWidth = width;
  ScaleHeight = height;
  ScaleMode = ScaleModes::User;
}

double Canvas::ToPixelX(double x) const {
  if (ScaleMode == ScaleModes::Pixel) return x;
  if (ScaleMode == ScaleModes::Twip) return x / 15.0;
  return (x - ScaleLeft) * PixelWidth() / ScaleWidth;
}

double Canvas::ToPixelY(double y) const {
  if (ScaleMode == ScaleModes::Pixel) return y;
  if (ScaleMode == ScaleModes::Twip) return y / 15.0;
  return (y - ScaleTop) * PixelHeight() / ScaleHeight;
}

float Canvas::FromPixelX(double px) const {
  if (ScaleMode == ScaleModes::Pixel) return static_cast<float>(px);
  if (ScaleMode == ScaleModes::Twip) return static_cast<float>(px * 15.0);
  const int w = PixelWidth();
  return static_cast<float>(ScaleLeft + px * ScaleWidth / (w > 0 ? w : 1));
}

float Canvas::FromPixelY(double py) const {
  if (ScaleMode == ScaleModes::Pixel) return static_cast<float>(py);
  if (ScaleMode == ScaleModes::Twip) return static_cast<float>(py * 15.0);
  const int h = PixelHeight();
  return static_cast<float>(ScaleTop + py * ScaleHeight / (h > 0 ? h : 1));
}

int32_t Canvas::PixelAt(int px, int py) const {
  Sync();
  if (px < 0 || py < 0 || px >= width_ || py >= height_) return -1;
  return pixels_[static_cast<size_t>(py) * width_ + px];
}

void Canvas::SetPixel(int px, int py, int32_t colour) {
  Sync();
  if (px < 0 || py < 0 || px >= width_ || py >= height_) return;
  pixels_[static_cast<size_t>(py) * width_ + px] = colour;
  ++revision_;
}

void Canvas::Plot(int px, int py, int32_t colour) {
  if (DrawWidth <= 1) {
    SetPixel(px, py, colour);
    return;
  }
  const double r = DrawWidth / 2.0;
  const int reach = static_cast<int>(r);
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (dx * dx + dy * dy <= r * r) SetPixel(px + dx, py + dy, colour);
}

void Canvas::PSet(float x, float y, int32_t colour) {
  Plot(ToPixelIndex(ToPixelX(x)), ToPixelIndex(ToPixelY(y)), colour);
  CurrentX = x;
  CurrentY = y;
}

int32_t Canvas::Point(float x, float y) const { return PixelAt(ToPixelIndex(ToPixelX(x)), ToPixelIndex(ToPixelY(y))); }

void Canvas::Line(float x1, float y1, float x2, float y2, int32_t colour) {
  int px = ToPixelIndex(ToPixelX(x1));
  int py = ToPixelIndex(ToPixelY(y1));
  const int ex = ToPixelIndex(ToPixelX(x2));
  const int ey = ToPixelIndex(ToPixelY(y2));
  CurrentX = x2;
  CurrentY = y2;
  // Textbook integer Bresenham along the major axis: D = 2 minor - major, the minor
  // coordinate steps when D > 0.
  const long long dx = std::llabs(static_cast<long long>(ex) - px);
  const long long dy = std::llabs(static_cast<long long>(ey) - py);
  const int sx = ex >= px ? 1 : -1;
  const int sy = ey >= py ? 1 : -1;
  const bool xMajor = dx >= dy;
  const long long major = xMajor ? dx : dy;
  const long long minor = xMajor ? dy : dx;
  long long D = 2 * minor - major;
  const int w = PixelWidth();
  const int h = PixelHeight();
  for (long long n = 0; n < major; ++n) {
    const bool on = DrawStyle != DrawStyleDot || (n % 4) < 2;
    if (on) Plot(px, py, colour);
    // Once the walk has left the image on a side it keeps heading away from (or runs
    // beside it on a side it never moves on), no later pixel can come back in.
    const bool past_x = sx > 0 ? px > w + DrawWidth : px < -DrawWidth;
    const bool past_y = sy > 0 ? py > h + DrawWidth : py < -DrawWidth;
    const bool off_x = px < -DrawWidth || px > w + DrawWidth;
    const bool off_y = py < -DrawWidth || py > h + DrawWidth;
    if ((dx != 0 && past_x) || (dy != 0 && past_y) || (dx == 0 && off_x) || (dy == 0 && off_y)) break;
    if (xMajor) {
      px += sx;
      if (D > 0) {
        py += sy;
        D -= 2 * major;
      }
    } else {
      py += sy;
      if (D > 0) {
        px += sx;
        D -= 2 * major;
      }
    }
    D += 2 * minor;
  }
}

void Canvas::LineTo(float x2, float y2, int32_t colour) { Line(CurrentX, CurrentY, x2, y2, colour); }

void Canvas::Cls() {
  Sync();
  std::fill(pixels_.begin(), pixels_.end(), BackColor);
  CurrentX = 0;
  CurrentY = 0;
  ++revision_;
}

const std::vector<int32_t>& Canvas::Pixels() const {
  Sync();
  return pixels_;
}

Image Canvas::Snapshot() const {
  Sync();
  return Image{width_, height_, pixels_, {}};
}

void Canvas::LoadImage(const Image& image) {
  Sync();
  for (int y = 0; y < image.Height && y < height_; ++y)
    for (int x = 0; x < image.Width && x < width_; ++x) pixels_[static_cast<size_t>(y) * width_ + x] = image.At(x, y);
  ++revision_;
}

}  // namespace ui
