// The steps of one timed run of a program, as the harness writes them on the probe's command
// line: "wait:first-paint", "click:103", "sleep:3000", "peak".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace probe {

enum class StepKind { Wait, Click, Sleep, Peak };

struct Step {
  StepKind kind;
  std::wstring moment;  // Wait: the moment's name
  int number = 0;       // Click: the item number; Sleep: milliseconds
};

// The step a word names; none when the word is not a step or its number is not a number.
std::optional<Step> ParseStep(const std::wstring& word);

// The moments the steps wait for, each once, in their order.
std::vector<std::wstring> MomentsWaitedFor(const std::vector<Step>& steps);

}  // namespace probe
