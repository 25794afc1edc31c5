#pragma once
// The system's dialog conventions: a dialog sees every key before its controls (key
// preview, switched on when it loads), Enter runs its default action and Esc its cancel
// action, and its tab order follows the order in which its controls were declared.

#include <functional>

#include "ui/form.h"

namespace ui {

// Enter runs `ok`, Esc runs `cancel` (either may be empty); the keys go no further.
void AnswerEnterAndEsc(Form& form, std::function<void()> ok, std::function<void()> cancel);
// OK and Cancel buttons plus the keys, all ending in the same two handlers.
void WireOkCancel(Form& form, CommandButton& okButton, CommandButton& cancelButton, std::function<void()> ok,
                  std::function<void()> cancel);
// TabIndex 0, 1, 2 ... in declaration order.
void TabOrderAsDeclared(Form& form);

}  // namespace ui
