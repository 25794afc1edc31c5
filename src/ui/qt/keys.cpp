#include "ui/qt/keys.h"

#include "ui/input.h"

namespace ui::qt {

namespace {

struct KeyPair {
  int QtKey;
  int16_t Code;
};

// The keys whose code is the same wherever they are, by Qt's key. The shifted digits of a
// US keyboard (from Key_Exclam on) keep the digit key's code.
constexpr KeyPair FixedKeys[] = {
    {Qt::Key_Return, KeyReturn},
    {Qt::Key_Enter, KeyReturn},
    {Qt::Key_Escape, KeyEscape},
    {Qt::Key_Delete, KeyDelete},
    {Qt::Key_Backspace, KeyBack},
    {Qt::Key_Tab, KeyTab},
    {Qt::Key_Backtab, KeyTab},
    {Qt::Key_Space, KeySpace},
    {Qt::Key_PageUp, KeyPageUp},
    {Qt::Key_PageDown, KeyPageDown},
    {Qt::Key_End, KeyEnd},
    {Qt::Key_Home, KeyHome},
    {Qt::Key_Left, KeyArrowLeft},
    {Qt::Key_Up, KeyArrowUp},
    {Qt::Key_Right, KeyArrowRight},
    {Qt::Key_Down, KeyArrowDown},
    {Qt::Key_Insert, KeyInsert},
    {Qt::Key_Shift, KeyShift},
    {Qt::Key_Control, KeyControl},
    {Qt::Key_Alt, KeyMenu},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Print, 44},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Greater, 190},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
};

struct KeypadKey {
  int QtKey;
  int16_t OnKeypad, OnMainKeyboard;
};

// The keys that the keypad has as well, with a code of their own there.
constexpr KeypadKey KeypadKeys[] = {
    {Qt::Key_Asterisk, 106, 56}, {Qt::Key_Plus, 107, 187},  {Qt::Key_Minus, 109, 189},
    {Qt::Key_Period, 110, 190},  {Qt::Key_Slash, 111, 191},
};

}  // namespace

int16_t KeyCode(const QKeyEvent& event) {
  const int k = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return static_cast<int16_t>(k);  // same numbers
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<int16_t>(keypad ? 96 + (k - Qt::Key_0) : k);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return static_cast<int16_t>(KeyF1 + (k - Qt::Key_F1));
  for (const KeypadKey& key : KeypadKeys)
    if (key.QtKey == k) return keypad ? key.OnKeypad : key.OnMainKeyboard;
  for (const KeyPair& key : FixedKeys)
    if (key.QtKey == k) return key.Code;
  return 0;
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
