#pragma once
// A flag set for the length of a scope and cleared however the scope ends: an exception
// out of a handler is shown in a message box and the program goes on, so a busy flag left
// set would refuse every later redraw or recalculation.

namespace model {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = false; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace model
