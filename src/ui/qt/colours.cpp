#include "ui/qt/colours.h"

#include <array>

namespace ui::qt {

namespace {

QRgb SystemRgb(uint32_t index, const QPalette& p) {
  switch (index) {
    case 0x05:  // window background (text fields)
      return p.color(QPalette::Base).rgb();
    case 0x08:  // window text
      return p.color(QPalette::Text).rgb();
    case 0x12:  // button text
      return p.color(QPalette::ButtonText).rgb();
    case 0x0E:  // highlighted text
      return p.color(QPalette::HighlightedText).rgb();
    case 0x0D:  // highlight
      return p.color(QPalette::Highlight).rgb();
    default:  // 0x00 and 0x0F: the button face
      return p.color(QPalette::Button).rgb();
  }
}

// A colour without the high bit: red from the low byte, green, blue; the top byte is not
// part of it.
QRgb PlainRgb(uint32_t c) { return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }

QRgb ToRgb(int32_t colour, const QPalette& p) {
  const auto c = static_cast<uint32_t>(colour);
  if (c & 0x80000000u) return SystemRgb(c & 0xFFu, p);
  return PlainRgb(c);
}

// The rows go in blocks of a fixed length, with source and image apart, so the compiler
// turns each block into a few vector instructions at every optimisation level.
constexpr int kBlock = 16;

// One row of plain colours: no test per pixel.
void PlainRow(const int32_t* __restrict src, QRgb* __restrict out, int n) {
  int x = 0;
  for (; x + kBlock <= n; x += kBlock)
    for (int k = 0; k < kBlock; ++k) out[x + k] = PlainRgb(static_cast<uint32_t>(src[x + k]));
  for (; x < n; ++x) out[x] = PlainRgb(static_cast<uint32_t>(src[x]));
}

// A row with system colours among the plain ones: the plain colour and the system colour
// of each pixel are both looked up and the high bit picks one, without a branch.
void MixedRow(const int32_t* __restrict src, QRgb* __restrict out, int n, const std::array<QRgb, 256>& system) {
  for (int x = 0; x < n; ++x) {
    const auto c = static_cast<uint32_t>(src[x]);
    const uint32_t pick = 0u - (c >> 31);  // all ones for a system colour
    out[x] = (PlainRgb(c) & ~pick) | (system[c & 0xFFu] & pick);
  }
}

bool AnySystemColour(const int32_t* src, int n) {
  uint32_t bits = 0;
  int x = 0;
  for (; x + kBlock <= n; x += kBlock)
    for (int k = 0; k < kBlock; ++k) bits |= static_cast<uint32_t>(src[x + k]);
  for (; x < n; ++x) bits |= static_cast<uint32_t>(src[x]);
  return (bits & 0x80000000u) != 0;
}

}  // namespace

QColor ToQColor(int32_t colour, const QPalette& palette) { return QColor::fromRgb(ToRgb(colour, palette)); }

void ConvertArea(const int32_t* pixels, QImage& image, const QRect& area, const QPalette& palette) {
  const QRect r = area & image.rect();
  if (r.isEmpty()) return;
  const auto width = static_cast<size_t>(image.width());
  std::array<QRgb, 256> system{};
  bool systemKnown = false;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y)) + r.left();
    const int32_t* src = pixels + static_cast<size_t>(y) * width + static_cast<size_t>(r.left());
    if (!AnySystemColour(src, r.width())) {
      PlainRow(src, out, r.width());
      continue;
    }
    if (!systemKnown) {
      for (uint32_t i = 0; i < system.size(); ++i) system[i] = SystemRgb(i, palette);
      systemKnown = true;
    }
    MixedRow(src, out, r.width(), system);
  }
}

QImage ToQImage(const int32_t* pixels, int width, int height, const QPalette& palette) {
  if (width <= 0 || height <= 0) return {};
  QImage image(width, height, QImage::Format_RGB32);
  ConvertArea(pixels, image, image.rect(), palette);
  return image;
}

QImage ToQImage(const Image& image, const QPalette& palette) {
  if (image.Empty()) return {};
  if (image.Alpha.size() != image.Pixels.size())
    return ToQImage(image.Pixels.data(), image.Width, image.Height, palette);
  QImage out(image.Width, image.Height, QImage::Format_ARGB32);
  for (int y = 0; y < image.Height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.Width; ++x) {
      const size_t i = static_cast<size_t>(y) * image.Width + x;
      const QRgb c = ToRgb(image.Pixels[i], palette);
      row[x] = qRgba(qRed(c), qGreen(c), qBlue(c), image.Alpha[i]);
    }
  }
  return out;
}

}  // namespace ui::qt
