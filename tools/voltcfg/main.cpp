// voltcfg: what the shell makes of a configuration file edited by hand.
//
//   voltcfg defaults         the default file, as the shell writes it
//   voltcfg normalize FILE   the file as the shell would save it after loading FILE
//   voltcfg check FILE       the same verdict in words, line by line
//   voltcfg detect [--autoexec FILE] [--detlog FILE] [--aux NAME] [--midi NAME]
//                            what the shell's sound-card detection finds on those inputs,
//                            and the Sound Setup defaults it makes of it
//   voltcfg --help           the commands and exit status, for the player
//
// normalize takes the detection's options too: a card found on them changes the defaults
// that the file's missing keys take.
//
// Exit status: 0 the shell loads the file without a message; 1 it shows the damaged-file
// warning and uses the defaults; 2 a file named in the arguments cannot be read (missing,
// unreadable, or no regular file: a folder, a device, a pipe) or the arguments are wrong.
// detect exits with 0, or 2 for the same reasons.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#include <sys/stat.h>

#include "check_report.h"
#include "detect_command.h"
#include "config/config_writer.h"
#include "config/file_io.h"
#include "config/seams.h"
#include "config/setup_section.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kLoadsSilently = 0;
constexpr int kWarns = 1;
constexpr int kCannotRun = 2;

// The tool has no installation and no program folder of its own: files are named directly.
struct PlainFiles : kz::FileSystem {
  std::string ProgramDir() const override { return {}; }
  bool PathExists(const std::string& path) const override {
    std::FILE* file = kz::OpenForReading(path);
    if (file) std::fclose(file);
    return file != nullptr;
  }
};

struct RecordedComplaints : kz::ComplaintSink {
  bool damagedFile = false;
  void Complain(kz::Complaint kind, const std::string& text) override {
    if (kind == kz::Complaint::kDamagedFile) {
      damagedFile = true;
    } else {
      std::fprintf(stderr, "voltcfg: %s\n", text.c_str());
    }
  }
};

struct NoInstallKey : kz::InstallKey {
  std::optional<std::string> Read(const std::string&, bool) const override { return std::nullopt; }
  bool Write(const std::string&, const std::string&) override { return false; }
};

PlainFiles files;
RecordedComplaints complaints;
NoInstallKey installKey;

constexpr const char* kUsage =
    "usage: voltcfg defaults | voltcfg normalize FILE [DETECTION] | voltcfg check FILE |\n"
    "       voltcfg detect [DETECTION] | voltcfg --help\n"
    "DETECTION: [--autoexec FILE] [--detlog FILE] [--aux NAME] [--midi NAME]\n"
    "every FILE must be a regular file that can be read\n";

// What a player who edits the file by hand reads first: each command and the exit status.
constexpr const char* kHelp =
    "voltcfg: what the Voltrane shell makes of a configuration file edited by hand.\n"
    "\n"
    "  voltcfg defaults         the default file, byte for byte as the shell writes it\n"
    "  voltcfg normalize FILE   FILE as the shell would save it after loading it\n"
    "  voltcfg check FILE       what the shell would make of FILE, line by line\n"
    "  voltcfg detect           what the shell's sound-card detection finds, and the\n"
    "                           [Sound Setup] section it makes of it\n"
    "  voltcfg --help           this text\n"
    "\n"
    "detect and normalize take the detection's inputs (absent ones count as missing):\n"
    "  --autoexec FILE  --detlog FILE  --aux NAME  --midi NAME\n"
    "\n"
    "Exit status: 0 the shell loads the file without a message; 1 it warns and uses the\n"
    "defaults; 2 a FILE cannot be read (missing, or a folder, a device or a pipe rather\n"
    "than a regular file), or wrong arguments. detect exits with 0 or 2.\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return kCannotRun;
}

void WriteOut(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

// Every file named in the arguments is looked at before anything runs: a folder, a device or
// a pipe would be read as an empty file, or without end; a missing one is a mistyped name.
bool CanRead(const std::string& path) {
  kz::ReadFailure failure = kz::ReadFailure::kNone;
  std::FILE* file = kz::OpenForReading(path, &failure);
  if (file) {
    std::fclose(file);
    return true;
  }
  if (failure == kz::ReadFailure::kNotRegularFile)
    std::fprintf(stderr, "voltcfg: \"%s\" is not a regular file\n", path.c_str());
  else
    std::fprintf(stderr, "voltcfg: cannot open \"%s\"\n", path.c_str());
  return false;
}

bool CanReadAll(const std::vector<std::optional<std::string>>& paths) {
  for (const std::optional<std::string>& path : paths)
    if (path && !CanRead(*path)) return false;
  return true;
}

// Loads the file as the shell loads its configuration file; false when it cannot be opened.
bool Load(const std::string& path) {
  if (KzSetupSection::LoadConfigFile(path)) return true;
  std::fprintf(stderr, "voltcfg: cannot open \"%s\"\n", path.c_str());
  return false;
}

// detect and normalize: the detection's options may stand anywhere after the command.
int RunWithDetection(const std::string& command, int argc, char** argv) {
  DetectionInputs inputs;
  std::vector<std::string> rest;
  if (!TakeDetectionOptions(argc, argv, inputs, rest)) return Usage();
  const bool detect = command == "detect";
  if (rest.size() != (detect ? 0u : 1u)) return Usage();
  if (!CanReadAll({detect ? std::nullopt : std::optional(rest[0]), inputs.autoexec, inputs.detlog}))
    return kCannotRun;
  KzBlasterRecord record;
  const bool found = DetectInto(inputs, record);
  if (detect) {
    WriteOut(DetectionReport(found, record));
    return kLoadsSilently;
  }
  if (!Load(rest[0])) return kCannotRun;
  WriteOut(FormatConfig());
  return complaints.damagedFile ? kWarns : kLoadsSilently;
}

int Run(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "defaults") == 0) {
    KzSetupSection::SetDefaults(nullptr, nullptr);
    WriteOut(FormatConfig());
    return kLoadsSilently;
  }
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "--help" && argc == 2) {
    std::fputs(kHelp, stdout);
    return kLoadsSilently;
  }
  if (command == "detect" || command == "normalize")
    return RunWithDetection(command, argc - 2, argv + 2);
  if (command != "check" || argc != 3) return Usage();
  const std::string path = argv[2];
  if (!CanRead(path) || !Load(path)) return kCannotRun;
  WriteOut(CheckReport(path, complaints.damagedFile));
  return complaints.damagedFile ? kWarns : kLoadsSilently;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  kz::InstalledSeams() = {&files, &complaints, &installKey, nullptr};
  return Run(argc, argv);
}
