#include "config/default_path.h"

#include <gtest/gtest.h>

#include "fake_seams.h"
#include "config/install_settings.h"

namespace {

class DefaultPathTest : public ::testing::Test {
 protected:
  ScopedFakeSeams seams;
};

TEST_F(DefaultPathTest, TheProgramFolderWinsOverItsParentAndNoOtherFolderIsSearched) {
  seams.files.existing = {"C:\\Games\\Voltrane\\Bin\\KzR\\logo.wav",
                          "C:\\Games\\Voltrane\\Bin\\..\\KzR\\logo.wav"};
  EXPECT_EQ(KzDefaultPath().Find("KzR\\logo.wav"), "C:\\Games\\Voltrane\\Bin\\KzR\\logo.wav");
  seams.files.existing = {"C:\\Games\\Voltrane\\Bin\\..\\KzR\\logo.wav"};
  EXPECT_EQ(KzDefaultPath().Find("KzR\\logo.wav"), "C:\\Games\\Voltrane\\Bin\\..\\KzR\\logo.wav");
  // A copy in some other folder, such as the current directory, is never found.
  seams.files.existing = {"D:\\Elsewhere\\voltra.cfg", "voltra.cfg", ".\\voltra.cfg"};
  EXPECT_EQ(KzDefaultPath().Find("voltra.cfg"), "");
  EXPECT_TRUE(seams.complaints.shown.empty());
}

TEST_F(DefaultPathTest, FindOrComplainIsSilentWhenFoundAndElseNamesTheFileAsPassed) {
  seams.files.existing = {"C:\\Games\\Voltrane\\Bin\\KzR"};  // a folder counts as found
  EXPECT_EQ(KzDefaultPath().FindOrComplain("KzR"), "C:\\Games\\Voltrane\\Bin\\KzR");
  EXPECT_TRUE(seams.complaints.shown.empty());
  EXPECT_EQ(KzDefaultPath().FindOrComplain("KzR\\g_spd1.ico"), "");
  ASSERT_EQ(seams.complaints.shown.size(), 1u);
  EXPECT_EQ(seams.complaints.shown[0].kind, kz::Complaint::kMissingFile);
  EXPECT_EQ(seams.complaints.shown[0].text, "Cannot open the 'KzR\\g_spd1.ico' file");
}

TEST_F(DefaultPathTest, DirectoryTextsAreNormalised) {
  KzDefaultPath relative(".\\Data\\", "..\\Other");
  EXPECT_EQ(relative.Fallback(), "C:\\Games\\Voltrane\\Bin\\.\\Data\\");
  EXPECT_EQ(relative.Primary(), "C:\\Games\\Voltrane\\Bin\\..\\Other");
  KzDefaultPath absolute("D:\\Media");
  EXPECT_EQ(absolute.Fallback(), "D:\\Media");
  EXPECT_EQ(absolute.Primary(), "C:\\Games\\Voltrane\\Bin\\");
  seams.files.existing = {"D:\\Media\\flag.wav"};
  EXPECT_EQ(absolute.Find("flag.wav"), "D:\\Media\\flag.wav");
}

TEST(JoinPathTest, InsertsOneSeparator) {
  EXPECT_EQ(JoinPath("C:\\A", "b.cfg"), "C:\\A\\b.cfg");
  EXPECT_EQ(JoinPath("C:\\A\\", "b.cfg"), "C:\\A\\b.cfg");
  EXPECT_EQ(JoinPath("", "b.cfg"), "b.cfg");
}

class InstallSettingsTest : public ::testing::Test {
 protected:
  ScopedFakeSeams seams;
  void SetUp() override { StoreCfgName(""); }
};

TEST_F(InstallSettingsTest, LoadCfgNameKeepsTheNameAndStoreCfgNameChangesItWithoutTheKey) {
  seams.installKey.values["Cfg Name"] = "voltra.cfg";
  LoadCfgName();
  EXPECT_EQ(CurrentCfgName(), "voltra.cfg");
  seams.installKey.present = false;
  LoadCfgName();
  EXPECT_EQ(CurrentCfgName(), "voltra.cfg");
  EXPECT_FALSE(InstallKeyOpens());
  seams.installKey.present = true;
  StoreCfgName("a.cfg");
  EXPECT_EQ(seams.installKey.values["Cfg Name"], "a.cfg");
  seams.installKey.present = false;
  StoreCfgName("b.cfg");
  EXPECT_EQ(CurrentCfgName(), "b.cfg");
  seams.installKey.present = true;
  EXPECT_EQ(seams.installKey.values["Cfg Name"], "a.cfg");
}

TEST_F(InstallSettingsTest, MissingValuesReadEmpty) {
  seams.installKey.values["Main Folder"] = "C:\\Games\\Voltrane";
  EXPECT_EQ(ReadInstallValue("Main Folder"), "C:\\Games\\Voltrane");
  EXPECT_EQ(ReadInstallValue("Cfg Name"), "");
  seams.installKey.present = false;
  EXPECT_EQ(ReadInstallValue("Main Folder"), "");
}

}  // namespace
