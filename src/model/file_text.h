#pragma once
// Text as the program holds it, whatever bytes it came in: valid UTF-8 stays as it is and
// anything else is taken as Windows-1252, the encoding older files were written in. Files
// and names go through the same conversion, so a name read from a shape row or the
// clipboard is the name a document carries back.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/fixed_string.h"

namespace model {

// Length of the UTF-8 sequence at s[i], or 0 when it is not a valid one.
size_t Utf8Length(std::string_view s, size_t i);

// The bytes as UTF-8: unchanged when they are valid UTF-8, else each byte as its
// Windows-1252 character.
std::string DecodeText(std::string_view bytes);

// The same for a whole file, whose leading byte-order mark is dropped.
std::string DecodeFileText(std::string_view bytes);

// Already-decoded text fitted into a 25-byte name field: a longer text is cut at a
// character boundary, a shorter one padded with blanks.
String25 FitName(std::string_view text);

// A designation as every element holds it, from text that came in from outside: decoded,
// without line breaks (a document keeps one value per line), fitted into the field.
String25 HeldName(std::string_view text);

}  // namespace model
