#pragma once
// What a control's widget is brought up to date from, written as one run of bytes: the
// control's own members, its container's scale when it is placed in a picture box's
// units, and the window's palette (system colours). When the run matches the one written
// after the widget's last update, the widget already shows the control and is left
// alone; so an event that changed one caption costs one widget's update, not the whole
// window's. What the user changes in a widget itself (a check, a chosen row, a typed
// text) makes the window forget the widget's run, so it is compared afresh.

#include <cstdint>
#include <string>
#include <type_traits>

#include "ui/control.h"

class QPalette;
class QWidget;

namespace ui::qt {

class StateWriter {
 public:
  // Writes into `out` from its start; the buffer's memory serves again next time.
  explicit StateWriter(std::string& out) : out_(out) { out_.clear(); }

  template <typename T>
  requires std::is_arithmetic_v<T> || std::is_enum_v<T> StateWriter& operator<<(T value) {
    out_.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
  }
  StateWriter& operator<<(const void* pointer) { return *this << reinterpret_cast<uintptr_t>(pointer); }
  // Lengths first, so that "ab" + "c" never reads as "a" + "bc".
  StateWriter& operator<<(const std::string& text);
  StateWriter& operator<<(const Image& picture);

 private:
  void Bytes(const void* data, size_t size) {
    if (size > 0) out_.append(static_cast<const char*>(data), size);
  }
  std::string& out_;
};

// Everything that the update of the widget `w` of `c` reads.
void WriteWidgetState(const Control& c, const QWidget& w, const QPalette& palette, std::string& out);
// The same for a menu item.
void WriteMenuState(const Menu& m, std::string& out);

}  // namespace ui::qt
