#include "config/setup_section.h"

#include <cstring>

#include "config/ascii.h"
#include "config/cp1251.h"
#include "config/seams.h"
#include "config/setup_keys.h"
#include "config/setup_tables.h"

namespace {

KzSetupEntry* Lookup(KzTableSet& set, int section, const char* name, const char* format) {
  if (KzSetupEntry* entry = FindEntry(set.Table(section), name ? name : "")) return entry;
  std::string text = format;
  text.replace(text.find("%s"), 2, name ? name : "");
  kz::InstalledSeams().complaints->Complain(kz::Complaint::kMissingKey, kz::Cp1251ToUtf8(text));
  return nullptr;
}

bool StartsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

bool ControllerOwns(const char* controller, const char* entryName) {
  const bool joystick = StartsWith(controller, "Joystick");
  if (joystick && kz::AsciiEqualNoCase(entryName, "EnableRudder")) return true;
  if (joystick && StartsWith(entryName, "GamePad")) return true;
  return StartsWith(entryName, controller);
}

void ResetControls(const char* controller) {
  KzTableSet& current = CurrentTables();
  if (!controller) {
    current.CopySection(kControls, DefaultTables());
    return;
  }
  KzSetupEntry* entry = current.Table(kControls);
  const KzSetupEntry* fallback = DefaultTables().Table(kControls);
  for (int i = 0; i < kSections[kControls].count; ++i) {
    if (ControllerOwns(controller, fallback[i].name)) entry[i] = fallback[i];
  }
}

}  // namespace

KzSetupEntry* KzSetupSection::GetScreen_SetupEntry(const char* name) {
  return Lookup(CurrentTables(), kScreenSetup, name, "GetScreen_SetupEntry(): \"%s\" is incorrect");
}

KzSetupEntry* KzSetupSection::GetSound_SetupEntry(const char* name, bool fromDefaults) {
  return Lookup(fromDefaults ? DefaultTables() : CurrentTables(), kSoundSetup, name,
                "GetSound_SetupEntry(): \"%s\" is incorrect");
}

KzSetupEntry* KzSetupSection::GetKeyDefinitonsEntry(const char* activity) {
  return Lookup(CurrentTables(), kKeyDefinitions, activity,
                "GetKeyDefinitonsEntry(): \"%s\" is incorrect");
}

KzSetupEntry* KzSetupSection::GetControlsEntry(const char* name) {
  return Lookup(CurrentTables(), kControls, name, "GetControlsEntry(): \"%s\" is incorrect");
}

KzSetupEntry* KzSetupSection::GetKeyDefinitionsRow(int row) {
  if (row < 0 || row >= kSections[kKeyDefinitions].count) return nullptr;
  return CurrentTables().Table(kKeyDefinitions) + row;
}

bool KzSetupSection::IsKeyUsed(const char* shortName) {
  if (!shortName || !*shortName) return false;
  for (const KzSetupEntry* e = CurrentTables().Table(kKeyDefinitions); e->name[0]; ++e) {
    if (kz::AsciiEqualNoCase(e->text1, shortName) || kz::AsciiEqualNoCase(e->text2, shortName)) {
      return true;
    }
  }
  return false;
}

void KzSetupSection::SetDefaults(const char* section, const char* controller) {
  auto chosen = [section](int s) {
    return !section || kz::AsciiEqualNoCase(section, kSections[s].name);
  };
  for (int s = 0; s < kSectionCount; ++s) {
    if (!chosen(s)) continue;
    if (s == kControls) {
      ResetControls(controller);
    } else {
      CurrentTables().CopySection(s, DefaultTables());
    }
  }
}

bool KzSetupSection::IsConfigChanged() {
  const KzTableSet& current = CurrentTables();
  const KzTableSet& loaded = LoadedTables();
  for (int i = 0; i < kTableSetEntries; ++i) {
    if (!(current.entries[i] == loaded.entries[i])) return true;
  }
  return false;
}

void KzSetupSection::FillActivityList(kz::ActivityList& list) {
  list.AddItem(std::u16string(), nullptr);
  for (KzSetupEntry* e = CurrentTables().Table(kKeyDefinitions); e->name[0]; ++e) {
    list.AddItem(kz::Cp1251ToUtf16(e->caption), e);
  }
  list.SelectItem(0);
}

void KzSetupSection::FillKeyGrid(kz::KeyGridView& grid) {
  int row = 0;
  for (const KzSetupEntry* e = CurrentTables().Table(kKeyDefinitions); e->name[0]; ++e, ++row) {
    grid.SetCellText(row, 0, kz::Cp1251ToUtf16(e->caption));
    grid.SetCellText(row, 1, kz::Cp1251ToUtf16(KzSetupKeys::DisplayName(e->text1)));
    grid.SetCellText(row, 2, kz::Cp1251ToUtf16(KzSetupKeys::DisplayName(e->text2)));
  }
  grid.SetRowCount(row);
  grid.SetCurrentColumn(1);
}
