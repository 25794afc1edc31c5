#pragma once
// Qt's keys as the platform's key codes (Enter 13, Esc 27, Delete 46, F1 112, letters
// 65-90 ...) and its modifiers as the shift mask (Shift 1, Ctrl 2, Alt 4).

#include <QKeyEvent>
#include <cstdint>

namespace ui::qt {

// 0 for a key the platform has no code for.
int16_t KeyCode(const QKeyEvent& event);
int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
int16_t ButtonMask(Qt::MouseButtons buttons);
// The character code a key press carries (KeyPress), 0 for none.
int16_t KeyAscii(const QKeyEvent& event);

}  // namespace ui::qt
