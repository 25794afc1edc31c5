// The form window painted onto a page: labels as text, lines as lines, pictures from
// their pixels, anything else as a picture at the device's resolution.

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/qt/canvas_widget.h"
#include "ui/qt/form_widgets.h"
#include "ui/qt/form_window.h"

namespace ui::qt {

namespace {

// A label's text as the painter's own text, so that a page keeps it as text.
void PaintLabel(QPainter& p, const QLabel& label) {
  const QRect r(QPoint(0, 0), label.size());
  if (label.autoFillBackground()) p.fillRect(r, label.palette().color(QPalette::Window));
  if (label.frameStyle() != QFrame::NoFrame) {
    p.setPen(label.palette().color(QPalette::WindowText));
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  p.setFont(label.font());
  p.setPen(label.palette().color(QPalette::WindowText));
  const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  p.drawText(label.contentsRect(), flags, label.text());
}

// Any other widget as a picture at the painter's device resolution.
void PaintAsPicture(QPainter& p, QWidget& w) {
  const QTransform& device = p.deviceTransform();
  const double scale = std::max(1.0, std::hypot(device.m11(), device.m12()));
  QImage image(std::max(1, Round(w.width() * scale)), std::max(1, Round(w.height() * scale)),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  w.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  p.drawImage(QRectF(0, 0, w.width(), w.height()), image);
}

}  // namespace

void FormWindow::PaintPage(QPainter& p) {
  Sync();
  p.fillRect(client_->rect(), client_->palette().color(QPalette::Window));
  PaintChildren(p, *client_);
}

void FormWindow::PaintChildren(QPainter& p, QWidget& parent) {
  // Children in their stacking order, bottom first, each clipped to its own rectangle.
  for (QObject* child : parent.children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow() || w->isHidden()) continue;
    p.save();
    p.translate(w->pos());
    p.setClipRect(QRect(QPoint(0, 0), w->size()), Qt::IntersectClip);
    if (auto* label = qobject_cast<QLabel*>(w))
      PaintLabel(p, *label);
    else if (auto* line = dynamic_cast<LineWidget*>(w))
      line->Paint(p);
    else if (auto* canvas = dynamic_cast<CanvasWidget*>(w))
      canvas->Paint(p, true);
    else
      PaintAsPicture(p, *w);
    PaintChildren(p, *w);
    p.restore();
  }
}

}  // namespace ui::qt
