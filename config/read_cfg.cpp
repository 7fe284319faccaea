#include "read_cfg.h"

#include <cstring>

#include "default_path.h"
#include "file_io.h"
#include "install_settings.h"
#include "scan_line.h"

KzReadCfg::KzReadCfg() {
  const std::string name = CurrentCfgName();
  // An empty name would find the program's folder itself.
  if (!name.empty()) file_ = kz::OpenForReading(KzDefaultPath("..\\").Find(name));
}

KzReadCfg::KzReadCfg(const std::string& path) : file_(kz::OpenForReading(path)) {}

KzReadCfg::~KzReadCfg() {
  if (file_) std::fclose(file_);
}

int KzReadCfg::ReadByte() {
  if (pushedBack_ >= 0) {
    const int byte = pushedBack_;
    pushedBack_ = -1;
    return byte;
  }
  if (bufferPos_ == bufferFill_) {
    bufferFill_ = file_ ? std::fread(buffer_, 1, sizeof buffer_, file_) : 0;
    bufferPos_ = 0;
    if (bufferFill_ == 0) return EOF;
  }
  return buffer_[bufferPos_++];
}

// Fills line_ with the next piece; false when the file has no more bytes.
bool KzReadCfg::ReadPiece() {
  int length = 0;
  while (length < kLinePieceLimit) {
    int byte = ReadByte();
    if (byte == EOF) break;
    if (byte == '\r') {
      const int next = ReadByte();
      if (next == '\n') {
        byte = '\n';
      } else if (next != EOF) {
        UnreadByte(next);
      }
    }
    line_[length++] = char(byte);
    if (byte == '\n') break;
  }
  line_[length] = 0;
  if (length == 0) return false;
  if (nextStartsLine_) ++lineNumber_;
  nextStartsLine_ = line_[length - 1] == '\n';
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
  SetText(entry.name, name_);
  if (scan.NextToken() != kTokEquals) {
    kind = kLineOther;
    return;
  }
  switch (scan.NextToken()) {
    case kTokString:
      entry.type = kStringEntry;
      SetText(entry.text1, scan.TokenText());
      if (scan.NextToken() == kTokString) {
        entry.type = kStringPairEntry;
        SetText(entry.text2, scan.TokenText());
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
    default:
      break;
  }
}
