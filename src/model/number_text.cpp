#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace model {

namespace {

// General form with the given significant digits, as the platform writes it.
std::string General(double value, int digits) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  if (value == 0.0) return "0";  // -0 too
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
  std::string text(buf, res.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

std::string Signed(double value, int digits) {
  std::string text = General(value, digits);
  const bool negative = !text.empty() && text[0] == '-';
  std::string body = negative ? text.substr(1) : text;
  if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
  return (negative ? "-" : " ") + body;
}

// 15 significant digits round the largest doubles up past the largest double, to a text
// no reader takes back; they are written as the largest 15-digit value below it.
double Writable15(double value) {
  constexpr double largest = 1.79769313486231e308;
  if (value > largest && std::isfinite(value)) return largest;
  if (value < -largest && std::isfinite(value)) return -largest;
  return value;
}

// Plain decimal notation from this decimal exponent of the first digit up to the next.
constexpr int PlainFrom = -5;
constexpr int PlainBelow = 15;

template <typename T>
std::string Exact(T value) {
  char buf[64];
  if (!std::isfinite(value) || value == 0) {  // "0", "-0", "inf", "nan"
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
  }
  // The shortest digits that read back exactly, in exponent form: "-1.2345e+06".
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string text(buf, res.ptr);
  const size_t e = text.find('e');
  const bool negative = text[0] == '-';
  std::string digits;
  for (size_t i = negative ? 1 : 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
  if (exponent < PlainFrom || exponent >= PlainBelow) {
    text[e] = 'E';
    return text;
  }
  std::string plain = negative ? "-" : "";
  if (exponent < 0) {
    plain += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      plain += digits + std::string(whole - digits.size(), '0');
    } else {
      plain += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  }
  return plain;
}

// Whether a well-formed number text that does not fit the type lies below its smallest
// magnitude (rather than above its largest): the decimal exponent of its first non-zero
// digit is negative.
bool Underflows(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  // The exponent of the first non-zero digit as written before any exponent part: the
  // count of integer digits from it, less one, or minus its place after the point.
  long long lead = 0;
  bool found = false, point = false;
  long long place = 0;  // digits after the point so far
  for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
    if (t[i] == '.') {
      point = true;
      continue;
    }
    if (point) ++place;
    if (found) {
      if (!point) ++lead;
    } else if (t[i] != '0') {
      found = true;
      lead = point ? -place : 0;
    }
  }
  if (!found) return true;
  long long exponent = 0;
  bool negative = false;
  if (i < t.size()) ++i;  // the 'e'
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
  for (; i < t.size(); ++i) exponent = std::min<long long>(exponent * 10 + (t[i] - '0'), 1000000000);
  return lead + (negative ? -exponent : exponent) < 0;
}

template <typename T>
bool Parse(std::string_view text, T& value) {
  auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  // One sign at most: the reader below takes a "-", so after a "+" it would read "+-5"
  // as -5.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return false;
  }
  if (text.empty()) return false;
  T parsed = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
  if (res.ptr != text.data() + text.size()) return false;
  if (res.ec == std::errc::result_out_of_range && Underflows(text)) {
    // Too small to hold: it reads as zero, with its sign.
    parsed = text.front() == '-' ? -T{0} : T{0};
  } else if (res.ec != std::errc() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}

}  // namespace

std::string NumberText(float value) { return Signed(value, 7); }
std::string NumberText(double value) { return Signed(Writable15(value), 15); }
std::string PlainNumberText(float value) { return General(value, 7); }
std::string PlainNumberText(double value) { return General(Writable15(value), 15); }

std::string ExactNumberText(float value) { return Exact(value); }
std::string ExactNumberText(double value) { return Exact(value); }

bool ParseNumber(std::string_view text, double& value) { return Parse(text, value); }
bool ParseSingle(std::string_view text, float& value) { return Parse(text, value); }

}  // namespace model
