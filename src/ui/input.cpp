#include "ui/input.h"

#include "ui/control.h"
#include "ui/form.h"

namespace ui {

namespace {

template <typename FormSlot, typename ControlSlot>
int16_t Deliver(Form& form, Control* focus, int16_t code, int16_t shift, FormSlot formSlot, ControlSlot controlSlot) {
  if (form.KeyPreview && (form.*formSlot)) {
    (form.*formSlot)(code, shift);
    if (code == 0 || !form.IsLoaded()) return code;
  }
  if (focus && focus->Enabled && (focus->*controlSlot)) (focus->*controlSlot)(code, shift);
  return code;
}

}  // namespace

int16_t DeliverKeyDown(Form& form, Control* focus, int16_t keyCode, int16_t shift) {
  return Deliver(form, focus, keyCode, shift, &Form::KeyDown, &Control::KeyDown);
}

int16_t DeliverKeyUp(Form& form, Control* focus, int16_t keyCode, int16_t shift) {
  return Deliver(form, focus, keyCode, shift, &Form::KeyUp, &Control::KeyUp);
}

int16_t DeliverKeyPress(Form& form, Control* focus, int16_t keyAscii) {
  if (form.KeyPreview && form.KeyPress) {
    form.KeyPress(keyAscii);
    if (keyAscii == 0 || !form.IsLoaded()) return keyAscii;
  }
  if (focus && focus->Enabled && focus->KeyPress) focus->KeyPress(keyAscii);
  return keyAscii;
}

void DeliverMouse(PictureBox& box, MouseEvent event, int16_t button, int16_t shift, int px, int py) {
  if (!box.Enabled) return;
  const float x = box.FromPixelX(px);
  const float y = box.FromPixelY(py);
  const MouseHandler& handler = event == MouseEvent::Down   ? box.MouseDown
                                : event == MouseEvent::Move ? box.MouseMove
                                                            : box.MouseUp;
  if (handler) handler(button, shift, x, y);
}

}  // namespace ui
