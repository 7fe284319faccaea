#pragma once

// The orderly end of the shell, at most once per process: sounds stop and the application
// quits with exit code 0. Later calls do nothing.
void Shutdown();
// How many times the body of Shutdown has run in this process (0 or 1).
int ShutdownRuns();
