// What the fuzz targets share: the bytes of an input as a stream, the seams of the
// configuration library over the real file system, and a check that stops the run with a
// message when an invariant does not hold.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "config/seams.h"

namespace fuzz {

// Fails the run (libFuzzer keeps the input as a crash) when the condition is false.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// The bytes as a read-only stream, as the detection reads its text files.
inline std::FILE* StreamOf(std::string_view bytes) {
  // fmemopen refuses an empty buffer; an empty file reads as /dev/null does.
  if (bytes.empty()) return std::fopen("/dev/null", "rb");
  return fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
}

// Splits off the first line (without its LF); the rest stays in bytes.
inline std::string TakeLine(std::string_view& bytes) {
  const size_t end = bytes.find('\n');
  std::string line(bytes.substr(0, end));
  bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  return line;
}

// A folder of its own under /dev/shm (memory, so that millions of runs do not wear a disk),
// removed at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/dev/shm/kzfuzz-XXXXXX";
    Require(mkdtemp(pattern) != nullptr, "scratch folder created");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteWhole(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Require(file != nullptr, "input file opened for writing");
  Require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), "input written");
  std::fclose(file);
}

// The library's seams over this machine's files; complaints are counted, not shown.
struct RealFiles : kz::FileSystem {
  std::string programDir;
  std::string ProgramDir() const override { return programDir; }
  bool PathExists(const std::string& path) const override {
    return access(path.c_str(), F_OK) == 0;
  }
};

struct CountedComplaints : kz::ComplaintSink {
  int damaged = 0;
  int other = 0;
  void Complain(kz::Complaint kind, const std::string&) override {
    (kind == kz::Complaint::kDamagedFile ? damaged : other) += 1;
  }
};

struct FixedInstallKey : kz::InstallKey {
  std::string cfgName;
  std::optional<std::string> Read(const std::string& value, bool) const override {
    return value == "Cfg Name" ? cfgName : std::string();
  }
  bool Write(const std::string&, const std::string&) override { return true; }
};

}  // namespace fuzz
