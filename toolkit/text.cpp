#include "toolkit/text.h"

#include "config/cp1251.h"

namespace tk {

// wchar_t is a UTF-16 code unit on Windows: the portable codec does the work.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Widen(std::string_view utf8) {
  std::u16string wide = kz::Utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view utf16) {
  return kz::Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()));
}

std::wstring FromCp1251(std::string_view cp1251) {
  const std::u16string wide = kz::Cp1251ToUtf16(cp1251);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace tk
