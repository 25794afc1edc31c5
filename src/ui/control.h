#pragma once
// The controls of a form, as plain objects with the platform's property names.
// Properties are plain members: after every event it delivers, the backend brings up to
// date each widget whose control changed, so code simply assigns them.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/image.h"

namespace ui {

class Form;

enum class ControlKind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  Frame,
  ListBox,
  PictureBox,
  Line,
  Menu,
  Toolbar
};

// System colour of a button face, and the usual fixed colours.
constexpr int32_t SystemButtonFace = static_cast<int32_t>(0x80000000u);
constexpr int32_t SystemWindowText = static_cast<int32_t>(0x80000012u);
constexpr int32_t ColourWhite = 0xFFFFFF;
constexpr int32_t ColourBlack = 0;

using ClickHandler = std::function<void()>;
using KeyHandler = std::function<void(int16_t& KeyCode, int16_t Shift)>;
using KeyPressHandler = std::function<void(int16_t& KeyAscii)>;
using MouseHandler = std::function<void(int16_t Button, int16_t Shift, float X, float Y)>;

class Control {
 public:
  Control(Form& owner, ControlKind kind, std::string name);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Form& Owner() const { return owner_; }

  // The frame or picture box that holds this control; null for the form itself.
  // Inside a picture box, Left and Top are in the box's user units.
  Control* Container = nullptr;

  // Twips (or the container's user units, see above).
  float Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  int16_t TabIndex = 0;
  bool TabStop = true;
  std::string ToolTipText;
  std::string FontName;
  float FontSize = 8.25f;
  bool FontBold = false;

  ClickHandler Click, DblClick, GotFocus, LostFocus;
  KeyHandler KeyDown, KeyUp;
  KeyPressHandler KeyPress;
  MouseHandler MouseDown, MouseMove, MouseUp;

  void Move(float left, float top, float width, float height);
  void Move(float left, float top);
  // Gives this control the input focus (and fires LostFocus / GotFocus).
  void SetFocus();
  bool HasFocus() const;

 private:
  Form& owner_;
  ControlKind kind_;
  std::string name_;
};

class Label : public Control {
 public:
  Label(Form& owner, std::string name) : Control(owner, ControlKind::Label, std::move(name)) {}
  std::string Caption;
  int32_t ForeColor = ColourBlack;
  int32_t BackColor = SystemButtonFace;
  int16_t BackStyle = 1;  // 0 transparent, 1 opaque
  int16_t Alignment = 0;  // 0 left, 1 right, 2 centre
  int16_t BorderStyle = 0;
  bool AutoSize = false;
  bool WordWrap = false;
};

class TextBox : public Control {
 public:
  TextBox(Form& owner, std::string name) : Control(owner, ControlKind::TextBox, std::move(name)) {}
  std::string Text;
  int32_t ForeColor = ColourBlack;
  int32_t BackColor = ColourWhite;
  bool Locked = false;
  bool MultiLine = false;
  int16_t Alignment = 0;
  int32_t MaxLength = 0;
  ClickHandler Change;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& owner, std::string name) : Control(owner, ControlKind::CommandButton, std::move(name)) {}
  std::string Caption;
  Image Picture;  // shown instead of the caption when set
};

class CheckBox : public Control {
 public:
  CheckBox(Form& owner, std::string name) : Control(owner, ControlKind::CheckBox, std::move(name)) {}
  std::string Caption;
  int16_t Value = 0;  // 0 unchecked, 1 checked
};

class OptionButton : public Control {
 public:
  OptionButton(Form& owner, std::string name) : Control(owner, ControlKind::OptionButton, std::move(name)) {}
  std::string Caption;
  bool Value = false;
  // The user's choice: this one on, the others of the same container off, then Click.
  void Choose();
};

class Frame : public Control {
 public:
  Frame(Form& owner, std::string name) : Control(owner, ControlKind::Frame, std::move(name)) {}
  std::string Caption;
};

class ListBox : public Control {
 public:
  ListBox(Form& owner, std::string name) : Control(owner, ControlKind::ListBox, std::move(name)) {}
  std::vector<std::string> Items;
  int ListIndex = -1;  // the chosen row from 0, -1 for none
  void AddItem(std::string text) { Items.push_back(std::move(text)); }
  void Clear() {
    Items.clear();
    ListIndex = -1;
  }
  int ListCount() const { return static_cast<int>(Items.size()); }
  const std::string& List(int index) const { return Items.at(static_cast<size_t>(index)); }
};

// A picture box: a control with a persistent image and a user scale.
class PictureBox : public Control, public Canvas {
 public:
  PictureBox(Form& owner, std::string name);
  int16_t BorderStyle = 1;  // 1: a 2-pixel frame on each side
  bool AutoRedraw = true;
};

// A straight line drawn on a form or inside a container.
class LineShape : public Control {
 public:
  LineShape(Form& owner, std::string name) : Control(owner, ControlKind::Line, std::move(name)) {}
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  int32_t BorderColor = ColourBlack;
  int16_t BorderWidth = 1;
  int16_t BorderStyle = 1;  // 1 solid, 3 dotted
};

// A menu item; a top-level menu has no ParentMenu, and its Click is the opening event.
class Menu : public Control {
 public:
  Menu(Form& owner, std::string name, Menu* parent = nullptr)
      : Control(owner, ControlKind::Menu, std::move(name)), ParentMenu(parent) {}
  Menu* ParentMenu;
  std::string Caption;   // "&" marks the access key; "-" is a separator
  std::string Shortcut;  // shown beside the caption, e.g. "Ctrl+N"; the key itself is handled by the form
  bool Checked = false;
};

struct ToolbarButton {
  std::string Key;
  std::string ToolTipText;
  Image Picture;
  bool Enabled = true;
  bool Visible = true;
  bool Separator = false;
  int Index = 0;  // from 1
};

class Toolbar : public Control {
 public:
  Toolbar(Form& owner, std::string name) : Control(owner, ControlKind::Toolbar, std::move(name)) {}
  std::vector<ToolbarButton> Buttons;
  std::function<void(ToolbarButton&)> ButtonClick;
  ToolbarButton& Add(std::string key, std::string tip, Image picture = {}, bool separator = false);
  ToolbarButton& Button(int index) { return Buttons.at(static_cast<size_t>(index - 1)); }
  ToolbarButton* Find(const std::string& key);
};

}  // namespace ui
