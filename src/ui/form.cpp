#include "ui/form.h"

#include <algorithm>

#include "ui/platform.h"

namespace ui {

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  if (loaded_) platform().FormClosed(*this);
}

float Form::ScaleWidth() const {
  float dx = 0, dy = 0;
  platform().FrameExtents(*this, dx, dy);
  return std::max(0.0f, Width - dx);
}

float Form::ScaleHeight() const {
  float dx = 0, dy = 0;
  platform().FrameExtents(*this, dx, dy);
  return std::max(0.0f, Height - dy);
}

void Form::SetClientSize(float width, float height) {
  float dx = 0, dy = 0;
  platform().FrameExtents(*this, dx, dy);
  Width = width + dx;
  Height = height + dy;
}

void Form::EnsureLoaded() {
  if (loaded_) return;
  loaded_ = true;
  if (Load) Load();
}

bool Form::Unload(int16_t mode) {
  if (!loaded_) return true;
  int16_t cancel = 0;
  if (QueryUnload) QueryUnload(cancel, mode);
  if (cancel != 0) return false;
  if (Unloading) Unloading(cancel);
  if (cancel != 0) return false;
  loaded_ = false;
  Visible = false;
  ActiveControl = nullptr;
  platform().FormClosed(*this);
  return true;
}

Control* Form::Find(const std::string& name) const {
  for (Control* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

void Form::Forget(Control* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (ActiveControl == c) ActiveControl = nullptr;
}

void ShowModal(Form& form) {
  form.EnsureLoaded();
  if (!form.IsLoaded()) return;  // its Load unloaded it again
  form.Visible = true;
  platform().RunModal(form);
}

void ShowModeless(Form& form) {
  form.EnsureLoaded();
  if (!form.IsLoaded()) return;
  form.Visible = true;
  platform().ShowModeless(form);
}

}  // namespace ui
