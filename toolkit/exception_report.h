// The exception barriers' report. No exception may cross into user32: the dialog and window
// procedures and the key hook catch everything at that boundary. What they stop is not lost
// in silence: it goes to the debugger (OutputDebugStringW), with the place and, for a standard
// exception, its text.
#pragma once

namespace tk {

// Call only inside a catch block: reports the exception being handled, stopped at `where`.
void ReportStoppedException(const wchar_t* where) noexcept;

}  // namespace tk
