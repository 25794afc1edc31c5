#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/platform.h"

namespace ui {

Control::Control(Form& owner, ControlKind kind, std::string name) : owner_(owner), kind_(kind), name_(std::move(name)) {
  owner_.Register(this);
}

Control::~Control() { owner_.Forget(this); }

void Control::Move(float left, float top, float width, float height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

void Control::Move(float left, float top) {
  Left = left;
  Top = top;
}

void Control::SetFocus() {
  Control* previous = owner_.ActiveControl;
  if (previous == this) return;
  owner_.ActiveControl = this;
  if (previous && previous->LostFocus) previous->LostFocus();
  if (GotFocus) GotFocus();
  platform().FocusChanged(*this);
}

bool Control::HasFocus() const { return owner_.ActiveControl == this; }

void OptionButton::Choose() {
  for (Control* c : Owner().Controls()) {
    if (c != this && c->Kind() == ControlKind::OptionButton && c->Container == Container)
      static_cast<OptionButton*>(c)->Value = false;
  }
  Value = true;
  if (Click) Click();
}

PictureBox::PictureBox(Form& owner, std::string name)
    : Control(owner, ControlKind::PictureBox, std::move(name)), Canvas([this] {
        const int frame = BorderStyle != 0 ? 4 : 0;
        auto pixels = [](float twips) { return static_cast<int>(twips / TwipsPerPixel + 0.5f); };
        return std::pair{std::max(0, pixels(Width) - frame), std::max(0, pixels(Height) - frame)};
      }) {}

ToolbarButton& Toolbar::Add(std::string key, std::string tip, Image picture, bool separator) {
  ToolbarButton b;
  b.Key = std::move(key);
  b.ToolTipText = std::move(tip);
  b.Picture = std::move(picture);
  b.Separator = separator;
  b.Index = static_cast<int>(Buttons.size()) + 1;
  Buttons.push_back(std::move(b));
  return Buttons.back();
}

ToolbarButton* Toolbar::Find(const std::string& key) {
  for (ToolbarButton& b : Buttons)
    if (b.Key == key) return &b;
  return nullptr;
}

}  // namespace ui
