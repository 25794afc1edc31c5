#include "ui/qt/key_presses.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace ui::qt {

namespace {

// The physical key: the window system's scan code, which a press and its release share
// whatever the modifiers do in between; Qt's key where there is none (synthetic events).
quint64 KeyOf(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return event.nativeScanCode();
  return (quint64{1} << 32) | static_cast<quint32>(event.key());
}

}  // namespace

KeyPresses::KeyPresses() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool KeyPresses::TakeRelease(const QKeyEvent& release, const QWidget* window) {
  auto it = pressedIn_.find(KeyOf(release));
  if (it == pressedIn_.end()) return false;
  const bool here = it->second && it->second == window;
  pressedIn_.erase(it);
  return here;
}

bool KeyPresses::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  // The widgets of a window see the event one after the other as it travels up to the
  // window; the window itself (QWindow) is not a widget and is left out.
  if (!watched->isWidgetType()) return false;
  QWidget* window = static_cast<QWidget*>(watched)->window();
  const quint64 key = KeyOf(*static_cast<QKeyEvent*>(event));
  if (type == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->isAutoRepeat()) return false;
  if (type == QEvent::KeyPress) {
    pressedIn_[key] = window;
    return false;
  }
  // A release that reaches another window than its press spends the press there, form
  // window or not, so that no later release can take it.
  auto it = pressedIn_.find(key);
  if (it != pressedIn_.end() && it->second != window) pressedIn_.erase(it);
  return false;
}

}  // namespace ui::qt
