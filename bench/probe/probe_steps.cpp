#include "bench/probe/probe_steps.h"

#include <algorithm>
#include <cwchar>

namespace probe {
namespace {

// A whole decimal number of at most nine digits: no sign, no blanks, nothing after it.
std::optional<int> Number(const std::wstring& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

}  // namespace

std::optional<Step> ParseStep(const std::wstring& word) {
  const size_t colon = word.find(L':');
  const std::wstring verb = word.substr(0, colon);
  const std::wstring rest = colon == std::wstring::npos ? L"" : word.substr(colon + 1);
  if (verb == L"peak" && colon == std::wstring::npos) return Step{StepKind::Peak, L"", 0};
  if (verb == L"wait" && !rest.empty()) return Step{StepKind::Wait, rest, 0};
  if (verb != L"click" && verb != L"sleep") return std::nullopt;
  const StepKind kind = verb == L"click" ? StepKind::Click : StepKind::Sleep;
  const std::optional<int> number = Number(rest);
  if (!number) return std::nullopt;
  return Step{kind, L"", *number};
}

std::vector<std::wstring> MomentsWaitedFor(const std::vector<Step>& steps) {
  std::vector<std::wstring> moments;
  for (const Step& step : steps) {
    if (step.kind != StepKind::Wait) continue;
    if (std::find(moments.begin(), moments.end(), step.moment) == moments.end())
      moments.push_back(step.moment);
  }
  return moments;
}

}  // namespace probe
