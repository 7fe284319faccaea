// The names of keyboard keys in the KeyDefinitions section: the short names stored in the file
// ("LCtrl", "Kpad8", "Q") and the Russian names the key grid shows ("Левый Ctrl").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A key as the keyboard tab stores and shows it. Both texts are code page 1251.
struct KzKeyPair {
  std::string shortName;    // empty: no key
  std::string displayName;  // as DisplayName(shortName)
  bool applicable = true;   // false: the key cannot be assigned ("n/a")
};

class KzSetupKeys {
 public:
  // virtualKey is a Windows virtual-key code; keyData the lParam of the key message (bits 16
  // to 23 the scan code, bit 24 the extended-key flag). The layout's key for punctuation
  // comes from the keyboard seam.
  static KzKeyPair KeyFromKeystroke(int virtualKey, uint32_t keyData);
  // "Никакой" for the empty name, the character itself for a one-character name, the table's
  // text for a known name (ASCII case-insensitive), "Неправильная" for anything else.
  static std::string DisplayName(std::string_view shortName);
};
