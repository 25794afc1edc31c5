// The shape-file reader over arbitrary bytes: it either fills rows and counts them or
// refuses the text with a reason, and never reads or writes outside the table.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/shape_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto table = std::make_unique<model::ShapeTableRows>();
  std::string reason;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (model::ReadShapeText(text, *table, reason)) {
    const int count = (*table)[1].ShapeCount;
    if (count < 2 || count > model::MaxShapeRows + 1) __builtin_trap();
  } else if (reason.empty()) {
    __builtin_trap();  // a refusal always says why
  }
  return 0;
}
