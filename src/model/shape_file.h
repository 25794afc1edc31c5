#pragma once
// The shape files: one family of standard shapes per file, read into the shape table.
//
// A file is plain text, values separated by commas or line ends (either counts as one
// separator), blanks around a value allowed, "." decimals. A value that starts with a
// double quote runs to the next double quote and may hold commas. A row is 31 values
// (the ElementRecord fields that a shape carries, in record order, see ReadShapeFile),
// 32 when its ShapeType is 6 or 7; rows may share lines or run over several. No header,
// no count, at most 500 rows.

#include <string>
#include <string_view>

#include "model/globals.h"

namespace model {

using ShapeTableRows = decltype(Globals::ShapeTable);

// Reads the file at Path into rows 1 to n of `table` and sets the ShapeCount of row 1 to
// n + 1. Rows above n and the fields a row does not carry keep what they held, except
// ChannelExtra, which is 0 in a row that is not a channel. Returns false, with `error`
// set to one sentence naming the file, when the file cannot be opened, holds no row,
// holds a value that does not convert to its field, ends inside a row, or holds more
// than 500 rows; `table` may then be partly written, so callers read into a copy.
bool ReadShapeFile(const std::string& Path, ShapeTableRows& table, std::string& error);

// The same for the text of a file, without opening anything: on failure `reason` is the
// sentence's end after the file's name ("is empty.").
bool ReadShapeText(std::string_view text, ShapeTableRows& table, std::string& reason);

// Loads the file into G.ShapeTable. On failure the table keeps the family it held, the
// message is shown, and the result is false.
bool LoadShapeFile(const std::string& Path);

}  // namespace model
