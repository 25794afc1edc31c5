#include "ui/qt/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/input.h"
#include "ui/qt/colours.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

CanvasWidget::CanvasWidget(PictureBox& box, QtPlatform& platform, QWidget* parent)
    : QWidget(parent), box_(&box), platform_(platform) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int CanvasWidget::FrameWidth() const { return box_ && box_->BorderStyle != 0 ? 2 : 0; }

QRegion CanvasWidget::Convert(bool all) {
  if (!box_) return {};
  const CanvasChanges changes = box_->TakeChanges();  // follows the box's size first
  const std::vector<int32_t>& pixels = box_->Pixels();
  const QSize size(box_->PixelWidth(), box_->PixelHeight());
  const bool sameSize = image_.size() == size && !image_.isNull();
  const bool kept = !all && changes.From == revision_ && sameSize;
  revision_ = changes.To;
  if (!kept) {
    // The kept image's memory serves again while the size stays.
    if (sameSize)
      ConvertArea(pixels.data(), image_, image_.rect(), palette());
    else
      image_ = ToQImage(pixels.data(), size.width(), size.height(), palette());
    return image_.rect();
  }
  QRegion converted;
  for (const PixelRect& a : changes.Areas) {
    if (a.Empty()) continue;
    const QRect area(a.Left, a.Top, a.Right - a.Left, a.Bottom - a.Top);
    ConvertArea(pixels.data(), image_, area, palette());
    converted += area;
  }
  return converted;
}

QImage CanvasWidget::FullConversion() const {
  if (!box_) return {};
  return ToQImage(box_->Pixels().data(), box_->PixelWidth(), box_->PixelHeight(), palette());
}

void CanvasWidget::SyncImage() {
  if (!box_) return;
  box_->PixelWidth();  // a size change counts as a change of the image
  if (box_->Revision() == revision_) return;
  const QRegion changed = Convert();
  if (!changed.isEmpty()) update(changed.translated(FrameWidth(), FrameWidth()));
}

void CanvasWidget::changeEvent(QEvent* event) {
  // System colours in the image follow the palette: convert it all at the next paint.
  if (event->type() == QEvent::PaletteChange) {
    revision_ = ~uint64_t{0};
    update();
  }
  QWidget::changeEvent(event);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p);
}

void CanvasWidget::Paint(QPainter& p, bool onPage) {
  const QColor face = palette().color(QPalette::Button);
  if (!box_) {
    p.fillRect(rect(), face);
    return;
  }
  const int f = FrameWidth();
  // A page is converted whole. On the screen a change not yet synced is converted now and
  // its rectangle painted next, as it may lie outside what is being painted.
  const bool unsynced = box_->Revision() != revision_;
  if (onPage || unsynced) {
    const QRegion changed = Convert(onPage);
    if (unsynced && !changed.isEmpty()) update(changed.translated(f, f));
  }
  p.fillRect(rect(), ToQColor(box_->BackColor, palette()));
  const QTransform& device = p.deviceTransform();
  const double sx = std::hypot(device.m11(), device.m12());
  const double sy = std::hypot(device.m21(), device.m22());
  if (onPage && (sx > 1.01 || sy > 1.01)) {
    // A page at the printer's resolution: each pixel becomes a sharp block of device
    // pixels, never a smoothed blur, whatever the page's viewer does with pictures. A
    // picture with nothing drawn on it is its background alone.
    const bool blank = std::all_of(box_->Pixels().begin(), box_->Pixels().end(),
                                   [back = box_->BackColor](int32_t c) { return c == back; });
    if (!blank) {
      const QSize size(std::max(1, static_cast<int>(std::lround(image_.width() * sx))),
                       std::max(1, static_cast<int>(std::lround(image_.height() * sy))));
      const QImage sharp = image_.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
      p.drawImage(QRectF(f, f, image_.width(), image_.height()), sharp, QRectF(sharp.rect()));
    }
  } else {
    p.drawImage(QPoint(f, f), image_);
  }
  if (f == 0) return;
  // The platform's sunken 3D border: shadow and dark shadow above and left, light and
  // highlight below and right.
  const int w = width(), h = height();
  auto edge = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(inset, inset, w - 2 - inset, inset);
    p.drawLine(inset, inset, inset, h - 2 - inset);
    p.setPen(bottomRight);
    p.drawLine(inset, h - 1 - inset, w - 1 - inset, h - 1 - inset);
    p.drawLine(w - 1 - inset, inset, w - 1 - inset, h - 1 - inset);
  };
  edge(0, QColor(160, 160, 160), QColor(255, 255, 255));
  edge(1, QColor(105, 105, 105), face);
}

void CanvasWidget::Deliver(QMouseEvent* event, int kind, int16_t button) {
  if (!box_) return;
  const int f = FrameWidth();
  const QPoint at = event->position().toPoint();
  const int px = at.x() - f;
  const int py = at.y() - f;
  const int16_t shift = ShiftMask(event->modifiers());
  PictureBox* box = box_;
  platform_.Dispatch([=] { DeliverMouse(*box, static_cast<MouseEvent>(kind), button, shift, px, py); });
}

namespace {

int16_t OneButton(Qt::MouseButton b) { return ButtonMask(Qt::MouseButtons(b)); }

}  // namespace

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  Deliver(event, static_cast<int>(MouseEvent::Down), OneButton(event->button()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  Deliver(event, static_cast<int>(MouseEvent::Move), ButtonMask(event->buttons()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  Deliver(event, static_cast<int>(MouseEvent::Up), OneButton(event->button()));
  if (box_ && box_->Click && rect().contains(event->position().toPoint())) {
    PictureBox* box = box_;
    platform_.Dispatch([box] {
      if (box->Click) box->Click();
    });
  }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  // The platform sends down, up, double click, up: the second down becomes the double click.
  if (box_ && box_->DblClick) {
    PictureBox* box = box_;
    platform_.Dispatch([box] {
      if (box->DblClick) box->DblClick();
    });
    return;
  }
  mousePressEvent(event);
}

}  // namespace ui::qt
