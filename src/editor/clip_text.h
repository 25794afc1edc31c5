#pragma once
// The element clipboard text, as pure functions between text and records. Each selected
// element is "Shape::," and its 42 values separated by commas; the text ends with "#".

#include <string>
#include <string_view>
#include <vector>

#include "model/element_record.h"

namespace editor {

inline constexpr std::string_view ClipPrefix = "Shape::";

// The text of the selected elements among elements[1..count]; "#" when none is selected.
std::string WriteClipText(const model::ElementRecord* elements, int count);

struct ClipReading {
  // The entries that read completely, each 10 mm up and to the right of where it was
  // copied, and selected.
  std::vector<model::ElementRecord> Elements;
  // Entries (numbered from 1 in the text) with a field that is not a number of its
  // field's type, a position beyond the drawing's range, values the program cannot hold
  // (model/element_rule.h), or cut off before its end.
  std::vector<int> Refused;
};

// Reads a text that starts with ClipPrefix. Nothing in the text can make it fail: what
// does not read is listed in Refused.
ClipReading ReadClipText(std::string_view text);

}  // namespace editor
