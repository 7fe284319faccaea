// The rule for "Cfg Name", and what the configuration code does with a name that breaks it:
// nothing is written, read or looked for outside the folder the name is meant for.
#include "config/cfg_name.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "config/config_writer.h"
#include "config/setup_section.h"
#include "config_fixture.h"

namespace {

using kz::IsUsableCfgName;

TEST(CfgNameRuleTest, PlainNamesInAnyScriptAreUsable) {
  for (const char* name :
       {"voltra.cfg", "B.CFG", "игра.cfg", "my game.cfg", "noext", ".cfg", "a.b.c.cfg", " lead.cfg",
        "con1.cfg", "com0.cfg", "lpt10.cfg", "console.cfg", "nul_.cfg", "COM1x.cfg"})
    EXPECT_TRUE(IsUsableCfgName(name)) << name;
}

TEST(CfgNameRuleTest, NamesThatReachAnotherFolderOrDriveAreRefused) {
  for (const char* name :
       {"..\\up.cfg", "../up.cfg", "sub\\a.cfg", "sub/a.cfg", "\\a.cfg", "C:a.cfg",
        "C:\\Windows\\a.cfg", "\\\\server\\share\\a.cfg", "a.cfg:stream", "..", "."})
    EXPECT_FALSE(IsUsableCfgName(name)) << name;
}

TEST(CfgNameRuleTest, WildcardsAndCharactersNoFileNameHoldsAreRefused) {
  for (const char* name : {"*.cfg", "a?.cfg", "a\"b.cfg", "a<b.cfg", "a>b.cfg", "a|b.cfg",
                           "tab\there.cfg", "line\nbreak.cfg", "del\x7F.cfg"})
    EXPECT_FALSE(IsUsableCfgName(name)) << name;
  EXPECT_FALSE(IsUsableCfgName(std::string("nul\0.cfg", 8)));
}

// Windows drops them, so "voltra.cfg." would open voltra.cfg under another name.
TEST(CfgNameRuleTest, TrailingDotsAndBlanksAreRefused) {
  for (const char* name : {"voltra.cfg.", "voltra.cfg ", "voltra.", "voltra  "})
    EXPECT_FALSE(IsUsableCfgName(name)) << name;
}

TEST(CfgNameRuleTest, DeviceNamesAreRefusedWithOrWithoutExtensionInAnyCase) {
  for (const char* name : {"CON", "con", "Nul", "NUL.cfg", "nul .cfg", "prn.txt.cfg", "AUX", "com1",
                           "COM9.cfg", "lpt1.cfg", "LPT9", "CONIN$", "conout$.cfg"})
    EXPECT_FALSE(IsUsableCfgName(name)) << name;
}

TEST(CfgNameRuleTest, EmptyAndOverlongNamesAreRefused) {
  EXPECT_FALSE(IsUsableCfgName(""));
  EXPECT_TRUE(IsUsableCfgName(std::string(251, 'a') + ".cfg"));   // 255 characters
  EXPECT_FALSE(IsUsableCfgName(std::string(252, 'a') + ".cfg"));  // 256
  EXPECT_FALSE(IsUsableCfgName(std::string(32768, 'a')));
  // Characters, not bytes: 255 Cyrillic letters take 510 bytes and still fit.
  std::string cyrillic;
  for (int i = 0; i < 255; ++i) cyrillic += "ж";
  EXPECT_TRUE(IsUsableCfgName(cyrillic));
  EXPECT_FALSE(IsUsableCfgName(cyrillic + "ж"));
}

class UnusableCfgNameTest : public ConfigFixture {
 protected:
  void SetUp() override {
    ConfigFixture::SetUp();
    // The program lives one folder down, so that "../" from it is still inside the scratch.
    std::filesystem::create_directory(PathOf("game"));
    seams.files.programDir = PathOf("game/");
    seams.installKey.values["Main Folder"] = PathOf("game/");
  }
};

TEST_F(UnusableCfgNameTest, TheStartUpCheckWritesNothingAndSaysNothing) {
  for (const char* name : {"../up.cfg", "..\\up.cfg", "*.cfg", "NUL", "nul.cfg", "voltra.cfg."}) {
    seams.installKey.values["Cfg Name"] = name;
    EXPECT_FALSE(CheckStartupConfig()) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf("up.cfg")));
  EXPECT_TRUE(std::filesystem::is_empty(PathOf("game")));
  EXPECT_TRUE(seams.complaints.shown.empty());
  // The same check still writes a usable name.
  seams.installKey.values["Cfg Name"] = "voltra.cfg";
  EXPECT_TRUE(CheckStartupConfig());
  EXPECT_TRUE(std::filesystem::exists(PathOf("game/voltra.cfg")));
}

TEST_F(UnusableCfgNameTest, LoadingReadsNoFileOutsideTheFolderAndTakesTheDefaultsSilently) {
  WriteFile(PathOf("up.cfg"), "[Screen Setup]\r\nScreenWidth = 800\r\n");
  seams.files.existing.insert(PathOf("game/../up.cfg"));
  seams.files.existing.insert(PathOf("game/../../up.cfg"));
  seams.installKey.values["Cfg Name"] = "../up.cfg";
  KzSetupSection::LoadConfig();
  EXPECT_EQ(CurrentCfgName(), "../up.cfg");  // the registry's value, kept as it is
  EXPECT_EQ(KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value, 640);
  EXPECT_TRUE(seams.complaints.shown.empty());
}

// Found but not readable (here a folder; under Windows also a file held open without
// sharing): the defaults, with a warning that names the file, unlike a missing one.
TEST_F(UnusableCfgNameTest, AFileThatIsThereButCannotBeReadIsReportedByName) {
  std::filesystem::create_directory(PathOf("game/held.cfg"));
  seams.files.existing.insert(PathOf("game/held.cfg"));
  seams.installKey.values["Cfg Name"] = "held.cfg";
  KzSetupSection::LoadConfig();
  ASSERT_EQ(seams.complaints.shown.size(), 1u);
  EXPECT_EQ(seams.complaints.shown[0].kind, kz::Complaint::kUnreadableFile);
  EXPECT_NE(seams.complaints.shown[0].text.find("«held.cfg»"), std::string::npos);
  EXPECT_EQ(KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value, 640);

  seams.installKey.values["Cfg Name"] = "absent.cfg";
  KzSetupSection::LoadConfig();
  EXPECT_EQ(seams.complaints.shown.size(), 1u);
}

}  // namespace
