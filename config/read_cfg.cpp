#include "config/read_cfg.h"

#include <algorithm>
#include <cstring>

#include "config/ascii.h"
#include "config/cfg_name.h"
#include "config/default_path.h"
#include "config/file_io.h"
#include "config/install_settings.h"
#include "config/scan_line.h"

namespace {

// The Mouse and Joystick pages store an inverted axis as a negative scale: slider position
// times 4096, so -8.00 is written "-524288". For these entries alone a minus sign right before
// a decimal number belongs to it; elsewhere a sign is no number and the value reads as 0.
constexpr const char* kSignedScales[] = {"MouseAnalogScale0",    "MouseAnalogScale1",
                                         "JoystickAnalogScale0", "JoystickAnalogScale1",
                                         "JoystickAnalogScale2", "JoystickAnalogScale3"};

bool IsSignedScale(const char* name) {
  for (const char* scale : kSignedScales)
    if (kz::AsciiEqualNoCase(name, scale)) return true;
  return false;
}

// Whether the value after the line's "=" begins with "-" and, without a blank between, a
// digit 1 to 9: the only sign that makes a negative number. The lexer skips the same bytes
// (1 to 32) before a token.
bool ValueIsMinusThenNumber(const char* line) {
  const char* value = std::strchr(line, '=');
  if (!value) return false;
  for (++value; *value && static_cast<unsigned char>(*value) <= 32;) ++value;
  return value[0] == '-' && value[1] >= '1' && value[1] <= '9';
}

}  // namespace

KzReadCfg::KzReadCfg() {
  const std::string name = CurrentCfgName();
  // An empty name would find the program's folder itself, and a name with a folder part a
  // file elsewhere: such a name has no file, and the defaults are taken as for a missing one.
  if (!kz::IsUsableCfgName(name)) return;
  const std::string path = KzDefaultPath("..\\").Find(name);
  file_ = kz::OpenForReading(path);
  unreadable_ = !path.empty() && !file_;
}

KzReadCfg::KzReadCfg(const std::string& path) : file_(kz::OpenForReading(path)) {}

KzReadCfg::~KzReadCfg() {
  if (file_) std::fclose(file_);
}

bool KzReadCfg::Refill() {
  bufferFill_ = file_ ? std::fread(buffer_, 1, sizeof buffer_, file_) : 0;
  bufferPos_ = 0;
  return bufferFill_ > 0;
}

// Copies bytes up to and including the next LF, at most until the piece is full.
bool KzReadCfg::CopyUntilLineEnd(int& length) {
  const size_t room = size_t(kLinePieceLimit - length);
  const size_t available = std::min(bufferFill_ - bufferPos_, room);
  const unsigned char* start = buffer_ + bufferPos_;
  const void* lineFeed = std::memchr(start, '\n', available);
  const size_t taken =
      lineFeed ? size_t(static_cast<const unsigned char*>(lineFeed) - start) + 1 : available;
  std::memcpy(line_ + length, start, taken);
  length += int(taken);
  bufferPos_ += taken;
  return lineFeed != nullptr;
}

// The byte that would be read next, without taking it; EOF at the end of the file.
int KzReadCfg::PeekByte() {
  if (bufferPos_ == bufferFill_ && !Refill()) return EOF;
  return buffer_[bufferPos_];
}

// Fills line_ with the next piece; false when the file has no more bytes. A CR right before
// an LF is dropped before the piece's characters are counted, so CR LF counts as one.
bool KzReadCfg::ReadPiece() {
  int length = 0;
  bool lineEnded = false;
  while (!lineEnded && length < kLinePieceLimit) {
    if (bufferPos_ == bufferFill_ && !Refill()) break;
    lineEnded = CopyUntilLineEnd(length);
    if (lineEnded && length >= 2 && line_[length - 2] == '\r') line_[--length - 1] = '\n';
  }
  if (!lineEnded && length == kLinePieceLimit && line_[length - 1] == '\r' && PeekByte() == '\n') {
    ++bufferPos_;
    line_[length - 1] = '\n';
    lineEnded = true;
  }
  line_[length] = 0;
  if (length == 0) return false;
  if (nextStartsLine_) ++lineNumber_;
  nextStartsLine_ = lineEnded;
  return true;
}

bool KzReadCfg::ReadEntry(int& kind, KzSetupEntry& entry) {
  std::memset(&entry, 0, sizeof entry);
  line_[0] = 0;
  if (!ReadPiece()) {
    kind = kLineEndOfFile;
    return false;
  }
  KzScanLine scan(line_, 0);
  kind = scan.NextToken();
  switch (kind) {
    case kTokIdentifier:
      ClassifyKeyLine(kind, entry, scan);
      break;
    case kTokSection:
      std::strcpy(name_, scan.TokenText());
      break;
    case kTokEnd:
      break;
    default:
      kind = kLineOther;
      break;
  }
  return true;
}

void KzReadCfg::ClassifyKeyLine(int& kind, KzSetupEntry& entry, KzScanLine& scan) {
  std::strcpy(name_, scan.TokenText());
  SetEntryText(entry.name, name_);
  if (scan.NextToken() != kTokEquals) {
    kind = kLineOther;
    return;
  }
  switch (scan.NextToken()) {
    case kTokString:
      entry.type = kStringEntry;
      SetEntryText(entry.text1, scan.TokenText());
      if (scan.NextToken() == kTokString) {
        entry.type = kStringPairEntry;
        SetEntryText(entry.text2, scan.TokenText());
      }
      break;
    case kTokHexNumber:
      entry.type = kHexEntry;
      entry.value = scan.Value();
      break;
    case kTokDecNumber:
      entry.type = kIntegerEntry;
      entry.value = scan.Value();
      break;
    case kTokError:
      // The sign was the error token; the number follows it. Negated as unsigned, so that
      // "-2147483648" reads back as itself.
      if (IsSignedScale(entry.name) && ValueIsMinusThenNumber(line_) &&
          scan.NextToken() == kTokDecNumber) {
        entry.type = kIntegerEntry;
        entry.value = int32_t(0u - uint32_t(scan.Value()));
      }
      break;
    default:
      break;
  }
}
