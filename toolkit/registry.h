// A registry key, opened only: the programs never create keys.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/handles.h"

namespace tk {

class RegistryKey {
 public:
  static RegistryKey Open(HKEY root, const std::wstring& path, REGSAM access);

  explicit operator bool() const { return bool(key_); }
  // The value's data read as a string, whatever its type; std::nullopt when it is missing.
  std::optional<std::wstring> ReadString(const std::wstring& name) const;
  bool WriteString(const std::wstring& name, const std::wstring& data);
  void Flush();

 private:
  KeyHandle key_;
};

}  // namespace tk
