// Reading the configuration file one line at a time, each line classified and, for a key
// line, turned into an entry.
//
// Lines are cut by our own code, the same on every platform: a line ends after LF, a CR
// right before that LF belongs to the line end and is dropped (as a Windows text-mode stream
// does), and a line longer than 258 characters, its line end included, is read in pieces of
// 258 characters, each piece counting as a line.
#pragma once

#include <cstdio>
#include <string>

#include "config/setup_entry.h"

// Kinds of line that ReadEntry reports.
enum KzLineKind : int {
  kLineEndOfFile = -1,
  kLineKey = 0,
  kLineSection = 1,
  kLineBlank = 7,  // blank or comment
  kLineOther = 8,
};

inline constexpr int kLinePieceLimit = 258;

class KzReadCfg {
 public:
  // Finds the current configuration file (next to the program, else in its parent folder)
  // and opens it; stays closed, without a message, when it is in neither or the current name
  // is no plain file name.
  KzReadCfg();
  // Opens the file at the path (UTF-8).
  explicit KzReadCfg(const std::string& path);
  virtual ~KzReadCfg();
  KzReadCfg(const KzReadCfg&) = delete;
  KzReadCfg& operator=(const KzReadCfg&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // The file was found but could not be opened: another program holds it open without
  // sharing, it may not be read, or the name is a folder's.
  bool Unreadable() const { return unreadable_; }
  // Reads one line; false at the end of the file (kind -1).
  bool ReadEntry(int& kind, KzSetupEntry& entry);
  // The identifier or section name of the line just read.
  const char* SectionName() const { return name_; }
  // The text of the line just read, its line end included.
  const char* LineText() const { return line_; }
  // Number, from 1, of the file line in which the line just read begins.
  int LineNumber() const { return lineNumber_; }

 private:
  bool ReadPiece();
  bool Refill();
  bool CopyUntilLineEnd(int& length);
  int PeekByte();
  void ClassifyKeyLine(int& kind, KzSetupEntry& entry, class KzScanLine& scan);

  std::FILE* file_ = nullptr;
  bool unreadable_ = false;
  char line_[260] = {};
  char name_[260] = {};
  unsigned char buffer_[4096];
  size_t bufferFill_ = 0;
  size_t bufferPos_ = 0;
  int lineNumber_ = 0;
  bool nextStartsLine_ = true;
};
