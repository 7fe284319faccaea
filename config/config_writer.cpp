#include "config/config_writer.h"

#include <cstdio>

#include "config/cfg_name.h"
#include "config/default_path.h"
#include "config/file_io.h"
#include "config/install_settings.h"
#include "config/seams.h"
#include "config/setup_section.h"
#include "config/setup_tables.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

}  // namespace

const char* FormatEntry(const KzSetupEntry& entry) {
  static char line[260];
  const char* prefix = entry.disabled ? ";" : "";
  switch (entry.type) {
    case kIntegerEntry:
      std::snprintf(line, sizeof line, "%s%.31s = %d", prefix, entry.name, int(entry.value));
      break;
    case kHexEntry:
      std::snprintf(line, sizeof line, "%s%.31s = 0x%X", prefix, entry.name,
                    unsigned(uint32_t(entry.value)));
      break;
    case kStringEntry:
      std::snprintf(line, sizeof line, "%s%.31s = \"%.31s\"", prefix, entry.name, entry.text1);
      break;
    case kStringPairEntry:
      std::snprintf(line, sizeof line, "%s%.31s = \"%.31s\" \"%.31s\"", prefix, entry.name,
                    entry.text1, entry.text2);
      break;
    default:
      std::snprintf(line, sizeof line, "%s", prefix);
      break;
  }
  return line;
}

std::string FormatConfig() {
  std::string bytes;
  bytes.reserve(4096);
  for (int s = 0; s < kSectionCount; ++s) {
    bytes.append("[").append(kSections[s].name).append("]").append(kLineEnd);
    for (const KzSetupEntry* e = CurrentTables().Table(s); e->name[0]; ++e) {
      bytes.append(FormatEntry(*e)).append(kLineEnd);
    }
  }
  return bytes;
}

bool KzSetupSection::SaveConfig(const std::string& path) {
  return kz::ReplaceFileContents(path, FormatConfig());
}

bool CheckStartupConfig() {
  if (!InstallKeyOpens()) return false;
  const std::string cfgName = ReadInstallValue(kCfgNameValue);
  const std::string mainFolder = ReadInstallValue(kMainFolderValue);
  // Without both values there is no file to speak of; an empty folder would otherwise put the
  // file in the root of the current drive. A name that is no plain file name ("..\up.cfg",
  // "NUL") would write outside the folder or to a device: no file is written, and the
  // player, who typed nothing here, is not held up by a message.
  if (!kz::IsUsableCfgName(cfgName) || mainFolder.empty()) return false;
  const std::string path = JoinPath(mainFolder, cfgName);
  if (kz::InstalledSeams().files->PathExists(path)) return false;
  KzSetupSection::SetDefaults(nullptr, nullptr);
  return KzSetupSection::SaveConfig(path);
}
