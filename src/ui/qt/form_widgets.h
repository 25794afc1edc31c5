#pragma once
// What the files of the form window share: twips to whole pixels, Qt's strings, palette
// roles, and the widget of a line control.

#include <QPainter>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <cmath>
#include <initializer_list>
#include <string>

#include "ui/form.h"

namespace ui::qt {

// Twips to whole pixels, the rounding the canvas uses for a picture box's size.
inline int Px(float twips) { return static_cast<int>(std::floor(twips / static_cast<float>(TwipsPerPixel) + 0.5f)); }
inline int Round(double v) { return static_cast<int>(std::floor(v + 0.5)); }

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The values that decide a widget's look, as one text to compare with the last one applied.
inline std::string ColourKey(std::initializer_list<int32_t> values) {
  std::string key;
  for (int32_t v : values) key += std::to_string(v) + ",";
  return key;
}

inline void SetRole(QWidget& w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w.palette();
  if (p.color(role) == colour) return;
  p.setColor(role, colour);
  w.setPalette(p);
}

// A line control: paints one straight line in its container's coordinates; it covers
// the container and lets the pointer through.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  void Set(QPoint a, QPoint b, QColor colour, int width, bool dotted) {
    if (a == a_ && b == b_ && colour == colour_ && width == width_ && dotted == dotted_) return;
    a_ = a, b_ = b, colour_ = colour, width_ = width, dotted_ = dotted;
    update();
  }
  void Paint(QPainter& p) const {
    QPen pen(colour_, width_);
    if (dotted_) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.drawLine(a_, b_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    Paint(p);
  }

 private:
  QPoint a_, b_;
  QColor colour_;
  int width_ = 1;
  bool dotted_ = false;
};

}  // namespace ui::qt
