// The operations on the configuration model. The class has no state of its own: every call
// works on the program-wide table sets (setup_tables.h), so any instance, or none, will do.
//
// Entry results point into the current tables (or the defaults where said) and stay valid for
// the life of the program; null means the name is not in the table, after the lookup's stop
// message has been shown.
#pragma once

#include <string>

#include "config/list_views.h"
#include "config/setup_entry.h"

class KzSetupSection {
 public:
  virtual ~KzSetupSection() = default;

  static KzSetupEntry* GetScreen_SetupEntry(const char* name);
  static KzSetupEntry* GetSound_SetupEntry(const char* name, bool fromDefaults);
  static KzSetupEntry* GetKeyDefinitonsEntry(const char* activity);
  static KzSetupEntry* GetControlsEntry(const char* name);
  // The KeyDefinitions entry of a key-grid row, 0 to 41; null outside the table.
  static KzSetupEntry* GetKeyDefinitionsRow(int row);
  // True when the short key name is not empty and is one of the keys of any activity.
  static bool IsKeyUsed(const char* shortName);

  // Copies defaults into the current tables: all of them when section is null, else that
  // section; in "Controls" with a controller text only that controller's entries.
  static void SetDefaults(const char* section, const char* controller);
  // True when the current tables differ from those of the last LoadConfig.
  static bool IsConfigChanged();

  // An empty item, then one item per activity (its caption, the entry attached); selects the
  // first item.
  static void FillActivityList(kz::ActivityList& list);
  // Captions and display names of the keys of all activities; makes column 1 current.
  static void FillKeyGrid(kz::KeyGridView& grid);

  // Reads the current configuration file (the registry's "Cfg Name", next to the program or
  // in its parent folder) into the loaded and current tables. A damaged file gives the
  // warning and the defaults; a missing one the defaults alone.
  static void LoadConfig();
  // As LoadConfig, with the file given by its path (UTF-8) instead of found; false when the
  // file could not be opened (the tables then hold the defaults).
  static bool LoadConfigFile(const std::string& path);
  // Applies one read key line to the loaded tables; clears acceptable when the section or
  // the key is unknown.
  static void ApplyEntry(bool& acceptable, const char* section, const KzSetupEntry& entry);

  // Writes the current tables to the file (UTF-8 path). The old file is replaced only once
  // the new one is complete, so it is never lost half-written; false when nothing was
  // replaced (read-only file, missing folder, full disk).
  static bool SaveConfig(const std::string& path);
};
