#include "autorun/start_program.h"

#include "toolkit/command_line.h"
#include "toolkit/process.h"
#include "toolkit/text.h"

bool StartProgram(const std::string& path) {
  if (path.empty()) return false;
  STARTUPINFOW startup{};
  // The record closes its handles when it goes: the program runs on by itself.
  tk::Process program;
  return program.Start(tk::CommandLineForPath(tk::Widen(path)), kStartedProgramPriority, startup);
}
