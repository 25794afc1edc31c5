#pragma once
// The widget of a picture box: paints the canvas buffer one to one (no scaling, no
// smoothing) inside a 2-pixel sunken frame when the box has a border, and hands pointer
// events to the box's handlers in its user units.

#include <QImage>
#include <QWidget>
#include <cstdint>

class QPainter;

#include "ui/control.h"

namespace ui::qt {

class QtPlatform;

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(PictureBox& box, QtPlatform& platform, QWidget* parent);

  // Repaints when the canvas changed since the last paint.
  void SyncImage();
  // The box is going away: paint nothing of it from now on.
  void Detach() { box_ = nullptr; }
  // Width of the frame on each side, pixels.
  int FrameWidth() const;
  // Paints the box in its own coordinates: on the screen, or on a page at the printer's
  // resolution (onPage), where each image pixel becomes a sharp block of device pixels.
  void Paint(QPainter& p, bool onPage = false);
  // The image as last converted for painting (for tests).
  const QImage& PaintedImage() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Deliver(QMouseEvent* event, int kind, int16_t button);
  void Convert();

  PictureBox* box_;
  QtPlatform& platform_;
  uint64_t revision_ = ~uint64_t{0};
  QImage image_;
};

}  // namespace ui::qt
