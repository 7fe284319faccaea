// Loading and saving the default configuration file, against the obvious alternatives on the
// same file: inih's parser (natively) and GetPrivateProfileStringW reading every key of the
// file (on Windows), a plain write and WritePrivateProfileStringW for the saving.
//   config_timing FOLDER [REPETITIONS]
// FOLDER (ending in a separator) receives the default file "voltra.cfg" and the written files.
// Prints CSV lines, one per repetition: operation,microseconds per operation. The bench takes
// their median, because a shared machine drifts.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

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

int repetitions = 11;

// Prints the microseconds per call of each repetition, each of which times `calls` calls in a
// row.
void Time(const char* name, int calls, const std::function<void()>& operation) {
  operation();  // the file in the cache, the code paged in
  for (int r = 0; r < repetitions; ++r) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) operation();
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    std::printf("%s,%.3f\n", name, spent.count() / calls);
  }
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
  if (argc > 2) repetitions = std::max(1, std::atoi(argv[2]));
  folder.dir = argv[1];
  kz::InstalledSeams() = {&folder, &complaints, &key, nullptr};
  KzSetupSection::SetDefaults(nullptr, nullptr);
  const std::string path = folder.dir + "voltra.cfg";
  if (!KzSetupSection::SaveConfig(path)) {
    std::fprintf(stderr, "config_timing: cannot write %s\n", path.c_str());
    return 2;
  }
  Time("LoadConfig", 200, [] { KzSetupSection::LoadConfig(); });
  if (complaints.shown) {
    std::fprintf(stderr, "config_timing: the default file was not accepted\n");
    return 1;
  }
  const std::string saved = folder.dir + "saved.cfg";
  Time("SaveConfig", 20, [&] { KzSetupSection::SaveConfig(saved); });
  const std::string bytes = FormatConfig();
  const std::string plain = folder.dir + "plain.cfg";
  Time("plain write", 20, [&] { WriteBytesPlainly(plain, bytes); });
#ifdef _WIN32
  const std::wstring widePath = Wide(path);
  const std::wstring profile = Wide(folder.dir + "profile.cfg");
  Time("WritePrivateProfileStringW", 5, [&] { WriteEveryKeyWithProfileCalls(profile); });
  Time("GetPrivateProfileStringW", 5, [&] { ReadEveryKeyWithProfileCalls(widePath); });
#elif defined(VOLTRANE_BENCH_INIH)
  static Kept kept;
  Time("inih", 200, [&] { ini_parse(path.c_str(), KeepValue, &kept); });
#endif
  return 0;
}
