#include "config/scan_line.h"

#include <cstring>

#include "config/ascii.h"

namespace {

constexpr unsigned char kEndMarker = 0xFF;
constexpr int kLineLimit = 259;

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The digit value of a hexadecimal digit, or -1.
int HexDigit(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// 32-bit arithmetic that wraps around, as the game's own reader does.
int32_t Shift(int32_t value, unsigned base, unsigned digit) {
  return int32_t(uint32_t(value) * base + digit);
}

}  // namespace

KzScanLine::KzScanLine(const char* text, int hexMode) : hexMode_(hexMode) {
  const size_t length = text ? strnlen(text, kLineLimit) : 0;
  if (length) std::memcpy(line_, text, length);  // a null text may not even be copied from
  line_[length] = kEndMarker;
  std::memset(line_ + length + 1, 0, sizeof line_ - length - 1);
  token_[0] = 0;
}

int KzScanLine::NextToken() {
  token_[0] = 0;
  value_ = 0;
  decimal_ = 0;
  while (At() <= 32) ++position_;
  const unsigned char first = At();
  if (IsLetter(first) || first == '_') {
    if (hexMode_ && HexDigit(first) >= 0) return ScanHexNumber();
    return ScanIdentifier();
  }
  if (IsDigit(first)) {
    if (hexMode_) return ScanHexNumber();
    return first == '0' ? ScanNumberFromZero() : ScanDecimalNumber();
  }
  switch (first) {
    case '"':
      return ScanDelimited('"', kTokString);
    case '[':
      return ScanDelimited(']', kTokSection);
    case ',':
      ++position_;
      return kTokComma;
    case '=':
      ++position_;
      return kTokEquals;
    case ';':
    case kEndMarker:
      return kTokEnd;
    default:
      ++position_;
      return kTokError;
  }
}

int KzScanLine::ScanIdentifier() {
  int length = 0;
  token_[length++] = char(line_[position_++]);
  for (unsigned char c = At(); IsLetter(c) || IsDigit(c) || c == '_'; c = At()) {
    token_[length++] = char(c);
    ++position_;
    if (HexDigit(c) >= 0) value_ = Shift(value_, 16, HexDigit(c));
    if (IsDigit(c)) decimal_ = Shift(decimal_, 10, c - '0');
  }
  token_[length] = 0;
  return kTokIdentifier;
}

int KzScanLine::ScanHexNumber() {
  for (int digit = HexDigit(At()); digit >= 0; digit = HexDigit(At())) {
    value_ = Shift(value_, 16, digit);
    ++position_;
  }
  return kTokHexNumber;
}

int KzScanLine::ScanDecimalNumber() {
  for (unsigned char c = At(); IsDigit(c); c = At()) {
    value_ = Shift(value_, 10, c - '0');
    ++position_;
  }
  return kTokDecNumber;
}

// "0x1F" is hexadecimal; a zero without the "x" is the number 0 and ends the token there, so
// "0800" reads as 0 followed by 800.
int KzScanLine::ScanNumberFromZero() {
  ++position_;
  if (At() == 'x' || At() == 'X') {
    ++position_;
    return ScanHexNumber();
  }
  return kTokHexNumber;
}

int KzScanLine::ScanDelimited(unsigned char close, int kind) {
  ++position_;
  int length = 0;
  for (unsigned char c = At(); c != close; c = At()) {
    if (c == kEndMarker) {
      token_[length] = 0;
      return kTokError;
    }
    token_[length++] = char(c);
    ++position_;
  }
  token_[length] = 0;
  ++position_;
  return kind;
}

bool KzScanLine::TextEquals(std::string_view text, bool caseSensitive) const {
  return caseSensitive ? text == token_ : kz::AsciiEqualNoCase(text, token_);
}
