// Code page 1251 to and from UTF-8 and UTF-16, by our own table, so that the texts of the
// configuration model never depend on the system's code page.
#pragma once

#include <string>
#include <string_view>

namespace kz {

// A character that code page 1251 cannot hold becomes this byte.
inline constexpr char kCp1251Replacement = '?';

// UTF-16 code unit of one code page 1251 byte. The one byte without a character (0x98) maps
// to U+0098, so that every byte survives a round trip.
char16_t Cp1251ToUnicode(unsigned char byte);
// The code page 1251 byte of a code point; kCp1251Replacement when there is none.
char UnicodeToCp1251(char32_t codePoint);

std::u16string Cp1251ToUtf16(std::string_view cp1251);
std::string Cp1251ToUtf8(std::string_view cp1251);
// Malformed UTF-8 and unpaired surrogates become kCp1251Replacement.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Utf16ToCp1251(std::u16string_view utf16);

// UTF-8 and UTF-16 of any Unicode text (file names); malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace kz
