#pragma once
// A text field of exactly N characters: assigning cuts a longer text or pads a shorter
// one with blanks on the right, and reading yields all N characters.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace model {

template <std::size_t N>
class FixedString {
 public:
  FixedString() { chars_.fill(' '); }
  // Implicit on purpose: a designation is assigned from any text.
  FixedString(std::string_view text) { assign(text); }    // NOLINT
  FixedString(const char* text) { assign(text); }         // NOLINT
  FixedString(const std::string& text) { assign(text); }  // NOLINT
  FixedString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  FixedString& operator=(const std::string& text) { return *this = std::string_view(text); }
  FixedString& operator=(const char* text) { return *this = std::string_view(text); }

  std::string str() const { return std::string(chars_.data(), N); }
  operator std::string() const { return str(); }  // NOLINT: reads like the text it holds
  std::string_view view() const { return std::string_view(chars_.data(), N); }
  static constexpr std::size_t size() { return N; }

  friend bool operator==(const FixedString& a, const FixedString& b) { return a.chars_ == b.chars_; }
  friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }

 private:
  void assign(std::string_view text) {
    chars_.fill(' ');
    const std::size_t n = text.size() < N ? text.size() : N;
    for (std::size_t i = 0; i < n; ++i) chars_[i] = text[i];
  }
  std::array<char, N> chars_;
};

using String25 = FixedString<25>;

}  // namespace model
