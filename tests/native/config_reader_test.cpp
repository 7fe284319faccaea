#include <gtest/gtest.h>

#include <algorithm>

#include "config_fixture.h"
#include "config/config_writer.h"
#include "config/read_cfg.h"
#include "config/setup_section.h"

namespace {

using S = KzSetupSection;

class ConfigReaderTest : public ConfigFixture {
 protected:
  // Loads the file and tells whether the tables are the defaults.
  void Load(const std::string& bytes) {
    WriteConfig(bytes);
    S::LoadConfig();
  }
  static bool TablesAreDefaults() {
    for (int i = 0; i < kTableSetEntries; ++i) {
      if (!(CurrentTables().entries[i] == DefaultTables().entries[i])) return false;
    }
    return true;
  }
  static int32_t Width() { return S::GetScreen_SetupEntry("ScreenWidth")->value; }
};

TEST_F(ConfigReaderTest, SavedDefaultsReadBackUnchanged) {
  S::SetDefaults(nullptr, nullptr);
  ASSERT_TRUE(S::SaveConfig(PathOf("voltra.cfg")));
  seams.files.existing.insert(PathOf("voltra.cfg"));
  CurrentTables() = {};
  S::LoadConfig();
  EXPECT_EQ(Warnings(), 0);
  EXPECT_TRUE(TablesAreDefaults());
  EXPECT_FALSE(S::IsConfigChanged());
}

TEST_F(ConfigReaderTest, NamesAreCaseInsensitive) {
  Load("[screen setup]\nscreenwidth = 800\n[KEYDEFINITIONS]\nmove_forward = \"W\"\n");
  EXPECT_EQ(Width(), 800);
  EXPECT_STREQ(S::GetKeyDefinitonsEntry("Move_Forward")->text1, "W");
  EXPECT_STREQ(S::GetKeyDefinitonsEntry("Move_Forward")->text2, "");  // one string empties key 2
  EXPECT_EQ(Warnings(), 0);
  EXPECT_FALSE(S::IsConfigChanged());
}

TEST_F(ConfigReaderTest, NumberForms) {
  const std::pair<const char*, int32_t> cases[] = {
      {"0x320", 800},   {"0800", 0}, {"-1", 0},       {"1e3", 1},
      {"800 900", 800}, {"abc", 0},  {"\"1024\"", 0}, {"4294968096", 800},
  };
  for (const auto& [text, expected] : cases) {
    Load(std::string("[Screen Setup]\r\nScreenWidth = ") + text + "\r\n");
    EXPECT_EQ(Width(), expected) << text;
  }
  EXPECT_EQ(Warnings(), 0);
}

// An inverted axis is stored as a negative scale; only the six scales read a sign.
TEST_F(ConfigReaderTest, AnalogScalesAloneReadAMinusSign) {
  struct Case {
    const char* line;
    const char* key;
    int32_t expected;
  };
  const Case cases[] = {
      {"MouseAnalogScale0 = -524288", "MouseAnalogScale0", -524288},
      {"mouseanalogscale1=\t-2147483648", "MouseAnalogScale1", INT32_MIN},
      {"JoystickAnalogScale0 = -4096", "JoystickAnalogScale0", -4096},
      {"JoystickAnalogScale1 = -4294967297", "JoystickAnalogScale1", -1},  // wraps as 32 bits
      {"JoystickAnalogScale2 = -5x", "JoystickAnalogScale2", -5},
      {"JoystickAnalogScale3 = -1", "JoystickAnalogScale3", -1},
      {"MouseAnalogScale0 = -0", "MouseAnalogScale0", 0},
      {"MouseAnalogScale0 = -0x10", "MouseAnalogScale0", 0},
      {"MouseAnalogScale0 = - 5", "MouseAnalogScale0", 0},
      {"MouseAnalogScale0 = --5", "MouseAnalogScale0", 0},
      {"MouseAnalogScale0 = +5", "MouseAnalogScale0", 0},
      {"JoystickPort = -1", "JoystickPort", 0},
      {"MouseSensitivity = -512", "MouseSensitivity", 0},
  };
  for (const Case& c : cases) {
    Load(std::string("[Controls]\r\n") + c.line + "\r\n");
    EXPECT_EQ(S::GetControlsEntry(c.key)->value, c.expected) << c.line;
  }
  EXPECT_EQ(Warnings(), 0);
}

TEST_F(ConfigReaderTest, TheFileTypeNeverChangesTheModelType) {
  Load(
      "[Comm Setup]\nRTSName = 5\n[Sound Setup]\nMidiPort = 816\nFXVolume = 0x10\n"
      "[Controls]\nMouseButton0 = \"Open\" \"Jump\"\n");
  EXPECT_STREQ(S::GetControlsEntry("MouseButton0")->text1, "Open");
  EXPECT_EQ(S::GetControlsEntry("MouseButton0")->type, kStringEntry);
  EXPECT_STREQ(CurrentTables().Table(kCommSetup)[0].text1, "");
  EXPECT_EQ(S::GetSound_SetupEntry("MidiPort", false)->type, kHexEntry);
  EXPECT_EQ(S::GetSound_SetupEntry("MidiPort", false)->value, 816);
  EXPECT_EQ(S::GetSound_SetupEntry("FXVolume", false)->value, 16);
  EXPECT_EQ(Warnings(), 0);
}

TEST_F(ConfigReaderTest, SkippedLinesChangeNothing) {
  Load(
      "; comment\n\n[Screen Setup]\nScreenWidth 800\n= 5\n\"x\" = 1\n-ScreenWidth = 1\n"
      "[Misc\n[Unknown Section]\n;BlasterEmu = 0x220\n0x10\n");
  EXPECT_EQ(Warnings(), 0);
  EXPECT_TRUE(TablesAreDefaults());
}

TEST_F(ConfigReaderTest, UnknownKeysDiscardTheWholeFile) {
  const char* bad[] = {
      "[Screen Setup]\nScreenWidth = 800\n[Misc]\nFoo = 1\n",
      "[Setup]\nScreenWidth = 800\n",
      "ScreenWidth = 800\n[Screen Setup]\n",
      "[ Screen Setup ]\nScreenWidth = 800\n",
      "[Screen Setup]\nScreenWidth = 800\n[Joystick]\nJoystickPort = 1\n",
      "[Screen Setup]\nScreenWidth = 800\nFXVolume = 1\n",     // a key of another section
      "[Screen Setup]\nScreenWidth = 800\nFoo\n= 1\nBar =\n",  // "Bar =" is still a key line
  };
  for (const char* file : bad) {
    seams.complaints.shown.clear();
    Load(file);
    EXPECT_EQ(Warnings(), 1) << file;
    EXPECT_EQ(Width(), 640) << file;
    EXPECT_TRUE(TablesAreDefaults()) << file;
  }
  EXPECT_EQ(seams.complaints.shown.back().text,
            "Файл конфигурации устарел или испорчен. Будет установлена конфигурация по умолчанию.");
}

TEST_F(ConfigReaderTest, BlankEmptyAndMissingFilesGiveTheDefaultsAndOnlyTheEmptyOneWarns) {
  Load("\n\n   \r\n\t\n");
  EXPECT_EQ(Warnings(), 0);
  EXPECT_TRUE(TablesAreDefaults());
  Load("");
  EXPECT_EQ(Warnings(), 1);
  EXPECT_TRUE(TablesAreDefaults());
  seams.complaints.shown.clear();
  seams.files.existing.clear();
  CurrentTables() = {};
  S::LoadConfig();
  EXPECT_EQ(Warnings(), 0);
  EXPECT_TRUE(TablesAreDefaults());
  seams.installKey.values["Cfg Name"] = "";  // the program's folder itself is no file
  seams.files.existing.insert(dir_ + "/");
  S::LoadConfig();
  EXPECT_EQ(Warnings(), 0);
}

TEST_F(ConfigReaderTest, TheFileIsFoundInTheParentFolder) {
  seams.files.programDir = dir_ + "/bin/";
  WriteFile(PathOf("voltra.cfg"), "[Screen Setup]\nScreenWidth = 1024\n");
  seams.files.existing.insert(dir_ + "/bin/..\\voltra.cfg");
  // The found name joins with a backslash; give Linux a file of that name in the parent.
  std::filesystem::create_directory(PathOf("bin"));
  WriteFile(PathOf("bin/..\\voltra.cfg"), "[Screen Setup]\nScreenWidth = 1024\n");
  S::LoadConfig();
  EXPECT_EQ(Width(), 1024);
}

TEST_F(ConfigReaderTest, TheLaterLineWinsAndTheCfgNameIsRefreshed) {
  WriteConfig("[Screen Setup]\nScreenWidth = 800\nSCREENWIDTH = 1152\n", "other.cfg");
  seams.installKey.values["Cfg Name"] = "other.cfg";
  S::LoadConfig();
  EXPECT_EQ(Width(), 1152);
}

TEST_F(ConfigReaderTest, TheByteFFEndsALineAndInsideAKeyNameCutsTheName) {
  Load(
      "[Screen Setup]\nScreenWidth = 800\xFF"
      "Foo = 1\n[Misc\xFF]\nTilt = 3\n");
  EXPECT_EQ(Warnings(), 0);
  EXPECT_EQ(Width(), 800);
  EXPECT_EQ(S::GetScreen_SetupEntry("Tilt")->value, 3);  // "[Misc" was skipped: still Screen
  // Inside a key name it leaves the name alone, without its value.
  Load("[Screen Setup]\nScreen\xFFWidth = 800\n");
  EXPECT_EQ(Warnings(), 0);  // "Screen" alone, no "=": skipped
  Load(
      "[Screen Setup]\nScreenWidth = 8\xFF"
      "00\n");
  EXPECT_EQ(Width(), 8);
}

TEST_F(ConfigReaderTest, LongLinesAreReadInPiecesOf258WithCrLfAsOneCharacterOfTheEnd) {
  // 257 blanks, then the key: the first piece holds 257 blanks and "S", the next piece reads
  // "creenWidth = 800", which is an unknown key.
  Load("[Screen Setup]\n" + std::string(257, ' ') + "ScreenWidth = 800\n");
  EXPECT_EQ(Warnings(), 1);
  // Exactly 258 characters with the line end still fit in one piece.
  seams.complaints.shown.clear();
  const std::string key = "ScreenWidth = 800";
  Load("[Screen Setup]\n" + std::string(257 - key.size(), ' ') + key + "\n");
  EXPECT_EQ(Warnings(), 0);
  EXPECT_EQ(Width(), 800);
  // CR LF counts as one character of the line end.
  Load("[Screen Setup]\r\n" + std::string(257 - key.size(), ' ') + key + "\r\nRunMode = 1\r\n");
  EXPECT_EQ(Warnings(), 1);  // RunMode is no Screen Setup key: the CR LF did not split a piece
  seams.complaints.shown.clear();
  Load("[Misc]\rRunMode = 2\r\r\nCrosshairs = 0");  // a lone CR ends no line
  EXPECT_EQ(Warnings(), 0);
  EXPECT_EQ(CurrentTables().Table(kMisc)[1].value, 0);  // the whole line was "[Misc] RunMode"
  EXPECT_EQ(CurrentTables().Table(kMisc)[2].value, 0);  // a last line without its end counts
}

TEST(ReadCfgTest, LineKindsAndNumbers) {
  char path[] = "/tmp/kzreadcfg-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  const std::string bytes =
      "[A]\r\nKey = \"x\" \"y\" 5\n;c\nKey 5\n" + std::string(300, 'k') + "\n";
  ASSERT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  close(fd);
  KzReadCfg reader{std::string(path)};
  ASSERT_TRUE(reader.IsOpen());
  int kind = 0;
  KzSetupEntry entry;
  std::vector<std::pair<int, int>> seen;  // kind, line number
  while (reader.ReadEntry(kind, entry)) {
    seen.push_back({kind, reader.LineNumber()});
    if (seen.size() == 2) {
      EXPECT_EQ(entry.type, kStringPairEntry);
      EXPECT_STREQ(entry.text2, "y");
      EXPECT_STREQ(reader.LineText(), "Key = \"x\" \"y\" 5\n");
    }
  }
  EXPECT_EQ(kind, kLineEndOfFile);
  EXPECT_EQ(seen,
            (std::vector<std::pair<int, int>>{{1, 1}, {0, 2}, {7, 3}, {8, 4}, {8, 5}, {8, 5}}));
  unlink(path);
}

TEST(ReadCfgTest, CrLfAcrossTheReadBuffer) {
  // Puts the CR of "Tilt = 7\r\n" last in the reader's first 4096-byte block.
  std::string bytes = "[Screen Setup]\r\n \r\n";
  while (bytes.size() + 8 < 4095) bytes += "\r\n";
  bytes += "Tilt = 7\r\nTilt = 8\r\n";
  ASSERT_EQ(bytes.find("7\r"), 4094u);
  char path[] = "/tmp/kzreadcfg-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  close(fd);
  KzReadCfg reader{std::string(path)};
  int kind = 0, pieces = 0, last = 0;
  KzSetupEntry entry;
  while (reader.ReadEntry(kind, entry)) {
    ++pieces;
    const std::string text = reader.LineText();
    EXPECT_EQ(text.find('\r'), std::string::npos) << pieces;
    EXPECT_EQ(text.back(), '\n') << pieces;
    last = reader.LineNumber();
  }
  EXPECT_EQ(pieces, last);
  EXPECT_EQ(pieces, std::count(bytes.begin(), bytes.end(), '\n'));
  unlink(path);
}

}  // namespace
