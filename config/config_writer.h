// Writing the configuration file in the exact layout the game reads.
#pragma once

#include <string>

#include "config/setup_entry.h"

// The entry's line without its line end: "Name = 5", "Name = 0x220", "Name = \"Fire\"",
// "Name = \"Up\" \"Kpad8\"", with ";" in front when the entry is disabled. The text lives in
// one shared buffer and stays valid until the next call.
const char* FormatEntry(const KzSetupEntry& entry);

// The bytes of the whole file for the current tables: seven headers, each followed by its
// entries, every line ended by CR LF.
std::string FormatConfig();

// Run once at start: when the installation key opens and names (Main Folder, Cfg Name) a file
// that does not exist, resets the current tables to the defaults and writes them there.
// An existing file is never touched. True when a file was written.
bool CheckStartupConfig();
