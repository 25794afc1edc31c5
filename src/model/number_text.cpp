#include "model/number_text.h"

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

}  // namespace

std::string NumberText(float value) { return Signed(value, 7); }
std::string NumberText(double value) { return Signed(value, 15); }
std::string PlainNumberText(float value) { return General(value, 7); }
std::string PlainNumberText(double value) { return General(value, 15); }

bool ParseNumber(std::string_view text, double& value) {
  auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  double parsed = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace model
