#pragma once

namespace tk {
class Timer;
}

// The orderly end of the autorun program, at most once per process: the timer stops and the
// application quits with exit code 0. Later calls do nothing.
void EndAutorun(tk::Timer& timer);
// How many times the body of EndAutorun has run in this process (0 or 1).
int EndAutorunRuns();
