// Named moments of a program's life (its first paint, the button bar shown, the setup dialog
// idle) that a timing harness outside the process can wait for.
//
// Off unless the environment variable VOLTRANE_MOMENTS gives a prefix: a moment then sets the
// named event "<prefix>.<moment>", if the harness created it. Off, a moment costs the test of
// one flag; nothing is read, opened or allocated.
#pragma once

namespace tk {

inline constexpr const wchar_t* kMomentsVariable = L"VOLTRANE_MOMENTS";

void MarkMoment(const wchar_t* moment);

}  // namespace tk
