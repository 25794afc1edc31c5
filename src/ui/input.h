#pragma once
// Delivery of keys and pointer events to a form and its controls, the same for every
// backend: a form with KeyPreview sees each key before the control that has the focus,
// and may swallow it by setting the code to 0.

#include <cstdint>

namespace ui {

class Form;
class Control;
class PictureBox;

// The platform's key codes and shift mask.
constexpr int16_t KeyBack = 8;
constexpr int16_t KeyTab = 9;
constexpr int16_t KeyReturn = 13;
constexpr int16_t KeyShift = 16;
constexpr int16_t KeyControl = 17;
constexpr int16_t KeyMenu = 18;
constexpr int16_t KeyEscape = 27;
constexpr int16_t KeySpace = 32;
constexpr int16_t KeyPageUp = 33;
constexpr int16_t KeyPageDown = 34;
constexpr int16_t KeyEnd = 35;
constexpr int16_t KeyHome = 36;
constexpr int16_t KeyArrowLeft = 37;
constexpr int16_t KeyArrowUp = 38;
constexpr int16_t KeyArrowRight = 39;
constexpr int16_t KeyArrowDown = 40;
constexpr int16_t KeyInsert = 45;
constexpr int16_t KeyDelete = 46;
constexpr int16_t KeyF1 = 112;
constexpr int16_t KeyF2 = 113;
constexpr int16_t ShiftMask = 1;
constexpr int16_t CtrlMask = 2;
constexpr int16_t AltMask = 4;
constexpr int16_t LeftButton = 1;
constexpr int16_t RightButton = 2;
constexpr int16_t MiddleButton = 4;

// Each returns the code left after the handlers (0 when one swallowed it).
int16_t DeliverKeyDown(Form& form, Control* focus, int16_t keyCode, int16_t shift);
int16_t DeliverKeyUp(Form& form, Control* focus, int16_t keyCode, int16_t shift);
int16_t DeliverKeyPress(Form& form, Control* focus, int16_t keyAscii);

enum class MouseEvent { Down, Move, Up };
// px, py: the pixel inside the box's inner area; handlers get the box's user units.
void DeliverMouse(PictureBox& box, MouseEvent event, int16_t button, int16_t shift, int px, int py);

}  // namespace ui
