#include <cstring>

#include "cp1251.h"
#include "install_settings.h"
#include "read_cfg.h"
#include "seams.h"
#include "setup_section.h"
#include "setup_tables.h"

namespace {

constexpr const char* kDamagedFileWarning =
    "Файл конфигурации устарел или испорчен. Будет установлена конфигурация по умолчанию.";

// Reads every line into the loaded tables, which start from the defaults; an empty file or a
// key that the model does not know discards all of it with the warning.
void ReadInto(KzReadCfg& reader) {
  LoadedTables() = DefaultTables();
  if (!reader.IsOpen()) return;
  bool acceptable = true;
  bool anyLine = false;
  char section[kLinePieceLimit + 1] = {};
  KzSetupEntry entry;
  int kind = 0;
  while (reader.ReadEntry(kind, entry)) {
    anyLine = true;
    if (kind == kLineSection) {
      const size_t length = strnlen(reader.SectionName(), kLinePieceLimit);
      std::memcpy(section, reader.SectionName(), length);
      section[length] = 0;
    } else if (kind == kLineKey) {
      KzSetupSection::ApplyEntry(acceptable, section, entry);
    }
  }
  if (!anyLine || !acceptable) {
    kz::InstalledSeams().complaints->Complain(kz::Complaint::kDamagedFile, kDamagedFileWarning);
    LoadedTables() = DefaultTables();
  }
}

void Load(KzReadCfg& reader) {
  ReadInto(reader);
  CurrentTables() = LoadedTables();
}

}  // namespace

void KzSetupSection::LoadConfig() {
  LoadCfgName();
  KzReadCfg reader;
  Load(reader);
}

bool KzSetupSection::LoadConfigFile(const std::string& path) {
  KzReadCfg reader(path);
  Load(reader);
  return reader.IsOpen();
}

void KzSetupSection::ApplyEntry(bool& acceptable, const char* section, const KzSetupEntry& entry) {
  const int s = FindSection(section ? section : "");
  KzSetupEntry* found = s < 0 ? nullptr : FindEntry(LoadedTables().Table(s), entry.name);
  if (!found) {
    acceptable = false;
    return;
  }
  found->value = entry.value;
  std::memcpy(found->text1, entry.text1, sizeof found->text1);
  std::memcpy(found->text2, entry.text2, sizeof found->text2);
}
