#include "config/text_number.h"

#include <limits>

namespace kz {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool HasDigitAt(std::string_view text, size_t at, int base) {
  return at < text.size() && DigitValue(text[at]) < base;
}

}  // namespace

int32_t TextToInteger(std::string_view text, int base) {
  size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // "0x" counts as a prefix only when a digit follows; "0xG" is the number 0.
  if (base == 16 && at + 1 < text.size() && text[at] == '0' &&
      (text[at + 1] == 'x' || text[at + 1] == 'X') && HasDigitAt(text, at + 2, base))
    at += 2;
  const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                 : int64_t(std::numeric_limits<int32_t>::max());
  int64_t magnitude = 0;
  for (; HasDigitAt(text, at, base); ++at) {
    magnitude = magnitude * base + DigitValue(text[at]);
    if (magnitude > limit) magnitude = limit;
  }
  return int32_t(negative ? -magnitude : magnitude);
}

}  // namespace kz
