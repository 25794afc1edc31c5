#include "ui/qt/colours.h"

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

QRgb ToRgb(int32_t colour, const QPalette& p) {
  const auto c = static_cast<uint32_t>(colour);
  if (c & 0x80000000u) return SystemRgb(c & 0xFFu, p);
  return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

QColor ToQColor(int32_t colour, const QPalette& palette) { return QColor::fromRgb(ToRgb(colour, palette)); }

QImage ToQImage(const int32_t* pixels, int width, int height, const QPalette& palette) {
  if (width <= 0 || height <= 0) return {};
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const int32_t* src = pixels + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x) row[x] = ToRgb(src[x], palette);
  }
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
