// The document reader over arbitrary bytes: a file it accepts is written back in the
// marked layout, and that text reads back equal to what was read and writes again the
// same, so nothing read is lost or changed by a save.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/document_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto document = editor::ReadDocument(bytes);
  if (!document) return 0;
  if (document->Elements.size() > 50) __builtin_trap();
  const std::string written = editor::WriteDocument(*document);
  const auto again = editor::ReadDocument(written);
  if (!again || editor::WriteDocument(*again) != written) __builtin_trap();
  // Read back, it is the document as first read, value for value; only the layout marker
  // may differ (every save writes the marked layout).
  editor::DocumentData expected = *document;
  expected.Marked = true;
  if (!(*again == expected)) __builtin_trap();
  return 0;
}
