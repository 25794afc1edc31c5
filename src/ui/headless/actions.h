#pragma once
// A user's gestures on the headless platform. Each checks that a person could make it
// (form open, control visible and enabled) and throws HeadlessError otherwise.

#include <cstdint>
#include <string>

#include "ui/control.h"
#include "ui/form.h"

namespace ui::headless {

void Click(CommandButton& button);
void Click(CheckBox& box);  // toggles Value, then Click
void Choose(OptionButton& option);
// Replaces the text as a user would by selecting all and typing (fires Change).
void Type(TextBox& box, const std::string& text);
// A key pressed and released on the control that has the focus (or the form when none):
// KeyDown, KeyPress (when ascii is not 0), KeyUp.
void PressKey(Form& form, int16_t keyCode, int16_t shift = 0, int16_t ascii = 0);
void PressEnter(Form& form);
void PressEscape(Form& form);
void SelectItem(ListBox& list, int index);  // sets ListIndex, then Click
void DoubleClickItem(ListBox& list, int index);
// The window's close box.
bool CloseBox(Form& form);
// Pointer gestures on a picture box, at a pixel of its inner area.
void MouseDown(PictureBox& box, int px, int py, int16_t button = 1, int16_t shift = 0);
void MouseMove(PictureBox& box, int px, int py, int16_t button = 0, int16_t shift = 0);
void MouseUp(PictureBox& box, int px, int py, int16_t button = 1, int16_t shift = 0);

}  // namespace ui::headless
