#pragma once
// The document file as text and back, apart from any window: one value per line, CR LF
// line ends, UTF-8. The marked layout starts with "V2" and ends with the four project
// strings; the older layout has neither and is still read. A file is read whole into a
// DocumentData first, so a damaged file is refused before anything is changed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/element_record.h"

namespace editor {

struct DocumentData {
  model::Bool16 UnitStatus = model::True;
  float ZoomScale = 1;
  model::Bool16 RotAxis = model::True;
  float InitialScaleWidth = 0;
  int32_t InitialScaleHeight = 0;
  // The view of the drawing area: written with its fractions, read back as whole numbers.
  float ScaleWidth = 1200, ScaleHeight = -1000, ScaleLeft = 0, ScaleTop = 1000;
  std::vector<model::ElementRecord> Elements;  // elements 1 to ElementCount, in order
  std::string ProjectName, ProjectNumber, ObjectDescription, ProjectEngineer;
  bool Marked = true;  // as read: the file had the "V2" marker

  friend bool operator==(const DocumentData&, const DocumentData&) = default;
};

// The whole file in the marked layout. Text values go between double quotes, a quote
// inside doubled, line breaks left out.
std::string WriteDocument(const DocumentData& document);

// Reads a whole file (UTF-8, or Windows-1252 when it is not valid UTF-8). Nothing when any
// value is missing or does not fit its field so that it writes back as read, when the
// count lies outside 0 to 50, when the view or the zoom scale lies outside the program's
// range (view/view_range.h: a width above 0, a height below 0, a zoom scale finite and
// above 0), or when an element is one the program cannot hold (model/element_rule.h).
std::optional<DocumentData> ReadDocument(std::string_view bytes);

// The values of a file, split at line ends and at commas outside double quotes, with the
// quotes taken off ("" inside quotes is one quote). Nothing for an unclosed quote or
// text after a closing one.
std::optional<std::vector<std::string>> SplitValues(std::string_view text);

}  // namespace editor
