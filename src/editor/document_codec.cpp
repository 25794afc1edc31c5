#include "editor/document_codec.h"

#include <cmath>
#include <limits>
#include <type_traits>

#include "model/element_rule.h"
#include "model/file_text.h"
#include "model/globals.h"
#include "model/number_text.h"
#include "model/record_fields.h"
#include "view/view_range.h"

namespace editor {

namespace {

constexpr const char* Marker = "V2";
constexpr const char* LineEnd = "\r\n";

// ---- writing ----------------------------------------------------------------------

class Writer {
 public:
  void Text(std::string_view s) {
    out_ += '"';
    for (char c : s) {
      if (c == '\r' || c == '\n') continue;
      if (c == '"') out_ += '"';
      out_ += c;
    }
    out_ += '"';
    End();
  }
  void Boolean(model::Bool16 v) {
    out_ += v != 0 ? "#TRUE#" : "#FALSE#";
    End();
  }
  template <typename Number>
  void Value(Number v) {
    if constexpr (std::is_floating_point_v<Number>) {
      // The shortest text that reads back to the same bits, with "." in every locale.
      out_ += model::ExactNumberText(v);
    } else {
      out_ += std::to_string(v);
    }
    End();
  }
  std::string Take() { return std::move(out_); }

 private:
  void End() { out_ += LineEnd; }
  std::string out_;
};

struct FieldWriter {
  Writer& w;
  void operator()(int, const model::String25& s) const { w.Text(s.view()); }
  template <typename Number>
  void operator()(int n, Number v) const {
    if (n == model::SelectedField)
      w.Boolean(static_cast<model::Bool16>(v));
    else
      w.Value(v);
  }
};

// ---- reading ----------------------------------------------------------------------

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A finite number in plain or exponent notation, with or without a 0 before the point,
// read by the program's one rule for number text (one sign at most).
template <typename Number>
bool ReadNumber(std::string_view s, Number& v) {
  if constexpr (std::is_same_v<Number, float>)
    return model::ParseSingle(s, v);
  else
    return model::ParseNumber(s, v);
}

// A whole number of the field's type; a fraction goes to the nearest, a half to the even
// neighbour, and a value outside the type's range is refused.
template <typename Int>
bool ReadInteger(std::string_view s, Int& v) {
  double d = 0;
  if (!ReadNumber(s, d)) return false;
  d = std::nearbyint(d);
  if (d < static_cast<double>(std::numeric_limits<Int>::min()) ||
      d > static_cast<double>(std::numeric_limits<Int>::max()))
    return false;
  v = static_cast<Int>(d);
  return true;
}

bool ReadBoolean(std::string_view s, model::Bool16& v) {
  s = Trim(s);
  if (s == "#TRUE#") {
    v = model::True;
    return true;
  }
  if (s == "#FALSE#") {
    v = model::False;
    return true;
  }
  double d = 0;
  if (!ReadNumber(s, d)) return false;
  v = d != 0 ? model::True : model::False;
  return true;
}

class Reader {
 public:
  explicit Reader(const std::vector<std::string>& values) : values_(values) {}
  bool Next(std::string_view& v) {
    if (at_ >= values_.size()) return false;
    v = values_[at_++];
    return true;
  }
  bool Text(std::string& s) {
    std::string_view v;
    if (!Next(v)) return false;
    s = std::string(v);
    return true;
  }
  bool Boolean(model::Bool16& b) {
    std::string_view v;
    return Next(v) && ReadBoolean(v, b);
  }
  template <typename Number>
  bool Value(Number& n) {
    std::string_view v;
    if (!Next(v)) return false;
    if constexpr (std::is_integral_v<Number>)
      return ReadInteger(v, n);
    else
      return ReadNumber(v, n);
  }

 private:
  const std::vector<std::string>& values_;
  size_t at_ = 0;
};

struct FieldReader {
  Reader& r;
  bool& ok;
  void operator()(int, model::String25& s) const {
    std::string text;
    ok = ok && r.Text(text);
    if (ok) s = model::FitName(text);
  }
  template <typename Number>
  void operator()(int n, Number& v) const {
    if constexpr (std::is_same_v<Number, model::Bool16>) {
      if (n == model::SelectedField) {
        ok = ok && r.Boolean(v);
        return;
      }
    }
    ok = ok && r.Value(v);
  }
};

// A view value as the drawing area takes it: a whole number of the 32-bit range, held as
// a single (whether the view as a whole is one the program works in is checked after).
bool ReadView(Reader& r, float& v) {
  int32_t whole = 0;
  if (!r.Value(whole)) return false;
  v = static_cast<float>(whole);
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> SplitValues(std::string_view text) {
  std::vector<std::string> values;
  size_t i = 0;
  const size_t n = text.size();
  auto atLineEnd = [&](size_t k) { return k < n && (text[k] == '\r' || text[k] == '\n'); };
  auto skipLineEnd = [&](size_t& k) {
    if (text[k] == '\r' && k + 1 < n && text[k + 1] == '\n') ++k;
    ++k;
  };
  while (i < n) {
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string value;
    if (i < n && text[i] == '"') {
      ++i;
      bool closed = false;
      while (i < n && !atLineEnd(i)) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            value += '"';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        value += text[i++];
      }
      if (!closed) return std::nullopt;
      while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
      if (i < n && text[i] != ',' && !atLineEnd(i)) return std::nullopt;
    } else {
      const size_t start = i;
      while (i < n && text[i] != ',' && !atLineEnd(i)) ++i;
      value = std::string(Trim(text.substr(start, i - start)));
    }
    values.push_back(std::move(value));
    if (i < n) {
      if (text[i] == ',')
        ++i;
      else
        skipLineEnd(i);
    }
  }
  return values;
}

std::string WriteDocument(const DocumentData& d) {
  Writer w;
  w.Text(Marker);
  w.Boolean(d.UnitStatus);
  w.Value(d.ZoomScale);
  w.Boolean(d.RotAxis);
  w.Value(d.InitialScaleWidth);
  w.Value(d.InitialScaleHeight);
  for (float v : {d.ScaleWidth, d.ScaleHeight, d.ScaleLeft, d.ScaleTop}) w.Value(v);
  w.Value(static_cast<int16_t>(d.Elements.size()));
  for (const model::ElementRecord& e : d.Elements) model::VisitFields(e, FieldWriter{w});
  for (const std::string* s : {&d.ProjectName, &d.ProjectNumber, &d.ObjectDescription, &d.ProjectEngineer}) w.Text(*s);
  return w.Take();
}

std::optional<DocumentData> ReadDocument(std::string_view bytes) {
  const std::optional<std::vector<std::string>> values = SplitValues(model::DecodeFileText(bytes));
  if (!values || values->empty()) return std::nullopt;
  Reader r(*values);
  DocumentData d;
  d.Marked = values->front() == Marker;
  std::string marker;
  if (d.Marked && !r.Text(marker)) return std::nullopt;
  int16_t count = 0;
  const bool header = r.Boolean(d.UnitStatus) && r.Value(d.ZoomScale) && r.Boolean(d.RotAxis) &&
                      r.Value(d.InitialScaleWidth) && r.Value(d.InitialScaleHeight) && ReadView(r, d.ScaleWidth) &&
                      ReadView(r, d.ScaleHeight) && ReadView(r, d.ScaleLeft) && ReadView(r, d.ScaleTop) &&
                      r.Value(count);
  // A view or zoom scale outside the program's range is damage: a width of 0 or less or a
  // height of 0 or more (no view has them; a negative width passes Zoom Out's width guard
  // every time and soon leaves the 32-bit range), a value whose single is 2^31 (a save
  // would write it and the next open refuse it), a zoom scale of 0 or less (no zoom brings
  // it back).
  if (!header || count < 0 || count > model::MaxElements ||
      !view::ViewInRange(d.ScaleLeft, d.ScaleTop, d.ScaleWidth, d.ScaleHeight) || !view::ZoomScaleInRange(d.ZoomScale))
    return std::nullopt;
  d.Elements.resize(static_cast<size_t>(count));
  bool ok = true;
  for (model::ElementRecord& e : d.Elements) {
    model::VisitFields(e, FieldReader{r, ok});
    // An element the program could not have held (a plate 1e38 deep, whose moments no
    // single holds) is damage.
    ok = ok && model::ElementCanBeHeld(e);
  }
  if (!ok) return std::nullopt;
  if (d.Marked &&
      !(r.Text(d.ProjectName) && r.Text(d.ProjectNumber) && r.Text(d.ObjectDescription) && r.Text(d.ProjectEngineer)))
    return std::nullopt;
  return d;
}

}  // namespace editor
