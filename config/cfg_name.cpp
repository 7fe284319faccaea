#include "config/cfg_name.h"

#include <cstring>

#include "config/ascii.h"

namespace kz {
namespace {

// A byte that starts a character (any byte but a UTF-8 continuation byte).
bool StartsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

size_t CharacterCount(const std::string& name) {
  size_t count = 0;
  for (unsigned char byte : name) count += StartsCharacter(byte) ? 1 : 0;
  return count;
}

bool IsForbiddenByte(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || std::strchr("\\/:*?\"<>|", byte) != nullptr;
}

// The part before the first dot, without the blanks Windows ignores before it: "nul .cfg"
// opens the device as "nul.cfg" does.
std::string Stem(const std::string& name) {
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  return stem;
}

bool IsDeviceName(const std::string& stem) {
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const char* device : kDevices)
    if (AsciiEqualNoCase(stem, device)) return true;
  if (stem.size() != 4 || stem[3] < '1' || stem[3] > '9') return false;
  const std::string prefix = stem.substr(0, 3);
  return AsciiEqualNoCase(prefix, "COM") || AsciiEqualNoCase(prefix, "LPT");
}

}  // namespace

bool IsUsableCfgName(const std::string& name) {
  if (name.empty() || CharacterCount(name) > kCfgNameMaxLength) return false;
  for (unsigned char byte : name)
    if (IsForbiddenByte(byte)) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  return !IsDeviceName(Stem(name));
}

}  // namespace kz
