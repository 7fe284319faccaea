// The configuration reader on arbitrary file bytes, as the Setup button runs it: LoadConfig
// finds the file named by "Cfg Name" next to the program and reads it into the tables. Then
// what the shell would save from those tables must read back without the damaged-file
// warning, and to the same values.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "config/config_writer.h"
#include "config/setup_section.h"
#include "config/setup_tables.h"
#include "fuzz_support.h"

namespace {

struct Installed {
  fuzz::ScratchFolder folder;
  fuzz::RealFiles files;
  fuzz::CountedComplaints complaints;
  fuzz::FixedInstallKey installKey;
  Installed() {
    files.programDir = folder.Path() + "/";
    installKey.cfgName = "voltra.cfg";
    kz::InstalledSeams() = {&files, &complaints, &installKey, nullptr};
  }
};

bool Terminated(const char (&field)[32]) { return std::memchr(field, 0, sizeof field) != nullptr; }

// Only the model's own values come from the file: names, captions, types and flags never.
void CheckShape(const KzTableSet& tables) {
  const KzTableSet& defaults = DefaultTables();
  for (int i = 0; i < kTableSetEntries; ++i) {
    const KzSetupEntry& e = tables.entries[i];
    const KzSetupEntry& d = defaults.entries[i];
    fuzz::Require(std::strcmp(e.name, d.name) == 0 && std::strcmp(e.caption, d.caption) == 0 &&
                      e.type == d.type && e.disabled == d.disabled,
                  "the file changes no name, caption, type or flag");
    fuzz::Require(Terminated(e.text1) && Terminated(e.text2), "texts end within their field");
  }
}

// The analog scales (Mouse and Joystick, 0 to 3), which an inverted axis makes negative.
bool IsScale(const char* name) { return std::strstr(name, "AnalogScale") != nullptr; }

// What the file says of an entry: its value for a number, its text(s) for a string entry.
// A negative integer is written with a sign, which reads back as 0 except for a scale; a
// disabled entry is written commented out and so reads back as its default.
void CheckReadBack(const KzSetupEntry& saved, const KzSetupEntry& read, const KzSetupEntry& def) {
  if (saved.disabled) {
    fuzz::Require(read.value == def.value && std::strcmp(read.text1, def.text1) == 0,
                  "a disabled entry reads back as its default");
    return;
  }
  switch (saved.type) {
    case kIntegerEntry:
      fuzz::Require(read.value == (saved.value < 0 && !IsScale(saved.name) ? 0 : saved.value),
                    "integer read back");
      break;
    case kHexEntry:
      fuzz::Require(read.value == saved.value, "hexadecimal number read back");
      break;
    case kStringPairEntry:
      fuzz::Require(std::strcmp(read.text2, saved.text2) == 0, "second key read back");
      [[fallthrough]];
    case kStringEntry:
      fuzz::Require(std::strcmp(read.text1, saved.text1) == 0, "string read back");
      break;
    default:
      break;
  }
}

// Reading back the whole saved file costs more than reading most inputs; one input in eight,
// chosen by its bytes so that a finding replays, is read back.
bool ChosenForReadBack(const uint8_t* data, size_t size) {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  return (hash & 7) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Installed installed;
  installed.complaints.damaged = installed.complaints.other = 0;
  const std::string path = installed.folder.File("voltra.cfg");
  fuzz::WriteWhole(path, std::string_view(reinterpret_cast<const char*>(data), size));

  KzSetupSection::LoadConfig();
  const int warnings = installed.complaints.damaged;
  fuzz::Require(installed.complaints.other == 0, "no other message while reading");
  if (size == 0) fuzz::Require(warnings == 1, "an empty file is damaged");
  fuzz::Require(warnings <= 1, "at most one warning");
  const KzTableSet read = CurrentTables();
  fuzz::Require(std::memcmp(&read, &LoadedTables(), sizeof read) == 0, "current equals loaded");
  if (warnings)
    fuzz::Require(std::memcmp(&read, &DefaultTables(), sizeof read) == 0, "damaged: defaults");
  CheckShape(read);

  // Most inputs end in the defaults, whose read-back is the same every time: checked once.
  static bool defaultsReadBack = false;
  if (std::memcmp(&read, &DefaultTables(), sizeof read) == 0) {
    if (defaultsReadBack) return 0;
    defaultsReadBack = true;
  } else if (!ChosenForReadBack(data, size)) {
    return 0;
  }
  const std::string saved = FormatConfig();
  fuzz::WriteWhole(path, saved);
  KzSetupSection::LoadConfig();
  fuzz::Require(installed.complaints.damaged == warnings, "a saved file reads without warning");
  for (int i = 0; i < kTableSetEntries; ++i)
    CheckReadBack(read.entries[i], CurrentTables().entries[i], DefaultTables().entries[i]);
  return 0;
}
