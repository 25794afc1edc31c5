#include "ui/headless/actions.h"

#include "ui/headless/headless_platform.h"
#include "ui/input.h"

namespace ui::headless {

namespace {

void Require(const Control& c, const char* gesture) {
  const std::string where = "'" + c.Name() + "' on form '" + c.Owner().Name() + "'";
  if (!c.Owner().IsLoaded()) throw HeadlessError(std::string(gesture) + ": " + where + " is not open");
  for (const Control* p = &c; p; p = p->Container) {
    if (!p->Visible) throw HeadlessError(std::string(gesture) + ": " + where + " is hidden");
    if (!p->Enabled) throw HeadlessError(std::string(gesture) + ": " + where + " is disabled");
  }
}

}  // namespace

void Click(CommandButton& button) {
  Require(button, "click");
  button.SetFocus();
  if (button.Click) button.Click();
}

void Click(CheckBox& box) {
  Require(box, "click");
  box.SetFocus();
  box.Value = box.Value == 1 ? 0 : 1;
  if (box.Click) box.Click();
}

void Choose(OptionButton& option) {
  Require(option, "choose");
  option.SetFocus();
  option.Choose();
}

void Type(TextBox& box, const std::string& text) {
  Require(box, "type");
  if (box.Locked) throw HeadlessError("type: '" + box.Name() + "' is locked");
  box.SetFocus();
  box.Text = text;
  if (box.Change) box.Change();
}

void PressKey(Form& form, int16_t keyCode, int16_t shift, int16_t ascii) {
  if (!form.IsLoaded()) throw HeadlessError("key: form '" + form.Name() + "' is not open");
  const int16_t down = DeliverKeyDown(form, form.ActiveControl, keyCode, shift);
  int16_t left = 0;
  if (ascii != 0 && form.IsLoaded()) left = DeliverKeyPress(form, form.ActiveControl, ascii);
  // As on the real platform, Enter that nobody took presses the button that has the focus.
  if (down != 0 && left == KeyReturn && form.IsLoaded() && form.ActiveControl &&
      form.ActiveControl->Kind() == ControlKind::CommandButton && form.ActiveControl->Enabled) {
    auto& button = static_cast<CommandButton&>(*form.ActiveControl);
    if (button.Click) button.Click();
  }
  if (form.IsLoaded()) DeliverKeyUp(form, form.ActiveControl, keyCode, shift);
}

void PressEnter(Form& form) { PressKey(form, KeyReturn, 0, 13); }
void PressEscape(Form& form) { PressKey(form, KeyEscape, 0, 27); }

void SelectItem(ListBox& list, int index) {
  Require(list, "select");
  if (index < 0 || index >= list.ListCount())
    throw HeadlessError("select: no row " + std::to_string(index) + " in '" + list.Name() + "'");
  list.SetFocus();
  list.ListIndex = index;
  if (list.Click) list.Click();
}

void DoubleClickItem(ListBox& list, int index) {
  SelectItem(list, index);
  if (list.DblClick) list.DblClick();
}

bool CloseBox(Form& form) {
  if (!form.IsLoaded()) throw HeadlessError("close box: form '" + form.Name() + "' is not open");
  if (!form.ControlBox) throw HeadlessError("close box: form '" + form.Name() + "' has none");
  return form.Unload(UnloadFromControlMenu);
}

void MouseDown(PictureBox& box, int px, int py, int16_t button, int16_t shift) {
  Require(box, "mouse down");
  DeliverMouse(box, MouseEvent::Down, button, shift, px, py);
}

void MouseMove(PictureBox& box, int px, int py, int16_t button, int16_t shift) {
  Require(box, "mouse move");
  DeliverMouse(box, MouseEvent::Move, button, shift, px, py);
}

void MouseUp(PictureBox& box, int px, int py, int16_t button, int16_t shift) {
  Require(box, "mouse up");
  DeliverMouse(box, MouseEvent::Up, button, shift, px, py);
}

}  // namespace ui::headless
