#pragma once
// Which window took each key's press, so that the key's release acts in that window and
// only once. The window system sends a release to the window that holds the focus when
// the key comes up: after a press that closed a dialog, that is the window below it; and
// Qt hands a release that a widget left unhandled on to the widget's window, where the
// form would take it again, after a window that the release opened has closed.
//
// A held key is one hold, however long: on X11 it arrives as pairs of a release and a
// press of the same key with the same time stamp, and Qt marks such a pair as a repeat
// only when the press was already queued behind the release. So a release that could be
// one half of such a pair acts only after a short wait (or before the next handler that
// runs, whichever comes first); a press of its key with its time stamp cancels it, and
// the hold goes on in the window of its first press. Such a press never starts a hold of
// its own, nor runs a shortcut.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>

class QKeyEvent;

namespace ui::qt {

class KeyPresses : public QObject {
 public:
  // How long a release waits for the press that would make it half of a repeat pair: the
  // window system sends the two together, so the press comes within a few milliseconds
  // unless the machine is busy, and a stroke's release acts all but at once.
  static constexpr int DefaultRepeatWaitMs = 40;

  // Watches the key presses of every window of the application, the message boxes and
  // file dialogs included.
  KeyPresses();

  // True, once, for the release of a key whose press went to `window`; the press is
  // forgotten either way, so the same release passed on to its window does nothing.
  bool TakeRelease(const QKeyEvent& release, const QWidget* window);
  // Runs `action`, the effect of a release that TakeRelease let through: at once for a
  // release that no repeat can follow, else once the wait shows that no press of the same
  // hold followed it.
  void ActOnRelease(const QKeyEvent& release, const QWidget* window, std::function<void()> action);
  // Runs the waiting releases now, oldest first, so that every handler sees the keys
  // that came before its event as done.
  void RunWaitingReleases();
  // A longer wait lets a test on a busy machine tell "waits" from "acted".
  void SetRepeatWait(int ms) { repeatWaitMs_ = ms; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Waiting {
    quint64 key;
    QPointer<QWidget> window;  // where the hold's press went: the hold goes on there
    std::function<void()> action;
    quint64 serial;
  };
  // True for a press (or its shortcut check) that continues a hold: marked as a repeat, or
  // the second half of a pair that Qt did not mark.
  bool ContinuesHold(const QKeyEvent& press) const;
  void RunWaitingUpTo(quint64 serial);

  std::map<quint64, QPointer<QWidget>> pressedIn_;
  std::map<quint64, quint64> releasedAt_;  // each key's last release, by its time stamp
  std::deque<Waiting> waiting_;
  quint64 nextSerial_ = 0;
  int repeatWaitMs_ = DefaultRepeatWaitMs;
};

}  // namespace ui::qt
