// The installation settings and the process-wide current configuration name.
#pragma once

#include <string>

inline constexpr const char* kInstallKeyPath = "SOFTWARE\\Kestrelwood\\Voltrane";
inline constexpr const char* kCfgNameValue = "Cfg Name";
inline constexpr const char* kMainFolderValue = "Main Folder";

// The name (no folder) of the current configuration file, UTF-8. Empty until LoadCfgName or
// StoreCfgName fills it.
const std::string& CurrentCfgName();

// Refreshes the current name from "Cfg Name"; leaves it as it was when the key does not open.
void LoadCfgName();
// Sets the current name, then writes "Cfg Name"; without the key only the name changes.
void StoreCfgName(const std::string& name);
// A string value of the installation key; empty when the key or the value is missing.
std::string ReadInstallValue(const std::string& value);
// True when the installation key can be opened for query.
bool InstallKeyOpens();
