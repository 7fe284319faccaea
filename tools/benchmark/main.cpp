// Loading the default configuration file and saving the defaults, in a temporary folder.
// The "allocations" counter counts heap allocations per operation: it must not grow with the
// number of lines.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <sys/stat.h>

#include "config/config_writer.h"
#include "config/seams.h"
#include "config/setup_section.h"

namespace {

size_t allocations = 0;

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

void Install() {
  if (!folder.dir.empty()) return;
  char pattern[] = "/tmp/kzconfig-bench-XXXXXX";
  folder.dir = std::string(mkdtemp(pattern)) + "/";
  kz::InstalledSeams() = {&folder, &complaints, &key, nullptr};
  KzSetupSection::SetDefaults(nullptr, nullptr);
  KzSetupSection::SaveConfig(folder.dir + "voltra.cfg");
}

void Report(benchmark::State& state, size_t before) {
  state.counters["allocations"] =
      benchmark::Counter(double(allocations - before), benchmark::Counter::kAvgIterations);
}

void BM_LoadConfig(benchmark::State& state) {
  Install();
  const size_t before = allocations;
  for (auto _ : state) KzSetupSection::LoadConfig();
  Report(state, before);
  if (complaints.shown) state.SkipWithError("the default file was not accepted");
}
BENCHMARK(BM_LoadConfig);

// The same file with every line 4 times: allocations must stay those of the 138-line file.
void BM_LoadConfigLongFile(benchmark::State& state) {
  Install();
  const std::string bytes = FormatConfig();
  std::string longer;
  for (int i = 0; i < 4; ++i) longer += bytes;
  const std::string path = folder.dir + "long.cfg";
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(longer.data(), 1, longer.size(), file);
  std::fclose(file);
  const size_t before = allocations;
  for (auto _ : state) KzSetupSection::LoadConfigFile(path);
  Report(state, before);
}
BENCHMARK(BM_LoadConfigLongFile);

void BM_SaveConfig(benchmark::State& state) {
  Install();
  const std::string path = folder.dir + "saved.cfg";
  const size_t before = allocations;
  for (auto _ : state) benchmark::DoNotOptimize(KzSetupSection::SaveConfig(path));
  Report(state, before);
}
BENCHMARK(BM_SaveConfig)->Unit(benchmark::kMicrosecond);

// What opening, reading and closing the file costs by itself, for comparison with LoadConfig.
void BM_OpenReadClose(benchmark::State& state) {
  Install();
  const std::string path = folder.dir + "voltra.cfg";
  char buffer[4096];
  for (auto _ : state) {
    struct stat info;
    benchmark::DoNotOptimize(stat(path.c_str(), &info));
    FILE* file = std::fopen(path.c_str(), "rb");
    while (std::fread(buffer, 1, sizeof buffer, file) > 0) {
    }
    std::fclose(file);
  }
}
BENCHMARK(BM_OpenReadClose);

void BM_FormatConfig(benchmark::State& state) {
  Install();
  for (auto _ : state) benchmark::DoNotOptimize(FormatConfig());
}
BENCHMARK(BM_FormatConfig);

}  // namespace

void* operator new(size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The counting operator new above allocates with malloc, so these free with free.
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  if (!folder.dir.empty()) std::filesystem::remove_all(folder.dir, error);
  return 0;
}
