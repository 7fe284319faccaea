// One key of the game's configuration file, as the model keeps it.
#pragma once

#include <cstdint>
#include <string_view>

// Entry types. The type of an entry is fixed by its table; reading a file never changes it.
inline constexpr int32_t kIntegerEntry = 1;     // "%s = %d"
inline constexpr int32_t kHexEntry = 2;         // "%s = 0x%X"
inline constexpr int32_t kStringEntry = 3;      // "%s = \"%s\""
inline constexpr int32_t kStringPairEntry = 4;  // "%s = \"%s\" \"%s\""

// Every text holds at most this many characters before its terminating zero.
inline constexpr int kTextLimit = 31;

struct KzSetupEntry {
  char name[32];     // the key as written in the file; empty marks the end of a table
  char caption[32];  // code page 1251; Screen Setup and KeyDefinitions entries only
  int32_t type;
  int32_t value;   // types 1 and 2; 0 otherwise
  char text1[32];  // the string of type 3, the first key name of type 4
  char text2[32];  // the second key name of type 4
  bool disabled;   // written commented out
};

// Stores at most kTextLimit bytes of text and clears the rest of the field, so that two
// fields with the same text are equal byte for byte.
void SetEntryText(char (&field)[32], std::string_view text);

bool operator==(const KzSetupEntry& a, const KzSetupEntry& b);
