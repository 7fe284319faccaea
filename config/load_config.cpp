#include <cstring>

#include "config/cp1251.h"
#include "config/install_settings.h"
#include "config/read_cfg.h"
#include "config/seams.h"
#include "config/setup_section.h"
#include "config/setup_tables.h"

namespace {

constexpr const char* kDamagedFileWarning =
    "Файл конфигурации устарел или испорчен. Будет установлена конфигурация по умолчанию.";

// Unlike a missing file, one that is there but cannot be read holds the player's settings:
// the player learns why the defaults are shown, and that saving would need the file free.
std::string UnreadableFileWarning(const std::string& name) {
  return "Не удалось прочитать файл конфигурации «" + name +
         "»: он занят другой программой или недоступен. Будет установлена конфигурация по "
         "умолчанию; сохранить её в этот файл можно будет, когда он освободится.";
}

// Where the last key line went: the section of the last header and the entry last applied
// in it. A file lists its keys in table order, so the next key is usually the next entry.
struct Cursor {
  int section = -1;
  KzSetupEntry* last = nullptr;
};

// Copies a read key line's value and texts into its entry of the loaded tables; a section or
// key the model does not know makes the file unacceptable.
void Apply(bool& acceptable, Cursor& cursor, const KzSetupEntry& read) {
  KzSetupEntry* table = cursor.section < 0 ? nullptr : LoadedTables().Table(cursor.section);
  KzSetupEntry* found = table ? FindEntryAfter(table, read.name, cursor.last) : nullptr;
  if (!found) {
    acceptable = false;
    return;
  }
  found->value = read.value;
  std::memcpy(found->text1, read.text1, sizeof found->text1);
  std::memcpy(found->text2, read.text2, sizeof found->text2);
  cursor.last = found;
}

// Reads every line into the loaded tables, which start from the defaults; an empty file or a
// key that the model does not know discards all of it with the warning.
void ReadInto(KzReadCfg& reader) {
  LoadedTables() = DefaultTables();
  if (reader.Unreadable())
    kz::InstalledSeams().complaints->Complain(kz::Complaint::kUnreadableFile,
                                              UnreadableFileWarning(CurrentCfgName()));
  if (!reader.IsOpen()) return;
  bool acceptable = true;
  bool anyLine = false;
  Cursor cursor;
  KzSetupEntry entry;
  int kind = 0;
  while (reader.ReadEntry(kind, entry)) {
    anyLine = true;
    if (kind == kLineSection) {
      cursor = {FindSection(reader.SectionName()), nullptr};
    } else if (kind == kLineKey) {
      Apply(acceptable, cursor, entry);
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
  Cursor cursor{FindSection(section ? section : ""), nullptr};
  Apply(acceptable, cursor, entry);
}
