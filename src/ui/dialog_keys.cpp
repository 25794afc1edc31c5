#include "ui/dialog_keys.h"

#include "ui/input.h"

namespace ui {

void AnswerEnterAndEsc(Form& form, std::function<void()> ok, std::function<void()> cancel) {
  form.Load = [&form] { form.KeyPreview = true; };
  form.KeyPress = [ok = std::move(ok), cancel = std::move(cancel)](int16_t& KeyAscii) {
    if (KeyAscii == KeyReturn && ok) {
      KeyAscii = 0;
      ok();
    } else if (KeyAscii == KeyEscape && cancel) {
      KeyAscii = 0;
      cancel();
    }
  };
}

void WireOkCancel(Form& form, CommandButton& okButton, CommandButton& cancelButton, std::function<void()> ok,
                  std::function<void()> cancel) {
  okButton.Click = ok;
  cancelButton.Click = cancel;
  AnswerEnterAndEsc(form, std::move(ok), std::move(cancel));
}

bool TakeKey(int16_t& KeyAscii, int16_t key) {
  if (KeyAscii != key) return false;
  KeyAscii = 0;
  return true;
}

void TabOrderAsDeclared(Form& form) {
  int16_t tab = 0;
  for (Control* c : form.Controls()) c->TabIndex = tab++;
}

}  // namespace ui
