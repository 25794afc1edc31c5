#include "model/shape_file.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <string_view>

#include "model/element_rule.h"
#include "model/file_text.h"
#include "model/number_text.h"
#include "ui/platform.h"

namespace model {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Why a row could not be read; the text is the part of the message after the file name.
struct ReadFailure {
  std::string reason;
};

// Walks the values of a shape file in order, whatever their layout on lines.
class ValueReader {
 public:
  explicit ValueReader(std::string_view text) : text_(text) {}

  // Only blanks and line ends are left: the file has ended after a complete row.
  bool AtEnd() const {
    for (size_t i = pos_; i < text_.size(); ++i)
      if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) return false;
    return true;
  }

  // The next value, without the blanks around it and without its quotes. `where` names
  // the value for a message.
  std::string_view Next(const std::string& where) {
    if (AtEnd()) throw ReadFailure{"it ends inside " + where.substr(0, where.find(',')) + "."};
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    std::string_view value;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      const size_t close = text_.find('"', pos_ + 1);
      if (close == std::string_view::npos) throw ReadFailure{where + ": the closing double quote is missing."};
      value = text_.substr(pos_ + 1, close - pos_ - 1);
      pos_ = close + 1;
      while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
      if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
        throw ReadFailure{where + ": text follows the closing double quote."};
    } else {
      const size_t start = pos_;
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
      value = Trim(text_.substr(start, pos_ - start));
    }
    SkipSeparator();
    return value;
  }

 private:
  void SkipSeparator() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',' || text_[pos_] == '\n') {
      ++pos_;
    } else if (text_[pos_] == '\r') {
      ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

// Reads one row's values into `r` in the order of the record's fields.
class RowReader {
 public:
  RowReader(ValueReader& values, int row) : values_(values), row_(row) {}

  void Text(String25& field) { field = HeldName(Next()); }

  void Single(float& field) {
    const std::string_view v = Next();
    if (!ParseSingle(v, field)) throw ReadFailure{Where() + " (\"" + std::string(v) + "\") is not a number."};
  }

  void Int16(int16_t& field) {
    const std::string_view v = Next();
    double parsed = 0;
    if (!ParseNumber(v, parsed) || parsed != std::floor(parsed) || parsed < std::numeric_limits<int16_t>::min() ||
        parsed > std::numeric_limits<int16_t>::max())
      throw ReadFailure{Where() + " (\"" + std::string(v) + "\") is not a whole number from -32768 to 32767."};
    field = static_cast<int16_t>(parsed);
  }

 private:
  std::string Where() const { return "row " + std::to_string(row_) + ", value " + std::to_string(value_); }
  std::string_view Next() {
    ++value_;
    return values_.Next(Where());
  }

  ValueReader& values_;
  int row_;
  int value_ = 0;
};

void ReadRow(ValueReader& values, int row, ShapeRecord& r) {
  RowReader in(values, row);
  in.Text(r.NameSI);
  in.Int16(r.ShapeType);
  for (float* f : {&r.Depth, &r.Width, &r.FlangeThickness, &r.WebThickness, &r.InnerRadius, &r.OuterRadius, &r.Ratio1,
                   &r.Ratio2, &r.FilletDepthK, &r.FilletWidthK1})
    in.Single(*f);
  in.Int16(r.NominalSizeSI);
  for (float* f : {&r.MassSI, &r.ElemArea, &r.ElemIx, &r.ElemSx, &r.ElemRx, &r.ElemZx, &r.ElemIy, &r.ElemSy, &r.ElemRy,
                   &r.ElemZy, &r.ElemJ, &r.ElemCw, &r.ShapeExtra})
    in.Single(*f);
  in.Text(r.NameImp);
  in.Int16(r.NominalSizeImp);
  for (float* f : {&r.MassImp, &r.CentroidX, &r.CentroidY}) in.Single(*f);
  // Only channels carry a 32nd value; any other row holds 0 there, never a value left
  // over from a channel loaded earlier into the same row.
  r.ChannelExtra = 0;
  if (r.ShapeType == 6 || r.ShapeType == 7) in.Single(r.ChannelExtra);
}

}  // namespace

bool ReadShapeFile(const std::string& Path, ShapeTableRows& table, std::string& error) {
  const std::string file = "The shape file \"" + Path + "\"";
  std::ifstream in(Path, std::ios::binary);
  if (!in) {
    error = file + " could not be opened.";
    return false;
  }
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) {
    error = file + " could not be read.";
    return false;
  }
  std::string reason;
  if (ReadShapeText(contents.str(), table, reason)) return true;
  error = file + " " + reason;
  return false;
}

bool ReadShapeText(std::string_view text, ShapeTableRows& table, std::string& reason) {
  ValueReader values(text);
  if (values.AtEnd()) {
    reason = "is empty.";
    return false;
  }
  try {
    int i = 1;
    do {
      if (i > MaxShapeRows) throw ReadFailure{"it holds more than " + std::to_string(MaxShapeRows) + " rows."};
      ShapeRecord& row = table[static_cast<size_t>(i)];
      ReadRow(values, i, row);
      // A row becomes an element as it stands: one the program cannot hold is refused here,
      // where the file can still be mended, not when the section is saved.
      if (!ElementCanBeHeld(row)) throw ReadFailure{"row " + std::to_string(i) + " has sizes too large to calculate."};
      ++i;
    } while (!values.AtEnd());
    table[1].ShapeCount = static_cast<int16_t>(i);
  } catch (const ReadFailure& f) {
    reason = "could not be read: " + f.reason;
    return false;
  }
  return true;
}

bool LoadShapeFile(const std::string& Path) {
  // Read into a copy so that a damaged file leaves the family loaded before untouched.
  auto table = std::make_unique<ShapeTableRows>(G.ShapeTable);
  std::string error;
  if (!ReadShapeFile(Path, *table, error)) {
    ui::MsgBox(error + " No shapes were loaded.");
    return false;
  }
  G.ShapeTable = *table;
  return true;
}

}  // namespace model
