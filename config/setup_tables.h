// The seven section tables of the configuration model, in their three program-wide sets.
//
// Each set is one array: every section's entries followed by a terminator entry (all fields
// zero), sections in the file's order. The sets are plain data; copying a set copies all of it.
#pragma once

#include <string_view>

#include "config/setup_entry.h"

struct KzSectionInfo {
  const char* name;
  int first;  // index of the section's first entry in KzTableSet::entries
  int count;  // entries before the terminator
};

inline constexpr int kSectionCount = 7;
inline constexpr KzSectionInfo kSections[kSectionCount] = {
    {"Setup", 0, 0},         {"Screen Setup", 1, 11},
    {"Sound Setup", 13, 19}, {"KeyDefinitions", 33, 42},
    {"Controls", 76, 55},    {"Comm Setup", 132, 1},
    {"Misc", 134, 3},
};
inline constexpr int kTableSetEntries = 138;  // 131 entries and 7 terminators

enum KzSectionIndex {
  kSetup,
  kScreenSetup,
  kSoundSetup,
  kKeyDefinitions,
  kControls,
  kCommSetup,
  kMisc
};

struct KzTableSet {
  KzSetupEntry entries[kTableSetEntries];

  KzSetupEntry* Table(int section) { return entries + kSections[section].first; }
  const KzSetupEntry* Table(int section) const { return entries + kSections[section].first; }
  // Copies one section's entries and terminator from another set.
  void CopySection(int section, const KzTableSet& from);
};

// The section whose name equals the text (ASCII case-insensitive), or -1.
int FindSection(std::string_view name);
// The entry of the table whose name equals the text (ASCII case-insensitive), or null.
KzSetupEntry* FindEntry(KzSetupEntry* table, std::string_view name);
// As FindEntry, searching from the entry after previous (an entry of the same table, or null
// for the first) to the end and then from the start.
KzSetupEntry* FindEntryAfter(KzSetupEntry* table, std::string_view name,
                             const KzSetupEntry* previous);

// The three sets. The defaults hold the built-in values until the sound-card detection changes
// them; the current and loaded sets are all zero until the first load or full reset.
KzTableSet& DefaultTables();
KzTableSet& CurrentTables();
KzTableSet& LoadedTables();
