// The lexer of one configuration line, shared by the configuration reader and the sound-card
// detection. It works on a copy of the line that ends in the marker byte 0xFF; every scan
// stops at the first 0xFF, so that byte inside the text also ends the line.
#pragma once

#include <cstdint>
#include <string_view>

// Token kinds; the numbers are part of the interface.
enum KzToken : int {
  kTokIdentifier = 0,
  kTokSection = 1,  // the text between "[" and "]"
  kTokEquals = 2,
  kTokComma = 3,
  kTokHexNumber = 4,  // also a number that begins with "0", and every number in hex mode
  kTokDecNumber = 5,
  kTokString = 6,  // the text between the quotation marks
  kTokEnd = 7,     // the end marker, or ";" which starts a comment
  kTokError = 8,
};

class KzScanLine {
 public:
  // Copies at most 259 characters of the zero-terminated text; hexMode 1 reads every number
  // and every word that starts with A-F as hexadecimal.
  KzScanLine(const char* text, int hexMode);
  virtual ~KzScanLine() = default;

  int NextToken();
  const char* TokenText() const { return token_; }
  int32_t Value() const { return value_; }
  int32_t DecimalValue() const { return decimal_; }
  void SetHexMode(int hexMode) { hexMode_ = hexMode; }
  bool TextEquals(std::string_view text, bool caseSensitive) const;

 private:
  unsigned char At() const { return line_[position_]; }
  int ScanIdentifier();
  int ScanHexNumber();
  int ScanDecimalNumber();
  int ScanNumberFromZero();
  int ScanDelimited(unsigned char close, int kind);

  unsigned char line_[260];
  char token_[260];
  int32_t value_ = 0;
  int32_t decimal_ = 0;
  int32_t position_ = 0;
  int32_t hexMode_ = 0;
};
