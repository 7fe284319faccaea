#include "config/config_writer.h"

#include <gtest/gtest.h>

#include <cstring>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "config_fixture.h"
#include "config/file_io.h"
#include "config/setup_section.h"

namespace {

using S = KzSetupSection;

KzSetupEntry Entry(const char* name, int32_t type, int32_t value, const char* t1 = "",
                   const char* t2 = "", bool disabled = false) {
  KzSetupEntry e{};
  SetEntryText(e.name, name);
  e.type = type;
  e.value = value;
  SetEntryText(e.text1, t1);
  SetEntryText(e.text2, t2);
  e.disabled = disabled;
  return e;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  EXPECT_EQ(start, bytes.size()) << "the last line lacks CR LF";
  return lines;
}

TEST(FormatEntryTest, LineFormsByType) {
  EXPECT_STREQ(FormatEntry(Entry("ScreenWidth", 1, -1)), "ScreenWidth = -1");
  EXPECT_STREQ(FormatEntry(Entry("MidiPort", 2, 0x330)), "MidiPort = 0x330");
  EXPECT_STREQ(FormatEntry(Entry("MidiPort", 2, -1)), "MidiPort = 0xFFFFFFFF");
  EXPECT_STREQ(FormatEntry(Entry("MidiPort", 2, 0)), "MidiPort = 0x0");
  EXPECT_STREQ(FormatEntry(Entry("BlasterEmu", 2, 0x620, "", "", true)), ";BlasterEmu = 0x620");
  EXPECT_STREQ(FormatEntry(Entry("RTSName", 3, 0, "")), "RTSName = \"\"");
  EXPECT_STREQ(FormatEntry(Entry("Strafe", 4, 0, "LAlt", "")), "Strafe = \"LAlt\" \"\"");
  EXPECT_STREQ(FormatEntry(Entry("Odd", 0, 5)), "");
  EXPECT_STREQ(FormatEntry(Entry("Odd", 9, 5, "", "", true)), ";");
}

TEST(FormatEntryTest, UnterminatedFieldsStayWithinTheirWidth) {
  KzSetupEntry e = Entry("x", 4, 0);
  std::memset(e.name, 'n', sizeof e.name);  // no terminating zero anywhere
  std::memset(e.text1, 'a', sizeof e.text1);
  std::memset(e.text2, 'b', sizeof e.text2);
  EXPECT_EQ(std::string(FormatEntry(e)), std::string(31, 'n') + " = \"" + std::string(31, 'a') +
                                             "\" \"" + std::string(31, 'b') + "\"");
}

class ConfigWriterTest : public ConfigFixture {
 protected:
  std::string Saved(const std::string& name = "voltra.cfg") { return ReadFile(PathOf(name)); }
};

TEST_F(ConfigWriterTest, TheDefaultFileAlsoInPlaceOfAnExistingOne) {
  S::SetDefaults(nullptr, nullptr);
  ASSERT_TRUE(S::SaveConfig(PathOf("voltra.cfg")));
  const std::vector<std::string> lines = Lines(Saved());
  ASSERT_EQ(lines.size(), 138u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 8);
  EXPECT_EQ(head, (std::vector<std::string>{"[Setup]", "[Screen Setup]", "ScreenMode = 1",
                                            "ScreenWidth = 640", "ScreenHeight = 480",
                                            "Shadows = 1", "Environment = \"\"", "Detail = 1"}));
  EXPECT_EQ(lines[13], "[Sound Setup]");
  EXPECT_EQ(lines[22], "MidiPort = 0x330");
  EXPECT_EQ(lines[26], "BlasterDma16 = 5");
  EXPECT_EQ(lines[27], ";BlasterEmu = 0x620");
  EXPECT_EQ(lines[33], "[KeyDefinitions]");
  EXPECT_EQ(lines[34], "Move_Forward = \"Up\" \"Kpad8\"");
  EXPECT_EQ(lines[38], "Strafe = \"LAlt\" \"\"");
  EXPECT_EQ(lines[73], "Quick_Kick = \"`\" \"\"");
  EXPECT_EQ(lines[76], "[Controls]");
  const std::vector<std::string> tail(lines.end() - 7, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"GamePadDigitalAxes1_1 = \"Move_Backward\"",
                                            "[Comm Setup]", "RTSName = \"123\"", "[Misc]",
                                            "Executions = 0", "RunMode = 0", "Crosshairs = 1"}));
  EXPECT_FALSE(std::filesystem::exists(kz::TemporaryNameFor(PathOf("voltra.cfg"))));
  // An existing, longer file is replaced whole.
  WriteFile(PathOf("voltra.cfg"), std::string(10000, 'x'));
  ASSERT_TRUE(S::SaveConfig(PathOf("voltra.cfg")));
  EXPECT_EQ(Lines(Saved()), lines);
}

TEST_F(ConfigWriterTest, EditedValuesAndTheLoadedTablesAfterSaving) {
  S::SetDefaults(nullptr, nullptr);
  LoadedTables() = CurrentTables();
  S::GetSound_SetupEntry("BlasterAddress", false)->value = -1;
  S::GetSound_SetupEntry("BlasterEmu", false)->disabled = false;
  SetEntryText(S::GetKeyDefinitonsEntry("Fire")->text1, "");
  ASSERT_TRUE(S::SaveConfig(PathOf("voltra.cfg")));
  const std::string bytes = Saved();
  EXPECT_NE(bytes.find("\r\nBlasterAddress = 0xFFFFFFFF\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nBlasterEmu = 0x620\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nFire = \"\" \"RCtrl\"\r\n"), std::string::npos);
  EXPECT_TRUE(S::IsConfigChanged());  // saving does not touch the loaded tables
}

TEST_F(ConfigWriterTest, FailuresLeaveTheOldFileAndSayFalse) {
  S::SetDefaults(nullptr, nullptr);
  WriteFile(PathOf("voltra.cfg"), "old");
  chmod(PathOf("voltra.cfg").c_str(), 0444);
  EXPECT_FALSE(S::SaveConfig(PathOf("voltra.cfg")));
  EXPECT_EQ(Saved(), "old");
  EXPECT_FALSE(S::SaveConfig(PathOf("missing/voltra.cfg")));
  EXPECT_FALSE(S::SaveConfig(""));
  std::filesystem::create_directory(PathOf("folder.cfg"));
  EXPECT_FALSE(S::SaveConfig(PathOf("folder.cfg")));
  EXPECT_FALSE(std::filesystem::exists(kz::TemporaryNameFor(PathOf("folder.cfg"))));
}

// Runs SaveConfig in a child process whose files may grow to at most limit bytes. With
// dies set, reaching the limit kills the child (SIGXFSZ); else the write fails with EFBIG.
int SaveUnderSizeLimit(const std::string& path, rlim_t limit, bool dies) {
  const pid_t child = fork();
  if (child == 0) {
    rlimit noCore{0, 0}, size{limit, limit};
    setrlimit(RLIMIT_CORE, &noCore);
    signal(SIGXFSZ, dies ? SIG_DFL : SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &size);
    _exit(S::SaveConfig(path) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST_F(ConfigWriterTest, AnInterruptedSaveLeavesTheOldFileOrTheNewOne) {
  S::SetDefaults(nullptr, nullptr);
  const std::string newBytes = FormatConfig();
  const std::string oldBytes = "[Screen Setup]\r\nScreenWidth = 800\r\n";
  const std::string path = PathOf("voltra.cfg");
  for (bool dies : {false, true}) {
    for (rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(100), rlim_t(newBytes.size() - 1),
                         rlim_t(newBytes.size()), rlim_t(newBytes.size() + 4096)}) {
      WriteFile(path, oldBytes);
      const int status = SaveUnderSizeLimit(path, limit, dies);
      const std::string now = ReadFile(path);
      const bool complete = limit >= newBytes.size();
      EXPECT_EQ(now, complete ? newBytes : oldBytes) << "limit " << limit << " dies " << dies;
      if (complete) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
      } else if (dies) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << limit;
      } else {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "failure told as success";
      }
    }
  }
}

class StartupCheckTest : public ConfigWriterTest {
 protected:
  void SetUp() override {
    ConfigWriterTest::SetUp();
    seams.installKey.values["Main Folder"] = dir_ + "/";
  }
};

TEST_F(StartupCheckTest, AMissingFileIsWrittenFromTheDefaults) {
  S::GetSound_SetupEntry("BlasterAddress", true)->value = 0x240;  // found by the detection
  EXPECT_TRUE(CheckStartupConfig());
  const std::string bytes = Saved();
  EXPECT_EQ(Lines(bytes).size(), 138u);
  EXPECT_NE(bytes.find("\r\nBlasterAddress = 0x240\r\n"), std::string::npos);
  EXPECT_EQ(S::GetScreen_SetupEntry("ScreenWidth")->value, 640);
  EXPECT_TRUE(seams.complaints.shown.empty());
}

TEST_F(StartupCheckTest, AnExistingFileIsLeftAloneAndTheFolderAndNameJoinWithABackslash) {
  WriteFile(PathOf("voltra.cfg"), "damaged");
  seams.files.existing.insert(PathOf("voltra.cfg"));
  EXPECT_FALSE(CheckStartupConfig());
  EXPECT_EQ(Saved(), "damaged");
  seams.installKey.values["Main Folder"] = "C:\\Games\\Voltrane";
  seams.files.existing.insert("C:\\Games\\Voltrane\\voltra.cfg");
  EXPECT_FALSE(CheckStartupConfig());  // found under the joined name: nothing written
}

TEST_F(StartupCheckTest, NothingHappensWithoutTheKeyOrItsValues) {
  seams.installKey.present = false;
  EXPECT_FALSE(CheckStartupConfig());
  seams.installKey.present = true;
  seams.installKey.values["Cfg Name"] = "";
  EXPECT_FALSE(CheckStartupConfig());
  seams.installKey.values["Cfg Name"] = "voltra.cfg";
  seams.installKey.values["Main Folder"] = "";
  EXPECT_FALSE(CheckStartupConfig());
  EXPECT_FALSE(std::filesystem::exists(PathOf("voltra.cfg")));
  EXPECT_TRUE(seams.complaints.shown.empty());
}

}  // namespace
