#include "config/install_settings.h"

#include "config/seams.h"

namespace {

std::string& CfgName() {
  static std::string name;
  return name;
}

kz::InstallKey& Key() { return *kz::InstalledSeams().installKey; }

}  // namespace

const std::string& CurrentCfgName() { return CfgName(); }

void LoadCfgName() {
  if (auto name = Key().Read(kCfgNameValue, true)) CfgName() = *name;
}

void StoreCfgName(const std::string& name) {
  CfgName() = name;
  Key().Write(kCfgNameValue, name);
}

std::string ReadInstallValue(const std::string& value) {
  return Key().Read(value, false).value_or(std::string());
}

bool InstallKeyOpens() { return Key().Read(kCfgNameValue, false).has_value(); }
