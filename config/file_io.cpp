#include "config/file_io.h"

#include <cerrno>

#include "config/cp1251.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kz {
namespace {

#ifdef _WIN32
std::wstring Wide(const std::string& path) {
  const std::u16string utf16 = Utf8ToUtf16(path);
  return std::wstring(utf16.begin(), utf16.end());
}

std::FILE* Open(const std::string& path, const wchar_t* mode) {
  return _wfopen(Wide(path).c_str(), mode);
}

// The system's rename that replaces an existing target in one step (msvcrt's _wrename refuses
// an existing target). Declared here because config/ includes no Windows headers; calling it
// directly also keeps the C++ library's file-system, locale and stream code out of every
// program.
extern "C" __declspec(dllimport) int __stdcall MoveFileExW(const wchar_t* from, const wchar_t* to,
                                                           unsigned long flags);
constexpr unsigned long kMoveReplaceExisting = 0x1;
constexpr unsigned long kMoveWriteThrough = 0x8;  // returns once the move is on the disk

// The temporary file lies beside the target, on the same volume: no copy is ever needed.
bool RenameOver(const std::string& from, const std::string& to) {
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     kMoveReplaceExisting | kMoveWriteThrough) != 0;
}

void RemoveFile(const std::string& path) { _wremove(Wide(path).c_str()); }

// The read-only attribute: the rename below would replace such a file under Wine.
bool IsReadOnly(const std::string& path) {
  return _waccess(Wide(path).c_str(), 2) != 0 && errno == EACCES;
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool IsRegular(const struct _stat64& info) { return (info.st_mode & _S_IFMT) == _S_IFREG; }

// A device name such as "NUL" or "CON" opens the device, and a console is read without end:
// the type of what was opened decides, as the name may say nothing.
std::FILE* OpenRegular(const std::string& path, ReadFailure& failure) {
  struct _stat64 info;
  if (_wstat64(Wide(path).c_str(), &info) == 0 && !IsRegular(info)) {
    failure = ReadFailure::kNotRegularFile;
    return nullptr;
  }
  std::FILE* file = Open(path, L"rb");
  if (!file) {
    failure = ReadFailure::kCannotOpen;
  } else if (_fstat64(_fileno(file), &info) != 0 || !IsRegular(info)) {
    std::fclose(file);
    file = nullptr;
    failure = ReadFailure::kNotRegularFile;
  }
  return file;
}
#else
std::FILE* Open(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool RenameOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

// A file without its owner's write permission counts as read-only, even for root.
bool IsReadOnly(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

// The type is looked at before the open, which a device may answer with a side effect, and
// again on what was opened, in case the path changed meanwhile. The open does not wait: a
// FIFO without a writer would block it.
std::FILE* OpenRegular(const std::string& path, ReadFailure& failure) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    failure = ReadFailure::kNotRegularFile;
    return nullptr;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    failure = ReadFailure::kCannotOpen;
    return nullptr;
  }
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    failure = ReadFailure::kNotRegularFile;
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fdopen(fd, "rb");
  if (!file) {
    close(fd);
    failure = ReadFailure::kCannotOpen;
  }
  return file;
}
#endif

#ifdef _WIN32
constexpr const wchar_t* kWriteBinary = L"wb";
#else
constexpr const char* kWriteBinary = "wb";
#endif

WriteSteps*& InstalledSteps() {
  static WriteSteps* installed = nullptr;
  return installed;
}

bool WriteTemporary(WriteSteps& steps, const std::string& path, std::string_view bytes) {
  std::FILE* file = steps.Create(path);
  if (!file) return false;
  const bool written = steps.Write(file, bytes) && steps.Flush(file);
  return steps.Close(file) && written;
}

}  // namespace

std::FILE* OpenForReading(const std::string& path, ReadFailure* failure) {
  ReadFailure why = ReadFailure::kCannotOpen;
  std::FILE* file = path.empty() ? nullptr : OpenRegular(path, why);
  if (failure) *failure = file ? ReadFailure::kNone : why;
  return file;
}

std::string TemporaryNameFor(const std::string& path) { return path + ".tmp"; }

std::FILE* WriteSteps::Create(const std::string& path) { return Open(path, kWriteBinary); }

bool WriteSteps::Write(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteSteps::Flush(std::FILE* file) { return FlushToDisk(file); }

bool WriteSteps::Close(std::FILE* file) { return std::fclose(file) == 0; }

bool WriteSteps::Replace(const std::string& from, const std::string& to) {
  return RenameOver(from, to);
}

void WriteSteps::Remove(const std::string& path) { RemoveFile(path); }

WriteSteps& CurrentWriteSteps() {
  static WriteSteps platform;
  return InstalledSteps() ? *InstalledSteps() : platform;
}

WriteSteps* InstallWriteSteps(WriteSteps* steps) {
  WriteSteps* previous = InstalledSteps();
  InstalledSteps() = steps;
  return previous;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (path.empty() || IsReadOnly(path)) return false;
  WriteSteps& steps = CurrentWriteSteps();
  const std::string temporary = TemporaryNameFor(path);
  if (WriteTemporary(steps, temporary, bytes) && steps.Replace(temporary, path)) return true;
  // Whatever step failed, the half-written file must not stay beside the configuration.
  steps.Remove(temporary);
  return false;
}

}  // namespace kz
