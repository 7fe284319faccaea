#include "config/setup_keys.h"

#include "config/ascii.h"
#include "config/cp1251.h"
#include "config/seams.h"

namespace {

struct NamedKey {
  const char* shortName;
  const char* displayUtf8;
};

constexpr NamedKey kDisplayTable[] = {
    {"RShift", "Правый Shift"},
    {"LShift", "Левый Shift"},
    {"RAlt", "Правый Alt"},
    {"LAlt", "Левый Alt"},
    {"RCtrl", "Правый Ctrl"},
    {"LCtrl", "Левый Ctrl"},
    {"KpdEnt", "Enter (справа)"},
    {"Enter", "Enter"},
    {"Tab", "Tab"},
    {"PgUp", "Page Up"},
    {"PgDn", "Page Down"},
    {"Home", "Home"},
    {"End", "End"},
    {"Insert", "Insert"},
    {"Delete", "Delete"},
    {"Left", "Стрелка влево"},
    {"Right", "Стрелка вправо"},
    {"Up", "Стрелка вверх"},
    {"Down", "Стрелка вниз"},
    {"Kpad0", "0 (справа)"},
    {"Kpad1", "1 (справа)"},
    {"Kpad2", "2 (справа)"},
    {"Kpad3", "3 (справа)"},
    {"Kpad4", "4 (справа)"},
    {"Kpad5", "5 (справа)"},
    {"Kpad6", "6 (справа)"},
    {"Kpad7", "7 (справа)"},
    {"Kpad8", "8 (справа)"},
    {"Kpad9", "9 (справа)"},
    {"Space", "Пробел"},
    {"BakSpc", "Backspace"},
    {"CapLck", "Caps Lock"},
    {"ScrLck", "Scroll Lock"},
    {"Kpad.", "Точка (справа)"},
    {"Kpad+", "+ (справа)"},
    {"Kpad-", "- (справа)"},
    {"n/a", "Неиспользуемая"},
};

constexpr const char* kNoKeyUtf8 = "Никакой";
constexpr const char* kWrongKeyUtf8 = "Неправильная";

// The punctuation keys, in the order in which the layout is asked about them.
constexpr char kPunctuation[] = {'`', '-', '=', '[', ']', ';', '\'', ',', '.'};

struct CodedKey {
  int code;
  const char* shortName;
};

constexpr CodedKey kCodedKeys[] = {
    {0x08, "BakSpc"}, {0x09, "Tab"},   {0x14, "CapLck"}, {0x20, "Space"},  {0x21, "PgUp"},
    {0x22, "PgDn"},   {0x23, "End"},   {0x24, "Home"},   {0x25, "Left"},   {0x26, "Up"},
    {0x27, "Right"},  {0x28, "Down"},  {0x2D, "Insert"}, {0x2E, "Delete"}, {0x6B, "Kpad+"},
    {0x6D, "Kpad-"},  {0x6E, "Kpad."}, {0x78, ""},       {0x91, "ScrLck"},
};

constexpr int kVkNumpad0 = 0x60;
constexpr int kVkNumpad9 = 0x69;

KzKeyPair Named(std::string shortName, bool applicable = true) {
  KzKeyPair pair;
  pair.displayName = KzSetupKeys::DisplayName(shortName);
  pair.shortName = std::move(shortName);
  pair.applicable = applicable;
  return pair;
}

KzKeyPair OneCharacter(char c) { return {std::string(1, c), std::string(1, c), true}; }

bool LayoutTypes(char c, int virtualKey) {
  const kz::KeyboardLayout* layout = kz::InstalledSeams().keyboard;
  if (!layout) return false;
  const int16_t scan = layout->KeyScan(static_cast<unsigned char>(c));
  return scan != -1 && (scan & 0xFF) == virtualKey;
}

// Short names that depend on the key data rather than on the code alone.
const char* SidedName(int virtualKey, uint32_t keyData) {
  const bool extended = (keyData >> 24) & 1;
  const unsigned scanCode = (keyData >> 16) & 0xFF;
  switch (virtualKey) {
    case 0x10:
      return scanCode >= 0x36 ? "RShift" : "LShift";
    case 0x0D:
      return extended ? "KpdEnt" : "Enter";
    case 0x11:
      return extended ? "RCtrl" : "LCtrl";
    case 0x12:
      return extended ? "RAlt" : "LAlt";
    default:
      return nullptr;
  }
}

}  // namespace

KzKeyPair KzSetupKeys::KeyFromKeystroke(int virtualKey, uint32_t keyData) {
  if ((virtualKey >= 0x30 && virtualKey <= 0x39) || (virtualKey >= 0x41 && virtualKey <= 0x5A)) {
    return OneCharacter(char(virtualKey));
  }
  if (virtualKey == 0x10) return Named(SidedName(virtualKey, keyData));
  for (char c : kPunctuation) {
    if (LayoutTypes(c, virtualKey)) return OneCharacter(c);
  }
  if (const char* sided = SidedName(virtualKey, keyData)) return Named(sided);
  if (virtualKey >= kVkNumpad0 && virtualKey <= kVkNumpad9) {
    return Named("Kpad" + std::string(1, char('0' + virtualKey - kVkNumpad0)));
  }
  for (const CodedKey& key : kCodedKeys) {
    if (key.code == virtualKey) return Named(key.shortName);
  }
  return Named("n/a", false);
}

std::string KzSetupKeys::DisplayName(std::string_view shortName) {
  if (shortName.empty()) return kz::Utf8ToCp1251(kNoKeyUtf8);
  if (shortName.size() == 1) return std::string(shortName);
  for (const NamedKey& key : kDisplayTable) {
    if (kz::AsciiEqualNoCase(shortName, key.shortName)) return kz::Utf8ToCp1251(key.displayUtf8);
  }
  return kz::Utf8ToCp1251(kWrongKeyUtf8);
}
