#pragma once
// The persistent image of a picture box with its user scale. Every rule that maps a
// position to a pixel lives here, so drawing and reading back always agree:
//  - a fractional pixel position p goes to the pixel floor(p + 0.5), on both axes;
//  - setting a pixel outside the image does nothing, reading one returns -1;
//  - PSet at DrawWidth w > 1 sets the round dot dx^2 + dy^2 <= (w/2)^2;
//  - Line joins the mapped end points by integer Bresenham, first pixel set, last left
//    out; a dotted pen sets two pixels and skips two, counted from the first.

#include <cassert>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "ui/image.h"

namespace ui {

// User: the four scale values; Pixel: whole pixels from the top-left; Twip: 15 twips a
// pixel from the top-left, whatever the size.
enum class ScaleModes { User, Pixel, Twip };

// A rectangle of whole pixels, right and bottom edges left out.
struct PixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool Empty() const { return Right <= Left || Bottom <= Top; }
  // The smallest rectangle that holds both.
  void Unite(const PixelRect& other) {
    if (other.Empty()) return;
    if (Empty()) {
      *this = other;
      return;
    }
    Left = Left < other.Left ? Left : other.Left;
    Top = Top < other.Top ? Top : other.Top;
    Right = Right > other.Right ? Right : other.Right;
    Bottom = Bottom > other.Bottom ? Bottom : other.Bottom;
  }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// What the image went through between two revisions: every pixel written from revision
// From to revision To lies in one of the Areas (a few rectangles, so that writes far
// apart, a marker in one corner and an outline in the middle, do not span all between).
struct CanvasChanges {
  uint64_t From = 0;
  uint64_t To = 0;
  std::vector<PixelRect> Areas;
};

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

  // Holds the canvas for one drawing operation (a segment, a circle, a probe): the size is
  // taken from the owner once, at the start, and the revision grows once, when the
  // operation has set a pixel, however many pixels it touches. The owner's size must not
  // change while one is alive. They nest.
  class Batch {
   public:
    explicit Batch(Canvas& canvas) : canvas_(canvas) {
      canvas_.Hold();
      pixels_ = canvas_.pixels_.data();
      width_ = static_cast<size_t>(canvas_.width_);
      height_ = static_cast<size_t>(canvas_.height_);
    }
    ~Batch() {
#ifndef NDEBUG
      // A walk that records its own pixels must have recorded every one it set.
      assert(unrecorded_left_ >= unrecorded_right_ || (left_ <= unrecorded_left_ && unrecorded_right_ <= right_ &&
                                                       top_ <= unrecorded_top_ && unrecorded_bottom_ <= bottom_));
#endif
      if (left_ < right_)
        canvas_.Touched(PixelRect{static_cast<int>(left_), static_cast<int>(top_), static_cast<int>(right_),
                                  static_cast<int>(bottom_)});
      canvas_.Release();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // PSet and Point of a position already in fractional pixels, as they are in
    // ScaleModes::Pixel, for the pixel walks; PSetInPixels leaves CurrentX and CurrentY to
    // the caller.
    void PSetInPixels(float px, float py, int32_t colour) {
      const int x = ToPixelIndex(px), y = ToPixelIndex(py);
      if (Write(x, y, colour)) Include(x, y);
    }
    int32_t PointInPixels(float px, float py) const {
      const size_t i = Index(ToPixelIndex(px), ToPixelIndex(py));
      return i == kOutside ? -1 : pixels_[i];
    }
    // Whether the pixel a fractional position falls in is in the image.
    bool InImage(float px, float py) const { return Index(ToPixelIndex(px), ToPixelIndex(py)) != kOutside; }
    // PSetInPixels of a one-pixel pen (DrawWidth 1 or less) for a walk that knows the bounds
    // of what it sets without looking at each pixel: the pixel is left out of the record,
    // and the walk records its bounds once, outside its loop, with RecordWithin before the
    // batch ends. Nothing here calls out, so the walk's loop keeps its state in registers.
    void PSetInPixelsUnrecorded(float px, float py, int32_t colour) {
      assert(canvas_.DrawWidth <= 1);
      const int x = ToPixelIndex(px), y = ToPixelIndex(py);
      if (!SetOne(x, y, colour)) return;
#ifndef NDEBUG
      const auto ux = static_cast<size_t>(x), uy = static_cast<size_t>(y);
      unrecorded_left_ = ux < unrecorded_left_ ? ux : unrecorded_left_;
      unrecorded_right_ = ux + 1 > unrecorded_right_ ? ux + 1 : unrecorded_right_;
      unrecorded_top_ = uy < unrecorded_top_ ? uy : unrecorded_top_;
      unrecorded_bottom_ = uy + 1 > unrecorded_bottom_ ? uy + 1 : unrecorded_bottom_;
#endif
    }
    // PSetInPixels of a one-pixel pen, recorded pixel by pixel, for a walk that cannot bound
    // what it sets beforehand; nothing here calls out either.
    void PSetOnePixel(float px, float py, int32_t colour) {
      assert(canvas_.DrawWidth <= 1);
      const int x = ToPixelIndex(px), y = ToPixelIndex(py);
      if (SetOne(x, y, colour)) Include(x, y);
    }
    // Records as written every pixel of the image that a fractional position between these
    // corners (in either order) falls in.
    // (Out of line: called once a walk, it keeps the walk's loop free of its work.)
    void RecordWithin(float x1, float y1, float x2, float y2);
    // A whole pixel (a wide pen's dot round it), recorded.
    void SetPixel(int x, int y, int32_t colour) {
      if (Write(x, y, colour)) Include(x, y);
    }

   private:
    static constexpr size_t kOutside = ~size_t{0};
    size_t Index(int x, int y) const {
      const auto ux = static_cast<size_t>(static_cast<unsigned>(x));
      const auto uy = static_cast<size_t>(static_cast<unsigned>(y));
      return ux < width_ && uy < height_ ? uy * width_ + ux : kOutside;
    }
    // Sets (x, y) in a one-pixel pen and says so, so the caller records it; a wide pen's
    // dot records itself.
    bool Write(int x, int y, int32_t colour) {
      if (canvas_.DrawWidth > 1) {
        canvas_.PlotDot(x, y, colour);
        return false;
      }
      return SetOne(x, y, colour);
    }
    // Sets (x, y) alone; false when it lies outside the image.
    bool SetOne(int x, int y, int32_t colour) {
      const size_t i = Index(x, y);
      if (i == kOutside) return false;
      pixels_[i] = colour;
      canvas_.changed_ = true;
      return true;
    }

    // Grows the rectangle of the pixels this batch wrote to take in (x, y), inside the image.
    void Include(int x, int y) {
      const auto ux = static_cast<size_t>(x), uy = static_cast<size_t>(y);
      left_ = ux < left_ ? ux : left_;
      right_ = ux + 1 > right_ ? ux + 1 : right_;
      top_ = uy < top_ ? uy : top_;
      bottom_ = uy + 1 > bottom_ ? uy + 1 : bottom_;
    }

    Canvas& canvas_;
    // The image as held, and the rectangle written so far, in types no pixel write can
    // alias, so a walk keeps them at hand.
    int32_t* pixels_ = nullptr;
    size_t width_ = 0;
    size_t height_ = 0;
    size_t left_ = ~size_t{0};
    size_t top_ = ~size_t{0};
    size_t right_ = 0;
    size_t bottom_ = 0;
    // What PSetInPixelsUnrecorded set, kept in builds with assertions only, to check that
    // its walk recorded it all.
#ifndef NDEBUG
    size_t unrecorded_left_ = ~size_t{0};
    size_t unrecorded_top_ = ~size_t{0};
    size_t unrecorded_right_ = 0;
    size_t unrecorded_bottom_ = 0;
#endif
  };

  // Inner size in whole pixels.
  int PixelWidth() const {
    Sync();
    return width_;
  }
  int PixelHeight() const {
    Sync();
    return height_;
  }
  // For a canvas without an owner.
  void SetPixelSize(int width, int height);

  // Sets user coordinates in one call, as the platform's Scale method does.
  void SetScale(float left, float top, float width, float height);

  void PSet(float x, float y, int32_t colour) {
    Plot(ToPixelIndex(ToPixelX(x)), ToPixelIndex(ToPixelY(y)), colour);
    CurrentX = x;
    CurrentY = y;
  }
  int32_t Point(float x, float y) const { return PixelAt(ToPixelIndex(ToPixelX(x)), ToPixelIndex(ToPixelY(y))); }
  void Line(float x1, float y1, float x2, float y2, int32_t colour);
  // Continues a polyline from (CurrentX, CurrentY).
  void LineTo(float x2, float y2, int32_t colour);
  void Cls();

  // Whole pixels, for backends and tests.
  int32_t PixelAt(int px, int py) const {
    Sync();
    if (!Inside(px, py)) return -1;
    return pixels_[static_cast<size_t>(py) * static_cast<size_t>(width_) + static_cast<size_t>(px)];
  }
  void SetPixel(int px, int py, int32_t colour) {
    Sync();
    if (!Inside(px, py)) return;
    pixels_[static_cast<size_t>(py) * static_cast<size_t>(width_) + static_cast<size_t>(px)] = colour;
    Touched(PixelRect{px, py, px + 1, py + 1});
    Changed();
  }
  const std::vector<int32_t>& Pixels() const;
  Image Snapshot() const;
  void LoadImage(const Image& image);  // copies a picture into the top-left corner
  // Grows whenever the image changes, so a backend knows when to repaint.
  uint64_t Revision() const { return revision_ + (changed_ ? 1 : 0); }
  // The changes since the last call (since the canvas was made, at the first), so a
  // backend that kept the image of revision From brings it to revision To by the pixels
  // of the Areas alone. A change of size counts as a write of every pixel. While a batch is
  // alive its pixels are not counted yet: the whole image is reported, and nothing is
  // taken.
  CanvasChanges TakeChanges();

  // Position in the current units to a fractional pixel position, and back.
  double ToPixelX(double x) const {
    if (ScaleMode == ScaleModes::Pixel) return x;
    if (ScaleMode == ScaleModes::Twip) return x / 15.0;
    return (x - ScaleLeft) * PixelWidth() / ScaleWidth;
  }
  double ToPixelY(double y) const {
    if (ScaleMode == ScaleModes::Pixel) return y;
    if (ScaleMode == ScaleModes::Twip) return y / 15.0;
    return (y - ScaleTop) * PixelHeight() / ScaleHeight;
  }
  float FromPixelX(double px) const;
  float FromPixelY(double py) const;

 private:
  // The pixel a fractional position falls in, floor(p + 0.5); far-off positions clamp to a
  // value that is outside every image, so they set nothing and read -1.
  static int ToPixelIndex(double p) {
    if (!(p > -1e9)) return -1000000000;
    if (p > 1e9) return 1000000000;
    const double q = p + 0.5;
    const int cut = static_cast<int>(q);  // toward zero; one too high below zero
    return static_cast<double>(cut) > q ? cut - 1 : cut;
  }
  bool Inside(int px, int py) const {
    return static_cast<unsigned>(px) < static_cast<unsigned>(width_) &&
           static_cast<unsigned>(py) < static_cast<unsigned>(height_);
  }
  // Follows the owner's size, keeping the image's top-left part; not while held.
  void Sync() const {
    if (held_ == 0) FollowOwner();
  }
  void FollowOwner() const;
  void Touched(const PixelRect& area) const;
  void TouchedAll() const { touched_.assign(1, PixelRect{0, 0, width_, height_}); }
  void Changed() {
    if (held_ != 0)
      changed_ = true;
    else
      ++revision_;
  }
  void Hold() const {
    if (held_ == 0) FollowOwner();
    ++held_;
  }
  void Release() const {
    if (--held_ != 0 || !changed_) return;
    changed_ = false;
    ++revision_;
  }
  void Plot(int px, int py, int32_t colour) {
    if (DrawWidth <= 1)
      SetPixel(px, py, colour);
    else
      PlotDot(px, py, colour);
  }
  void PlotDot(int px, int py, int32_t colour);  // the round dot of a wide pen

  std::function<std::pair<int, int>()> size_source_;
  mutable int width_ = 0;
  mutable int height_ = 0;
  mutable std::vector<int32_t> pixels_;
  mutable uint64_t revision_ = 0;
  mutable int held_ = 0;                    // Batches alive
  mutable bool changed_ = false;            // a pixel set under the current batch
  mutable std::vector<PixelRect> touched_;  // pixels written since the last TakeChanges
  uint64_t taken_ = 0;                      // the revision at the last TakeChanges
};

}  // namespace ui
