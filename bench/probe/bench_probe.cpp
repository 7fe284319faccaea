// Times one run of a program from outside:
//   bench_probe "COMMAND LINE" STEP...
// It creates the named events of the moments that the steps wait for, starts the program with
// VOLTRANE_MOMENTS naming them, runs the steps and prints one line per measuring step:
//   wait:M     milliseconds from the start (or the last click) until the program marks M
//   click:N    posts a click to the button N of the program's windows
//   sleep:MS   waits
//   peak       the program's peak working set, in KB
// Each line is flushed at once, so that a script can follow the run. (The program's CPU time
// is read by the script from the host: Wine answers 0 for another process's times.)
// Then it ends the program. Exit status 1 when a moment does not come within 60 s.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/probe/probe_steps.h"
#include "toolkit/handles.h"
#include "toolkit/moment.h"

namespace {

using probe::Step;
using probe::StepKind;

constexpr DWORD kMomentTimeoutMs = 60000;

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct ButtonSearch {
  DWORD processId;
  int item;
  HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND window, LPARAM l) {
  auto& search = *reinterpret_cast<ButtonSearch*>(l);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId) return TRUE;
  search.found = GetDlgItem(window, search.item);
  return search.found == nullptr;
}

bool Click(DWORD processId, int item) {
  ButtonSearch search{processId, item};
  EnumWindows(FindButton, reinterpret_cast<LPARAM>(&search));
  return search.found && PostMessageW(search.found, BM_CLICK, 0, 0);
}

struct Run {
  PROCESS_INFORMATION process{};
  std::map<std::wstring, tk::KernelHandle> events;
  double since = 0;
};

bool Start(Run& run, std::wstring commandLine, const std::vector<Step>& steps) {
  wchar_t prefix[64];
  std::swprintf(prefix, 64, L"VoltraneBench%lu", GetCurrentProcessId());
  for (const std::wstring& moment : probe::MomentsWaitedFor(steps)) {
    const std::wstring name = std::wstring(prefix) + L"." + moment;
    run.events[moment] = tk::KernelHandle(CreateEventW(nullptr, TRUE, FALSE, name.c_str()));
  }
  SetEnvironmentVariableW(tk::kMomentsVariable, prefix);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  run.since = NowMs();
  return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &run.process);
}

// One step; false when the run cannot go on.
bool Perform(Run& run, const Step& step, const std::wstring& word) {
  switch (step.kind) {
    case StepKind::Wait: {
      if (WaitForSingleObject(run.events[step.moment].get(), kMomentTimeoutMs) != WAIT_OBJECT_0) {
        std::wprintf(L"%ls timeout\n", word.c_str());
        return false;
      }
      std::wprintf(L"%ls %.1f\n", word.c_str(), NowMs() - run.since);
      std::fflush(stdout);
      return true;
    }
    case StepKind::Click:
      run.since = NowMs();
      if (Click(run.process.dwProcessId, step.number)) return true;
      std::wprintf(L"%ls no-such-button\n", word.c_str());
      return false;
    case StepKind::Sleep:
      Sleep(DWORD(step.number));
      return true;
    case StepKind::Peak: {
      PROCESS_MEMORY_COUNTERS counters{};
      counters.cb = sizeof counters;
      if (!GetProcessMemoryInfo(run.process.hProcess, &counters, sizeof counters)) return false;
      std::wprintf(L"%ls %.0f\n", word.c_str(), double(counters.PeakWorkingSetSize) / 1024.0);
      return true;
    }
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: bench_probe \"COMMAND LINE\" STEP...\n");
    return 2;
  }
  std::vector<Step> steps;
  for (int i = 2; i < argc; ++i) {
    const auto step = probe::ParseStep(argv[i]);
    if (!step) {
      std::fwprintf(stderr, L"bench_probe: not a step: %ls\n", argv[i]);
      return 2;
    }
    steps.push_back(*step);
  }
  Run run;
  if (!Start(run, argv[1], steps)) {
    std::fwprintf(stderr, L"bench_probe: cannot start %ls\n", argv[1]);
    return 2;
  }
  bool ok = true;
  for (size_t i = 0; ok && i < steps.size(); ++i) ok = Perform(run, steps[i], argv[i + 2]);
  std::fflush(stdout);
  TerminateProcess(run.process.hProcess, 0);
  WaitForSingleObject(run.process.hProcess, 5000);
  CloseHandle(run.process.hThread);
  CloseHandle(run.process.hProcess);
  return ok ? 0 : 1;
}
