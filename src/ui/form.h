#pragma once
// A window: caption, place and size in twips (outer size; the client area is the outer
// size less the frame that the platform reports), its controls and its events.
//
// src/ui is the ground floor: the window runtime (forms, controls, canvas, services) with
// its headless backend for tests (headless/) and its Qt 6 backend (qt/, the only code that
// includes Qt). It includes none of the system's own folders; they all stand on it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

constexpr int TwipsPerPixel = 15;

enum class BorderStyles { Sizable, FixedDialog };
constexpr int16_t WindowNormal = 0;
constexpr int16_t WindowMinimized = 1;
constexpr int16_t WindowMaximized = 2;
// Why a form is closing.
constexpr int16_t UnloadFromControlMenu = 0;
constexpr int16_t UnloadFromCode = 1;

class Form {
 public:
  explicit Form(std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }

  std::string Caption;
  float Left = 0, Top = 0, Width = 0, Height = 0;  // outer, twips
  int16_t WindowState = WindowNormal;
  BorderStyles BorderStyle = BorderStyles::FixedDialog;
  bool ControlBox = true;  // the close box
  bool MinButton = false;
  bool MaxButton = false;
  bool KeyPreview = false;
  bool Visible = false;
  int32_t BackColor = SystemButtonFace;

  ClickHandler Load, Activate, Resize, LostFocus, Terminate;
  std::function<void(int16_t& Cancel, int16_t UnloadMode)> QueryUnload;
  std::function<void(int16_t& Cancel)> Unloading;  // the platform's Form_Unload event
  KeyHandler KeyDown, KeyUp;
  KeyPressHandler KeyPress;

  // Client area in twips.
  float ScaleWidth() const;
  float ScaleHeight() const;
  void SetClientSize(float width, float height);

  bool IsLoaded() const { return loaded_; }
  // Runs Load once; showing does it too.
  void EnsureLoaded();
  // Closes the form: QueryUnload and Unload may cancel; true when it is gone.
  bool Unload(int16_t mode = UnloadFromCode);

  const std::vector<Control*>& Controls() const { return controls_; }
  Control* Find(const std::string& name) const;
  Control* ActiveControl = nullptr;

  // Used by Control.
  void Register(Control* c) { controls_.push_back(c); }
  void Forget(Control* c);

 private:
  std::string name_;
  std::vector<Control*> controls_;
  bool loaded_ = false;
};

// Shows a form and returns when it has unloaded.
void ShowModal(Form& form);
// Shows a form and returns at once.
void ShowModeless(Form& form);

}  // namespace ui
