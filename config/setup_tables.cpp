#include "config/setup_tables.h"

#include <algorithm>
#include <cstring>

#include "config/ascii.h"

void SetEntryText(char (&field)[32], std::string_view text) {
  const size_t length = std::min<size_t>(text.size(), kTextLimit);
  std::memset(field, 0, sizeof field);
  std::memcpy(field, text.data(), length);
}

namespace {

bool SameText(const char (&a)[32], const char (&b)[32]) {
  return std::strncmp(a, b, sizeof a) == 0;
}

}  // namespace

bool operator==(const KzSetupEntry& a, const KzSetupEntry& b) {
  return SameText(a.name, b.name) && SameText(a.caption, b.caption) && a.type == b.type &&
         a.value == b.value && SameText(a.text1, b.text1) && SameText(a.text2, b.text2) &&
         a.disabled == b.disabled;
}

void KzTableSet::CopySection(int section, const KzTableSet& from) {
  const KzSectionInfo& info = kSections[section];
  std::copy_n(from.entries + info.first, info.count + 1, entries + info.first);
}

int FindSection(std::string_view name) {
  for (int s = 0; s < kSectionCount; ++s) {
    if (kz::AsciiEqualNoCase(kSections[s].name, name)) return s;
  }
  return -1;
}

KzSetupEntry* FindEntry(KzSetupEntry* table, std::string_view name) {
  for (KzSetupEntry* entry = table; entry->name[0]; ++entry) {
    if (kz::AsciiEqualNoCase(entry->name, name)) return entry;
  }
  return nullptr;
}

KzSetupEntry* FindEntryAfter(KzSetupEntry* table, std::string_view name,
                             const KzSetupEntry* previous) {
  if (!previous || !previous->name[0]) return FindEntry(table, name);
  for (KzSetupEntry* entry = const_cast<KzSetupEntry*>(previous) + 1; entry->name[0]; ++entry) {
    if (kz::AsciiEqualNoCase(entry->name, name)) return entry;
  }
  for (KzSetupEntry* entry = table; entry <= previous; ++entry) {
    if (kz::AsciiEqualNoCase(entry->name, name)) return entry;
  }
  return nullptr;
}

// Zero-initialised static storage: all fields zero until the first load or reset.
KzTableSet& CurrentTables() {
  static KzTableSet current{};
  return current;
}

KzTableSet& LoadedTables() {
  static KzTableSet loaded{};
  return loaded;
}
