// UTF-8 and UTF-16 conversions for the Win32 boundary, done by the configuration library's
// own codec. Code page 1251 texts of the model go through that codec too; the system's code
// page never decides anything.
#pragma once

#include <string>
#include <string_view>

namespace tk {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// A code page 1251 text of the configuration model, for display.
std::wstring FromCp1251(std::string_view cp1251);

}  // namespace tk
