#pragma once
// Which window took each key's press, so that the key's release acts in that window and
// only once. The window system sends a release to the window that holds the focus when
// the key comes up: after a press that closed a dialog, that is the window below it; and
// Qt hands a release that a widget left unhandled on to the widget's window, where the
// form would take it again, after a window that the release opened has closed.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

class QKeyEvent;

namespace ui::qt {

class KeyPresses : public QObject {
 public:
  // Watches the key presses of every window of the application, the message boxes and
  // file dialogs included.
  KeyPresses();

  // True, once, for the release of a key whose press went to `window`; the press is
  // forgotten either way, so the same release passed on to its window does nothing.
  bool TakeRelease(const QKeyEvent& release, const QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<quint64, QPointer<QWidget>> pressedIn_;
};

}  // namespace ui::qt
