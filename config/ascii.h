// Name comparisons of the configuration file. Only the letters A to Z fold; every other byte,
// code page 1251 letters included, compares as it is, whatever the locale says.
#pragma once

#include <string_view>

namespace kz {

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

constexpr bool AsciiEqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// The same with a zero-terminated text, compared without measuring it first.
constexpr bool AsciiEqualNoCase(const char* a, std::string_view b) {
  for (char c : b) {
    if (*a == 0 || AsciiLower(*a) != AsciiLower(c)) return false;
    ++a;
  }
  return *a == 0;
}

}  // namespace kz
