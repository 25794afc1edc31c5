#include "ui/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ui {

void Canvas::FollowOwner() const {
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
  TouchedAll();
  ++revision_;
}

void Canvas::Batch::RecordWithin(float x1, float y1, float x2, float y2) {
  int left = ToPixelIndex(x1), right = ToPixelIndex(x2);
  int top = ToPixelIndex(y1), bottom = ToPixelIndex(y2);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (right < 0 || bottom < 0 || left >= static_cast<int>(width_) || top >= static_cast<int>(height_)) return;
  const auto l = static_cast<size_t>(std::max(left, 0)), t = static_cast<size_t>(std::max(top, 0));
  const size_t r = std::min(static_cast<size_t>(right) + 1, width_);
  const size_t b = std::min(static_cast<size_t>(bottom) + 1, height_);
  left_ = std::min(left_, l);
  top_ = std::min(top_, t);
  right_ = std::max(right_, r);
  bottom_ = std::max(bottom_, b);
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

void Canvas::PlotDot(int px, int py, int32_t colour) {
  Sync();
  const double r = DrawWidth / 2.0;
  const int reach = static_cast<int>(r);
  // The dot's pixels inside the image are recorded as one rectangle, and the image changes
  // once for the dot, however many of them there are.
  PixelRect wrote{width_, height_, 0, 0};
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const int x = px + dx, y = py + dy;
      if (dx * dx + dy * dy > r * r || !Inside(x, y)) continue;
      pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = colour;
      wrote.Left = std::min(wrote.Left, x);
      wrote.Top = std::min(wrote.Top, y);
      wrote.Right = std::max(wrote.Right, x + 1);
      wrote.Bottom = std::max(wrote.Bottom, y + 1);
    }
  if (wrote.Empty()) return;
  Touched(wrote);
  Changed();
}

namespace {

// The integer Bresenham walk along the major axis (D = 2 minor - major at the start, the
// minor coordinate steps when D > 0) has a closed form: after k steps the minor
// coordinate has stepped j(k) = ceil((2 minor k - major) / (2 major)) times, and D is
// 2 minor (k + 1) - major - 2 major j(k). So the walk can start at any step in exactly
// the state the full walk would be in there. The ends are clamped to +-1e9 pixels, so
// major, minor and k stay below 2^31 and every product below 2^63.
long long CeilDiv(long long a, long long b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

struct Bresenham {
  long long major, minor;
  long long MinorSteps(long long k) const {
    if (k <= 0) return 0;
    return CeilDiv(2 * minor * k - major, 2 * major);
  }
  long long ErrorAt(long long k) const { return 2 * minor * (k + 1) - major - 2 * major * MinorSteps(k); }
  // The first step k in [from, to] whose minor count reaches j (to + 1 when none does);
  // the count never decreases along the walk.
  long long FirstReaching(long long j, long long from, long long to) const {
    long long lo = from, hi = to + 1;
    while (lo < hi) {
      const long long mid = lo + (hi - lo) / 2;
      if (MinorSteps(mid) >= j)
        hi = mid;
      else
        lo = mid + 1;
    }
    return lo;
  }
};

}  // namespace

void Canvas::Line(float x1, float y1, float x2, float y2, int32_t colour) {
  Batch batch(*this);
  const int px = ToPixelIndex(ToPixelX(x1));
  const int py = ToPixelIndex(ToPixelY(y1));
  const int ex = ToPixelIndex(ToPixelX(x2));
  const int ey = ToPixelIndex(ToPixelY(y2));
  CurrentX = x2;
  CurrentY = y2;
  const long long dx = std::llabs(static_cast<long long>(ex) - px);
  const long long dy = std::llabs(static_cast<long long>(ey) - py);
  const int sx = ex >= px ? 1 : -1;
  const int sy = ey >= py ? 1 : -1;
  const bool xMajor = dx >= dy;
  const Bresenham walk{xMajor ? dx : dy, xMajor ? dy : dx};
  if (walk.major == 0) return;

  // Only the steps whose pixel (and the dot around it) can touch the image are walked.
  const long long margin = DrawWidth > 1 ? DrawWidth : 1;
  const long long w = PixelWidth(), h = PixelHeight();
  const long long p0 = xMajor ? px : py, q0 = xMajor ? py : px;  // major, minor start
  const int sp = xMajor ? sx : sy, sq = xMajor ? sy : sx;
  const long long pHigh = (xMajor ? w : h) - 1 + margin, qHigh = (xMajor ? h : w) - 1 + margin;
  // Along the major axis the pixel moves one a step.
  long long first = sp > 0 ? -margin - p0 : p0 - pHigh;
  long long last = sp > 0 ? pHigh - p0 : p0 + margin;
  first = std::max(first, 0LL);
  last = std::min(last, walk.major - 1);
  if (first > last) return;
  // Along the minor axis it moves j(k) in all, j between these bounds inside the image.
  const long long jLow = sq > 0 ? -margin - q0 : q0 - qHigh;
  const long long jHigh = sq > 0 ? qHigh - q0 : q0 + margin;
  // (Only a line that leaves the image sideways needs the search.)
  if (walk.MinorSteps(first) < jLow) first = walk.FirstReaching(jLow, first, last);
  if (first <= last && walk.MinorSteps(last) > jHigh) last = walk.FirstReaching(jHigh + 1, first, last) - 1;
  if (first > last) return;

  long long D = walk.ErrorAt(first);
  long long p = p0 + sp * first, q = q0 + sq * walk.MinorSteps(first);
  for (long long n = first; n <= last; ++n) {
    const bool on = DrawStyle != DrawStyleDot || (n % 4) < 2;
    if (on) {
      if (xMajor)
        batch.SetPixel(static_cast<int>(p), static_cast<int>(q), colour);
      else
        batch.SetPixel(static_cast<int>(q), static_cast<int>(p), colour);
    }
    p += sp;
    if (D > 0) {
      q += sq;
      D -= 2 * walk.major;
    }
    D += 2 * walk.minor;
  }
}

void Canvas::LineTo(float x2, float y2, int32_t colour) { Line(CurrentX, CurrentY, x2, y2, colour); }

void Canvas::Cls() {
  Sync();
  std::fill(pixels_.begin(), pixels_.end(), BackColor);
  CurrentX = 0;
  CurrentY = 0;
  TouchedAll();
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
  Touched(PixelRect{0, 0, std::min(image.Width, width_), std::min(image.Height, height_)});
  ++revision_;
}

namespace {

int64_t AreaOf(const PixelRect& r) {
  return r.Empty() ? 0 : static_cast<int64_t>(r.Right - r.Left) * (r.Bottom - r.Top);
}

bool Holds(const PixelRect& outer, const PixelRect& inner) {
  return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
         outer.Bottom >= inner.Bottom;
}

// The pixels between two rectangles that their union would take in as well.
int64_t JoinCost(const PixelRect& a, const PixelRect& b) {
  PixelRect u = a;
  u.Unite(b);
  return AreaOf(u) - AreaOf(a) - AreaOf(b);
}

// Two rectangles are kept as one while their union takes in little more than the two: a
// quarter of their own area and a block of 64 x 64 pixels. An outline and the grid dots
// around it share one; a marker in a far corner keeps its own.
bool WorthJoining(const PixelRect& a, const PixelRect& b) {
  return JoinCost(a, b) <= (AreaOf(a) + AreaOf(b)) / 4 + 4096;
}

constexpr size_t kMaxAreas = 8;

}  // namespace

void Canvas::Touched(const PixelRect& area) const {
  if (area.Empty()) return;
  for (const PixelRect& r : touched_)
    if (Holds(r, area)) return;
  PixelRect joined = area;
  for (size_t i = 0; i < touched_.size();) {
    if (!WorthJoining(touched_[i], joined)) {
      ++i;
      continue;
    }
    joined.Unite(touched_[i]);  // and look at the others again, against the larger one
    touched_[i] = touched_.back();
    touched_.pop_back();
    i = 0;
  }
  if (touched_.size() < kMaxAreas) {
    touched_.push_back(joined);
    return;
  }
  size_t cheapest = 0;
  for (size_t i = 1; i < touched_.size(); ++i)
    if (JoinCost(touched_[i], joined) < JoinCost(touched_[cheapest], joined)) cheapest = i;
  touched_[cheapest].Unite(joined);
}

CanvasChanges Canvas::TakeChanges() {
  Sync();
  if (held_ != 0) return CanvasChanges{taken_, Revision(), {PixelRect{0, 0, width_, height_}}};
  CanvasChanges changes{taken_, revision_, std::move(touched_)};
  touched_.clear();
  taken_ = revision_;
  return changes;
}

}  // namespace ui
