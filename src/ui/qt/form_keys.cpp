// The keys that reach a form: each goes through the form's key preview (where a dialog
// answers Enter and Esc) and the focused control's key events; Tab moves the focus as the
// platform does, and Enter on a button that the form left alone presses it. A release
// reaches the form only when its press went to this window, and only once, however long
// the key was held.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "ui/input.h"
#include "ui/qt/form_window.h"
#include "ui/qt/key_presses.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

bool FormWindow::DeliverKey(Control* control, QObject* watched, QKeyEvent* key, bool press) {
  Form* f = form_;
  const int16_t code = KeyCode(*key);
  const int16_t shift = ShiftMask(key->modifiers());
  if (!press) {
    if (key->isAutoRepeat() || code == 0) return false;
    // A release acts where its press went, once: not when the press went to a dialog
    // that it closed, nor a second time when the release, passed on to this window,
    // comes back after a window that it opened has closed.
    if (!platform_.Presses().TakeRelease(*key, this)) return true;
    // The release may still turn out to be half of a held key's repeat: it acts once that
    // is known, on the form and control it reached, if they are still there.
    QPointer<FormWindow> self(this);
    platform_.Presses().ActOnRelease(*key, this, [self, f, control, code, shift] {
      if (!self || self->form_ != f || !f->IsLoaded()) return;
      const std::vector<Control*>& controls = f->Controls();
      Control* target = std::find(controls.begin(), controls.end(), control) != controls.end() ? control : nullptr;
      self->platform_.Dispatch([&] {
        if (f->IsLoaded()) DeliverKeyUp(*f, target, code, shift);
      });
    });
    return !form_;
  }
  // Tab moves the focus, as the platform does, without a key event.
  if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
      !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  bool consumed = false;
  int16_t replacement = 0;
  platform_.Dispatch([&] {
    if (code != 0) {
      if (DeliverKeyDown(*f, control, code, shift) == 0) consumed = true;
      if (!f->IsLoaded()) {
        consumed = true;
        return;
      }
    }
    const int16_t ascii = KeyAscii(*key);
    if (ascii == 0) return;
    const int16_t left = DeliverKeyPress(*f, control, ascii);
    if (!f->IsLoaded() || left == 0) {
      consumed = true;
    } else if (left != ascii) {
      replacement = left;
      consumed = true;
    }
  });
  if (!form_) return true;
  if (replacement != 0 && replacement >= 32) {
    if (auto* edit = dynamic_cast<QLineEdit*>(watched); edit && !edit->isReadOnly()) {
      edit->insert(QString(QChar(replacement)));
      auto& t = static_cast<TextBox&>(*control);
      t.Text = edit->text().toStdString();
      platform_.Dispatch([&t] {
        if (t.Change) t.Change();
      });
    }
  }
  if (!consumed && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    // Enter presses the button that has the focus.
    if (auto* button = dynamic_cast<QPushButton*>(watched)) {
      button->click();
      return true;
    }
  }
  return consumed;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!form_) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A picture box that handles keys gets every key, Ctrl+letters included, so one
      // key press runs its command once, through the box's own key table.
      Control* c = ControlOf(watched);
      if (c && c->Kind() == ControlKind::PictureBox && (c->KeyDown || c->KeyUp || c->KeyPress)) {
        event->accept();
        return true;
      }
      break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      QWidget* focus = QApplication::focusWidget();
      const bool mine = watched == focus || (watched == this && (!focus || !ControlOf(focus)));
      if (!mine) break;
      Control* c = ControlOf(watched);
      if (!c) c = form_->ActiveControl;
      return DeliverKey(c, watched, static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
    }
    case QEvent::FocusIn: {
      Control* c = ControlOf(watched);
      if (c && form_->ActiveControl != c) platform_.Dispatch([c] { c->SetFocus(); });
      break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      Control* c = ControlOf(watched);
      if (!c || c->Kind() != ControlKind::Label) break;
      const bool dbl = event->type() == QEvent::MouseButtonDblClick;
      platform_.Dispatch([c, dbl] {
        if (dbl && c->DblClick)
          c->DblClick();
        else if (!dbl && c->Click)
          c->Click();
      });
      return true;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui::qt
