// Files named by UTF-8 paths. On Windows the names go to the wide-character functions, so the
// system's code page never decides which file is meant.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kz {

// Why OpenForReading gave no file.
enum class ReadFailure { kNone, kCannotOpen, kNotRegularFile };

// Opens an existing regular file for binary reading; null when it cannot be opened or is no
// regular file (a folder, a device, a pipe), which is never read or waited for.
std::FILE* OpenForReading(const std::string& path, ReadFailure* failure = nullptr);

// Replaces the file's content with the bytes. The bytes go to a temporary file next to it
// first, which is flushed to the disk and only then renamed over the file, so the file is
// at every moment either the old one or the new one, complete. False, with the old file
// untouched, when the file is read-only or any step fails.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// The name of that temporary file.
std::string TemporaryNameFor(const std::string& path);

// The steps by which ReplaceFileContents writes, one call each, so that a test can make any
// of them fail the way a full disk, a lost network share or a locked file would. The default
// steps are the platform's own.
class WriteSteps {
 public:
  virtual ~WriteSteps() = default;
  // Creates the file, or empties an existing one, for binary writing; null when it cannot.
  virtual std::FILE* Create(const std::string& path);
  // False unless every byte was written.
  virtual bool Write(std::FILE* file, std::string_view bytes);
  // Flushes the stream's buffer and commits the file to the disk.
  virtual bool Flush(std::FILE* file);
  // Closes the file in any case; false when the close reports an error.
  virtual bool Close(std::FILE* file);
  // Puts the file from in the place of the file to, replacing it in one step.
  virtual bool Replace(const std::string& from, const std::string& to);
  virtual void Remove(const std::string& path);
};

// The steps in use: the platform's own, unless a test has installed others.
WriteSteps& CurrentWriteSteps();
// Installs steps (null: the platform's own again) and returns the ones that were in use.
WriteSteps* InstallWriteSteps(WriteSteps* steps);

}  // namespace kz
