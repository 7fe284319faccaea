// Loading and saving the default configuration file, against the obvious alternatives on the
// same file: inih's parser (natively) and GetPrivateProfileStringW reading every key of the
// file (on Windows). Medians over repetitions, because a shared machine drifts.
//   config_timing FOLDER [REPETITIONS]
// FOLDER (ending in a separator) receives the default file "voltra.cfg" and "saved.cfg".
// Prints CSV lines: operation,microseconds per operation (median),repetitions.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "config/config_writer.h"
#include "config/seams.h"
#include "config/setup_section.h"
#include "config/setup_tables.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(VOLTRANE_BENCH_INIH)
#include <ini.h>
#endif

namespace {

struct Folder : kz::FileSystem {
  std::string dir;
  std::string ProgramDir() const override { return dir; }
  bool PathExists(const std::string& path) const override {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
  }
};

struct Silent : kz::ComplaintSink {
  int shown = 0;
  void Complain(kz::Complaint, const std::string&) override { ++shown; }
};

struct Key : kz::InstallKey {
  std::optional<std::string> Read(const std::string&, bool) const override { return "voltra.cfg"; }
  bool Write(const std::string&, const std::string&) override { return true; }
};

Folder folder;
Silent complaints;
Key key;

// Microseconds per call of the operation: the median of the repetitions, each of which times
// `calls` calls in a row.
double MedianMicroseconds(int repetitions, int calls, const std::function<void()>& operation) {
  std::vector<double> times;
  operation();  // the file in the cache, the code paged in
  for (int r = 0; r < repetitions; ++r) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) operation();
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    times.push_back(spent.count() / calls);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Print(const char* operation, double microseconds, int repetitions) {
  std::printf("%s,%.3f,%d\n", operation, microseconds, repetitions);
}

// The floor of a save: the same bytes written to a file, without the flush to the disk and
// the rename that make SaveConfig's replacement safe.
void WriteBytesPlainly(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

#ifdef _WIN32
std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// Every key of the file written one by one with the profile functions, into a file of its own.
void WriteEveryKeyWithProfileCalls(const std::wstring& path) {
  const KzTableSet& tables = DefaultTables();
  for (int s = 0; s < kSectionCount; ++s) {
    const std::wstring section = Wide(kSections[s].name);
    const KzSetupEntry* table = tables.Table(s);
    for (int e = 0; e < kSections[s].count; ++e)
      WritePrivateProfileStringW(section.c_str(), Wide(table[e].name).c_str(), L"1", path.c_str());
  }
}

// Every key of the file, read one by one, as a program built on the profile functions does.
void ReadEveryKeyWithProfileCalls(const std::wstring& path) {
  const KzTableSet& tables = DefaultTables();
  wchar_t value[64];
  for (int s = 0; s < kSectionCount; ++s) {
    const std::wstring section = Wide(kSections[s].name);
    const KzSetupEntry* table = tables.Table(s);
    for (int e = 0; e < kSections[s].count; ++e)
      GetPrivateProfileStringW(section.c_str(), Wide(table[e].name).c_str(), L"", value,
                               DWORD(std::size(value)), path.c_str());
  }
}
#elif defined(VOLTRANE_BENCH_INIH)
// What inih hands over is kept, as LoadConfig keeps it: a copy of each value in a fixed field.
struct Kept {
  char values[160][32];
  int count = 0;
};

int KeepValue(void* user, const char*, const char*, const char* value) {
  Kept& kept = *static_cast<Kept*>(user);
  std::snprintf(kept.values[kept.count % 160], 32, "%s", value);
  ++kept.count;
  return 1;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: config_timing FOLDER [REPETITIONS]\n");
    return 2;
  }
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
  folder.dir = argv[1];
  kz::InstalledSeams() = {&folder, &complaints, &key, nullptr};
  KzSetupSection::SetDefaults(nullptr, nullptr);
  const std::string path = folder.dir + "voltra.cfg";
  if (!KzSetupSection::SaveConfig(path)) {
    std::fprintf(stderr, "config_timing: cannot write %s\n", path.c_str());
    return 2;
  }
  Print("LoadConfig", MedianMicroseconds(repetitions, 200, [] { KzSetupSection::LoadConfig(); }),
        repetitions);
  if (complaints.shown) {
    std::fprintf(stderr, "config_timing: the default file was not accepted\n");
    return 1;
  }
  const std::string saved = folder.dir + "saved.cfg";
  Print("SaveConfig",
        MedianMicroseconds(repetitions, 20, [&] { KzSetupSection::SaveConfig(saved); }),
        repetitions);
  const std::string bytes = FormatConfig();
  const std::string plain = folder.dir + "plain.cfg";
  Print("plain write",
        MedianMicroseconds(repetitions, 20, [&] { WriteBytesPlainly(plain, bytes); }), repetitions);
#ifdef _WIN32
  const std::wstring widePath = Wide(path);
  const std::wstring profile = Wide(folder.dir + "profile.cfg");
  Print("WritePrivateProfileStringW",
        MedianMicroseconds(repetitions, 5, [&] { WriteEveryKeyWithProfileCalls(profile); }),
        repetitions);
  Print("GetPrivateProfileStringW",
        MedianMicroseconds(repetitions, 5, [&] { ReadEveryKeyWithProfileCalls(widePath); }),
        repetitions);
#elif defined(VOLTRANE_BENCH_INIH)
  static Kept kept;
  Print("inih",
        MedianMicroseconds(repetitions, 200, [&] { ini_parse(path.c_str(), KeepValue, &kept); }),
        repetitions);
#endif
  return 0;
}
