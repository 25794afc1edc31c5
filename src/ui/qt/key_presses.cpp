#include "ui/qt/key_presses.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <limits>

namespace ui::qt {

namespace {

// The physical key: the window system's scan code, which a press and its release share
// whatever the modifiers do in between; Qt's key where there is none (synthetic events).
quint64 KeyOf(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return event.nativeScanCode();
  return (quint64{1} << 32) | static_cast<quint32>(event.key());
}

// Only a key of the keyboard repeats: an event that the program or a test made up has no
// scan code, and no press of a repeat pair follows its release.
bool FromKeyboard(const QKeyEvent& event) { return event.nativeScanCode() != 0; }

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

void KeyPresses::ActOnRelease(const QKeyEvent& release, const QWidget* window, std::function<void()> action) {
  if (!FromKeyboard(release)) {
    action();
    return;
  }
  const quint64 serial = nextSerial_++;
  waiting_.push_back({KeyOf(release), const_cast<QWidget*>(window), std::move(action), serial});
  QTimer::singleShot(repeatWaitMs_, this, [this, serial] { RunWaitingUpTo(serial); });
}

void KeyPresses::RunWaitingReleases() { RunWaitingUpTo(std::numeric_limits<quint64>::max()); }

void KeyPresses::RunWaitingUpTo(quint64 serial) {
  // Taken off the queue before it runs: an action opens windows and runs the handlers of
  // their events, which come here again.
  while (!waiting_.empty() && waiting_.front().serial <= serial) {
    const std::function<void()> action = std::move(waiting_.front().action);
    waiting_.pop_front();
    action();
  }
}

bool KeyPresses::ContinuesHold(const QKeyEvent& press) const {
  if (press.isAutoRepeat()) return true;
  if (!FromKeyboard(press)) return false;
  auto it = releasedAt_.find(KeyOf(press));
  return it != releasedAt_.end() && it->second == press.timestamp();
}

bool KeyPresses::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
  // The widgets of a window see the event one after the other as it travels up to the
  // window; the window itself (QWindow) is not a widget and is left out.
  if (!watched->isWidgetType()) return false;
  auto& key = *static_cast<QKeyEvent*>(event);
  QWidget* window = static_cast<QWidget*>(watched)->window();
  const quint64 code = KeyOf(key);
  switch (type) {
    case QEvent::ShortcutOverride:
      // A held key runs its shortcut once: the widget keeps the repeats (a text box types
      // them), and no menu command runs again.
      if (!ContinuesHold(key)) return false;
      key.accept();
      return true;
    case QEvent::KeyPress:
      if (!ContinuesHold(key)) {
        pressedIn_[code] = window;
        return false;
      }
      // The hold goes on: the release that waited for this press was no release, and the
      // hold's release acts where its first press went.
      for (auto it = waiting_.begin(); it != waiting_.end(); ++it)
        if (it->key == code) {
          pressedIn_[code] = it->window;
          waiting_.erase(it);
          break;
        }
      return false;
    default:
      break;
  }
  if (key.isAutoRepeat()) return false;
  if (FromKeyboard(key)) releasedAt_[code] = key.timestamp();
  // A release that reaches another window than its press spends the press there, form
  // window or not, so that no later release can take it.
  auto it = pressedIn_.find(code);
  if (it != pressedIn_.end() && it->second != window) pressedIn_.erase(it);
  return false;
}

}  // namespace ui::qt
