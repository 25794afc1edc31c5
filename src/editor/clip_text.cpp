#include "editor/clip_text.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "model/element_rule.h"
#include "model/file_text.h"
#include "model/number_text.h"
#include "model/record_fields.h"

namespace editor {

namespace {

using model::ElementRecord;

// Pasted elements land this far up and to the right of where they were copied.
constexpr double PasteOffset = 10;
// No position in the drawing lies further from the origin than this, in millimetres.
constexpr double PositionLimit = 1000000;
constexpr int PosXField = 37;
constexpr int PosYField = 38;

template <typename T>
std::string FieldText(const T& field) {
  if constexpr (std::is_same_v<T, model::String25>)
    return field.str();
  else
    return model::NumberText(field);
}

// Half to the even neighbour, as every whole-number field is read.
template <typename Int>
bool ToInteger(double value, Int& out) {
  const double r = std::nearbyint(value);
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        r <= static_cast<double>(std::numeric_limits<Int>::max())))
    return false;
  out = static_cast<Int>(r);
  return true;
}

// Converts one field's text into its field; false when the text is not a finite number
// of the field's type.
template <typename T>
bool ReadField(int n, std::string_view text, T& field) {
  if constexpr (std::is_same_v<T, model::String25>) {
    field = model::HeldName(text);
    return true;
  } else {
    if (n == model::SelectedField) {
      field = model::True;  // only selected elements are written
      return true;
    }
    double value = 0;
    if (!model::ParseNumber(text, value)) return false;
    if constexpr (std::is_same_v<T, float>) {
      if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return false;
      field = static_cast<float>(value);
      return true;
    } else if constexpr (std::is_same_v<T, double>) {
      field = value;
      return true;
    } else {
      if (n == PosXField || n == PosYField) {
        value += PasteOffset;
        if (!(std::fabs(std::nearbyint(value)) <= PositionLimit)) return false;
      }
      return ToInteger(value, field);
    }
  }
}

bool IsName(int n) { return n == 1 || n == 31; }

}  // namespace

std::string WriteClipText(const ElementRecord* elements, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    const ElementRecord& e = elements[i];
    if (!e.Selected) continue;
    text += "Shape::,";
    model::VisitFields(e, [&](int n, const auto& field) {
      text += n == model::SelectedField ? std::string("True") : FieldText(field);
      if (n < model::RecordFieldCount) text += ',';
    });
  }
  return text + "#";
}

ClipReading ReadClipText(std::string_view text) {
  ClipReading reading;
  // Past the prefix to the first entry's comma.
  size_t pos = text.find_first_of(",#");
  int entry = 0;
  while (pos != std::string_view::npos && text[pos] == ',') {
    ++pos;  // the comma before the entry's first value
    ++entry;
    ElementRecord e;
    bool readable = true;
    bool complete = true;
    model::VisitFields(e, [&](int n, auto& field) {
      if (!complete) return;
      std::string_view value;
      if (n < model::RecordFieldCount) {
        // A name is written with all its 25 characters; taking them whole keeps a comma
        // inside a name from ending the field early.
        size_t end = text.find(',', pos);
        if (IsName(n) && pos + model::String25::size() < text.size() && text[pos + model::String25::size()] == ',')
          end = pos + model::String25::size();
        if (end == std::string_view::npos) {
          complete = false;
          return;
        }
        value = text.substr(pos, end - pos);
        pos = end + 1;
      } else {
        // The last value runs to the next entry's "Shape::," or to the closing "#".
        const size_t end = text.find_first_of(",#", pos);
        value = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        if (end != std::string_view::npos && text[end] == ',') {
          if (value.size() >= ClipPrefix.size() && value.substr(value.size() - ClipPrefix.size()) == ClipPrefix)
            value.remove_suffix(ClipPrefix.size());
          else
            readable = false;  // an extra value: this entry is not one we wrote
        }
        pos = end;
      }
      if (!ReadField(n, value, field)) readable = false;
    });
    if (!complete) {
      reading.Refused.push_back(entry);
      break;
    }
    // What the program could not hold is refused here as at Open, so a pasted section
    // always saves as a file that opens again.
    if (readable && model::ElementCanBeHeld(e))
      reading.Elements.push_back(e);
    else
      reading.Refused.push_back(entry);
  }
  return reading;
}

}  // namespace editor
