#include "ui/qt/keys.h"

#include "ui/input.h"

namespace ui::qt {

int16_t KeyCode(const QKeyEvent& event) {
  const int k = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return static_cast<int16_t>(k);  // same numbers
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<int16_t>(keypad ? 96 + (k - Qt::Key_0) : k);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return static_cast<int16_t>(KeyF1 + (k - Qt::Key_F1));
  switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyReturn;
    case Qt::Key_Escape:
      return KeyEscape;
    case Qt::Key_Delete:
      return KeyDelete;
    case Qt::Key_Backspace:
      return KeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return KeyTab;
    case Qt::Key_Space:
      return KeySpace;
    case Qt::Key_PageUp:
      return KeyPageUp;
    case Qt::Key_PageDown:
      return KeyPageDown;
    case Qt::Key_End:
      return KeyEnd;
    case Qt::Key_Home:
      return KeyHome;
    case Qt::Key_Left:
      return KeyArrowLeft;
    case Qt::Key_Up:
      return KeyArrowUp;
    case Qt::Key_Right:
      return KeyArrowRight;
    case Qt::Key_Down:
      return KeyArrowDown;
    case Qt::Key_Insert:
      return KeyInsert;
    case Qt::Key_Shift:
      return KeyShift;
    case Qt::Key_Control:
      return KeyControl;
    case Qt::Key_Alt:
      return KeyMenu;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Print:
      return 44;
    case Qt::Key_Asterisk:
      return keypad ? 106 : 56;
    case Qt::Key_Plus:
      return keypad ? 107 : 187;
    case Qt::Key_Minus:
      return keypad ? 109 : 189;
    case Qt::Key_Period:
      return keypad ? 110 : 190;
    case Qt::Key_Slash:
      return keypad ? 111 : 191;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return 186;
    case Qt::Key_Equal:
      return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return 188;
    case Qt::Key_Underscore:
      return 189;
    case Qt::Key_Greater:
      return 190;
    case Qt::Key_Question:
      return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return 222;
    // Shifted digits on a US keyboard keep the digit key's code.
    case Qt::Key_Exclam:
      return 49;
    case Qt::Key_At:
      return 50;
    case Qt::Key_NumberSign:
      return 51;
    case Qt::Key_Dollar:
      return 52;
    case Qt::Key_Percent:
      return 53;
    case Qt::Key_AsciiCircum:
      return 54;
    case Qt::Key_Ampersand:
      return 55;
    case Qt::Key_ParenLeft:
      return 57;
    case Qt::Key_ParenRight:
      return 48;
    default:
      return 0;
  }
}

int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
  int16_t mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= ui::ShiftMask;
  if (modifiers & Qt::ControlModifier) mask |= ui::CtrlMask;
  if (modifiers & Qt::AltModifier) mask |= ui::AltMask;
  return mask;
}

int16_t ButtonMask(Qt::MouseButtons buttons) {
  int16_t mask = 0;
  if (buttons & Qt::LeftButton) mask |= LeftButton;
  if (buttons & Qt::RightButton) mask |= RightButton;
  if (buttons & Qt::MiddleButton) mask |= MiddleButton;
  return mask;
}

int16_t KeyAscii(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    default:
      break;
  }
  // Ctrl+letter carries its control character, as on the platform.
  if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
    return static_cast<int16_t>(event.key() - Qt::Key_A + 1);
  const QString text = event.text();
  if (text.size() != 1) return 0;
  const char16_t c = text.at(0).unicode();
  if (c == 0 || c > 255 || c == 127) return 0;
  return static_cast<int16_t>(c);
}

}  // namespace ui::qt
