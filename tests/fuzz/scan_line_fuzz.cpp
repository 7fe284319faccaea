// The line lexer on arbitrary bytes, in both modes. The first byte chooses the starting mode
// and, bit by bit, the tokens before which the mode flips (the detection reads the rest of an
// IO line in hex mode); the rest is the line.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "config/scan_line.h"
#include "fuzz_support.h"

namespace {

constexpr int kLineLimit = 259;  // characters the lexer copies

// Every token but the end moves on by at least one character, so a line of at most 259
// characters ends within 260 tokens; once the end is reached it is reported for good.
void ScanAll(const std::string& line, uint8_t modes) {
  KzScanLine scan(line.c_str(), modes & 1);
  const size_t copied = std::min<size_t>(std::strlen(line.c_str()), kLineLimit);
  int tokens = 0;
  for (;;) {
    if (tokens < 7 && (modes >> (tokens + 1)) & 1) scan.SetHexMode(tokens & 1);
    const int kind = scan.NextToken();
    fuzz::Require(kind >= kTokIdentifier && kind <= kTokError, "a known token kind");
    const size_t textLength = std::strlen(scan.TokenText());
    fuzz::Require(textLength <= copied, "token text within the copied line");
    if (kind == kTokIdentifier) {
      fuzz::Require(textLength > 0, "an identifier has text");
      fuzz::Require(scan.TextEquals(scan.TokenText(), true), "the token equals its own text");
    }
    if (kind == kTokEquals || kind == kTokComma || kind == kTokEnd || kind == kTokHexNumber ||
        kind == kTokDecNumber)
      fuzz::Require(textLength == 0, "no text for punctuation, numbers and the end");
    if (kind == kTokEnd) break;
    fuzz::Require(++tokens <= kLineLimit + 1, "the line ends within its length in tokens");
  }
  for (int again = 0; again < 3; ++again)
    fuzz::Require(scan.NextToken() == kTokEnd, "the end stays the end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);
  ScanAll(line, data[0]);
  // The lexer's own limit: a longer text is cut, never read beyond.
  if (line.size() > kLineLimit) ScanAll(line.substr(0, kLineLimit), data[0]);
  return 0;
}
