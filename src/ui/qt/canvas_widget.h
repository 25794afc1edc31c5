#pragma once
// The widget of a picture box: paints the canvas buffer one to one (no scaling, no
// smoothing) inside a 2-pixel sunken frame when the box has a border, and hands pointer
// events to the box's handlers in its user units.

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <cstdint>

class QPainter;

#include "ui/control.h"

namespace ui::qt {

class QtPlatform;

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(PictureBox& box, QtPlatform& platform, QWidget* parent);

  // Brings the kept image up to date with the canvas and repaints what changed: only the
  // pixels written since the last time, unless the size or the palette changed.
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
  // The whole canvas converted afresh, as the kept image must be after SyncImage (for tests).
  QImage FullConversion() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Deliver(QMouseEvent* event, int kind, int16_t button);
  // Converts what changed into the kept image, everything when `all`; returns what it
  // converted, in image pixels.
  QRegion Convert(bool all = false);

  PictureBox* box_;
  QtPlatform& platform_;
  uint64_t revision_ = ~uint64_t{0};  // of the canvas, as the kept image shows it
  QImage image_;
};

}  // namespace ui::qt
