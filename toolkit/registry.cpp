#include "toolkit/registry.h"

#include <vector>

namespace tk {

RegistryKey RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access) {
  RegistryKey result;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, access, &key) == ERROR_SUCCESS)
    result.key_ = KeyHandle(key);
  return result;
}

std::optional<std::wstring> RegistryKey::ReadString(const std::wstring& name) const {
  if (!key_) return std::nullopt;
  DWORD bytes = 0;
  if (RegQueryValueExW(key_.get(), name.c_str(), nullptr, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key_.get(), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring text(data.data(), bytes / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

bool RegistryKey::WriteString(const std::wstring& name, const std::wstring& data) {
  if (!key_) return false;
  const DWORD bytes = DWORD((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

void RegistryKey::Flush() {
  if (key_) RegFlushKey(key_.get());
}

}  // namespace tk
