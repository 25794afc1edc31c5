#pragma once
// The system's dialog conventions: a dialog sees every key before its controls (key
// preview, switched on when it loads), Enter runs its default action and Esc its cancel
// action, and its tab order follows the order in which its controls were declared.

#include <functional>

#include "ui/form.h"
#include "ui/input.h"

namespace ui {

// Enter runs `ok`, Esc runs `cancel` (either may be empty); the keys go no further.
void AnswerEnterAndEsc(Form& form, std::function<void()> ok, std::function<void()> cancel);
// OK and Cancel buttons plus the keys, all ending in the same two handlers.
void WireOkCancel(Form& form, CommandButton& okButton, CommandButton& cancelButton, std::function<void()> ok,
                  std::function<void()> cancel);
// TabIndex 0, 1, 2 ... in declaration order.
void TabOrderAsDeclared(Form& form);

// A dialog's own handlers Form_Load and Form_KeyPress (KeyAscii), on its Load and
// KeyPress events.
template <typename Dialog>
void WireFormEvents(Dialog& dialog) {
  dialog.Load = [&dialog] { dialog.Form_Load(); };
  dialog.KeyPress = [&dialog](int16_t& KeyAscii) { dialog.Form_KeyPress(KeyAscii); };
}
// The test of a Form_KeyPress for a key it answers itself: true when KeyAscii is `key`,
// which then goes no further (KeyAscii 0).
bool TakeKey(int16_t& KeyAscii, int16_t key);

}  // namespace ui
