// The clipboard text reader over arbitrary bytes: whatever the text, every entry either
// reads whole or is listed as refused, and what was read can be written again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/clip_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Paste reads only a text that starts with the element marker: give every input one.
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.starts_with(editor::ClipPrefix)) text.insert(0, editor::ClipPrefix);
  const editor::ClipReading read = editor::ReadClipText(text);
  for (int entry : read.Refused)
    if (entry < 1) __builtin_trap();
  std::vector<model::ElementRecord> elements(read.Elements.size() + 1);
  for (size_t i = 0; i < read.Elements.size(); ++i) elements[i + 1] = read.Elements[i];
  const std::string written = editor::WriteClipText(elements.data(), static_cast<int>(read.Elements.size()));
  if (written.empty() || written.back() != '#') __builtin_trap();
  return 0;
}
