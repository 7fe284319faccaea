#include "config/setup_keys.h"

#include <gtest/gtest.h>

#include "config/cp1251.h"
#include "fake_seams.h"

namespace {

constexpr uint32_t kExtended = 1u << 24;
uint32_t Scan(unsigned code) { return code << 16; }

class SetupKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The US layout's keys for the punctuation characters.
    seams.keyboard.keys = {{'`', 0xC0}, {'-', 0xBD},  {'=', 0xBB}, {'[', 0xDB}, {']', 0xDD},
                           {';', 0xBA}, {'\'', 0xDE}, {',', 0xBC}, {'.', 0xBE}};
  }
  static std::string Utf8(const std::string& cp1251) { return kz::Cp1251ToUtf8(cp1251); }
  static void ExpectKey(int vk, uint32_t data, const char* shortName, const char* displayUtf8,
                        bool applicable = true) {
    KzKeyPair pair = KzSetupKeys::KeyFromKeystroke(vk, data);
    EXPECT_EQ(pair.shortName, shortName) << "vk " << vk;
    EXPECT_EQ(Utf8(pair.displayName), displayUtf8) << "vk " << vk;
    EXPECT_EQ(pair.applicable, applicable) << "vk " << vk;
  }
  ScopedFakeSeams seams;
};

TEST_F(SetupKeysTest, DigitsAndLettersNameThemselves) {
  for (const char* key : {"7", "Q", "0", "Z"}) ExpectKey(key[0], 0, key, key);
}

TEST_F(SetupKeysTest, SidesComeFromScanCodeAndExtendedFlag) {
  ExpectKey(0x10, Scan(0x36), "RShift", "Правый Shift");
  ExpectKey(0x10, Scan(0x2A), "LShift", "Левый Shift");
  ExpectKey(0x0D, Scan(0x1C) | kExtended, "KpdEnt", "Enter (справа)");
  ExpectKey(0x0D, Scan(0x1C), "Enter", "Enter");
  ExpectKey(0x11, kExtended, "RCtrl", "Правый Ctrl");
  ExpectKey(0x11, 0, "LCtrl", "Левый Ctrl");
  ExpectKey(0x12, kExtended, "RAlt", "Правый Alt");
  ExpectKey(0x12, 0, "LAlt", "Левый Alt");
}

TEST_F(SetupKeysTest, NamedAndKeypadKeys) {
  ExpectKey(0x08, 0, "BakSpc", "Backspace");
  ExpectKey(0x14, 0, "CapLck", "Caps Lock");
  ExpectKey(0x20, 0, "Space", "Пробел");
  ExpectKey(0x25, 0, "Left", "Стрелка влево");
  ExpectKey(0x2E, 0, "Delete", "Delete");
  ExpectKey(0x60, 0, "Kpad0", "0 (справа)");
  ExpectKey(0x69, 0, "Kpad9", "9 (справа)");
  ExpectKey(0x6B, 0, "Kpad+", "+ (справа)");
  ExpectKey(0x6E, 0, "Kpad.", "Точка (справа)");
  ExpectKey(0x91, 0, "ScrLck", "Scroll Lock");
}

TEST_F(SetupKeysTest, F9ClearsTheKeyAndOtherKeysAreRefused) {
  ExpectKey(0x78, 0, "", "Никакой");
  // F1 to F8, F10 to F12, Pause, Num Lock, keypad * and /, and "/" and "\" on the US layout.
  for (int vk : {0x70, 0x71, 0x77, 0x79, 0x7B, 0x13, 0x90, 0x6A, 0x6F, 0xBF, 0xDC}) {
    ExpectKey(vk, 0, "n/a", "Неиспользуемая", false);
  }
}

TEST_F(SetupKeysTest, PunctuationFollowsTheCurrentLayout) {
  ExpectKey(0xC0, 0, "`", "`");
  ExpectKey(0xDB, 0, "[", "[");
  ExpectKey(0xDE, 0, "'", "'");
  ExpectKey(0xBE, 0, ".", ".");
  // A layout that types "[" with another key: that key gives "[", the US one nothing.
  seams.keyboard.keys['['] = 0x1BA;  // the key with virtual code 0xBA, shifted
  seams.keyboard.keys[';'] = -1;
  ExpectKey(0xBA, 0, "[", "[");
  ExpectKey(0xDB, 0, "n/a", "Неиспользуемая", false);
  // The layout rule comes before the code table: on a layout whose "-" sits on the keypad's
  // minus key, that key reads as "-".
  seams.keyboard.keys['-'] = 0x6D;
  ExpectKey(0x6D, 0, "-", "-");
}

TEST(DisplayNameTest, ShortNamesToDisplayNames) {
  auto utf8 = [](std::string_view name) {
    return kz::Cp1251ToUtf8(KzSetupKeys::DisplayName(name));
  };
  EXPECT_EQ(utf8(""), "Никакой");
  EXPECT_EQ(utf8("kpad8"), "8 (справа)");
  EXPECT_EQ(utf8("F1"), "Неправильная");
  EXPECT_EQ(utf8("z"), "z");
  EXPECT_EQ(utf8("\xFF"), "я");  // any one byte shows as itself
  EXPECT_EQ(utf8("N/A"), "Неиспользуемая");
  EXPECT_EQ(utf8("PGDN"), "Page Down");
  EXPECT_EQ(utf8("Kpad"), "Неправильная");
}

}  // namespace
