#pragma once
// Key events as the X11 window system hands them to the application: each carries the
// key's scan code and the server's time stamp, each is queued and delivered in order when
// the event loop runs, and a press is first offered to the focus widget as a shortcut
// override, then to the application's shortcuts, and reaches the widget only when no
// shortcut took it. A held key arrives as pairs of a release and a press with the same
// time stamp; Qt marks such a pair as a repeat only when the press was already queued
// behind the release, so a test can send the pairs marked or unmarked.

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace qt_testing {

struct PhysicalKey {
  Qt::Key key;
  quint32 scanCode;  // the X server's key code
  QString text;      // what the key types with no modifier
};

// A few keys of a US keyboard with their X key codes.
inline const PhysicalKey KeyV{Qt::Key_V, 55, "v"};
inline const PhysicalKey KeyZ{Qt::Key_Z, 52, "z"};
inline const PhysicalKey KeyA{Qt::Key_A, 38, "a"};
inline const PhysicalKey KeyReturn{Qt::Key_Return, 36, "\r"};
inline const PhysicalKey KeyBackspace{Qt::Key_Backspace, 22, "\b"};

class WindowSystemKeys {
 public:
  WindowSystemKeys() = default;
  explicit WindowSystemKeys(QWidget* window) : window_(window) {}

  // Queues the event; it is delivered when the event loop next runs.
  void Press(const PhysicalKey& k, Qt::KeyboardModifiers mods, ulong time, bool markedRepeat = false) {
    Queue(QEvent::KeyPress, k, mods, time, markedRepeat);
  }
  void Release(const PhysicalKey& k, Qt::KeyboardModifiers mods, ulong time, bool markedRepeat = false) {
    Queue(QEvent::KeyRelease, k, mods, time, markedRepeat);
  }
  // Runs the event loop for `ms` milliseconds: what was queued is delivered, and timers
  // that fall due in that time run.
  static void Run(int ms = 0) {
    QApplication::processEvents();
    if (ms > 0) QTest::qWait(ms);
    QApplication::processEvents();
  }

 private:
  void Queue(QEvent::Type type, const PhysicalKey& k, Qt::KeyboardModifiers mods, ulong time, bool repeat) {
    QWidget* window = window_;
    QMetaObject::invokeMethod(
        qApp, [=] { Deliver(window, type, k, mods, time, repeat); }, Qt::QueuedConnection);
  }
  static QString TextOf(const PhysicalKey& k, Qt::KeyboardModifiers mods) {
    if (mods & Qt::ControlModifier && k.key >= Qt::Key_A && k.key <= Qt::Key_Z)
      return QString(QChar(k.key - Qt::Key_A + 1));
    return k.text;
  }
  static void Deliver(QWidget* window, QEvent::Type type, const PhysicalKey& k, Qt::KeyboardModifiers mods, ulong time,
                      bool repeat) {
    QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle) {
      ADD_FAILURE() << "no window for the keys";
      return;
    }
    const QString text = TextOf(k, mods);
    if (type == QEvent::KeyPress) {
      QObject* focus = QApplication::focusWidget() ? static_cast<QObject*>(QApplication::focusWidget()) : handle;
      QKeyEvent override(QEvent::ShortcutOverride, k.key, mods, k.scanCode, 0, 0, text, repeat);
      override.setTimestamp(time);
      override.ignore();
      QSpontaneKeyEvent::setSpontaneous(&override);
      qApp->notify(focus, &override);  // as QTest does: sendEvent would mark it as made up
      // Not kept by the widget: the application's shortcuts may take it.
      if (!override.isAccepted() && qt_sendShortcutOverrideEvent(focus, time, k.key, mods, text, repeat)) return;
    }
    QKeyEvent event(type, k.key, mods, k.scanCode, 0, 0, text, repeat);
    event.setTimestamp(time);
    // From the window system: Qt looks for shortcuts in a press that the program made up.
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(handle, &event);
  }

  QWidget* window_ = nullptr;
};

}  // namespace qt_testing
