// The words of "voltcfg check": what the shell's reader makes of each line of a file.
#pragma once

#include <string>

// Reports, line by line, each key line that makes the shell discard the file, each line the
// reader skips without a word and each value that is read as something else than written;
// then the verdict. The file must open; the verdict is the caller's (the shell's reader
// decides it).
std::string CheckReport(const std::string& fileName, bool discarded);
