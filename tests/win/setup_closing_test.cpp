// Closing the setup dialog: the save question, what Yes and No write, a save that fails.
#include <gmock/gmock.h>

#include "config/install_settings.h"
#include "setup/screen_tab.h"
#include "setup_fixture.h"
#include "config/setup_section.h"
#include "setup/system_tab.h"
#include "toolkit/handles.h"
#include "toolkit/text.h"

namespace {

int LoadedValue(const std::wstring& path, const char* section, const char* key) {
  EXPECT_TRUE(KzSetupSection::LoadConfigFile(tk::Narrow(path)));
  KzSetupEntry* entry = std::string(section) == "Screen Setup"
                            ? KzSetupSection::GetScreen_SetupEntry(key)
                            : KzSetupSection::GetControlsEntry(key);
  return entry ? entry->value : -1;
}

TEST_F(SetupTest, EscAndTheCloseBoxAskTheSameQuestionAndNoKeepsTheFile) {
  WriteConfig(NoSoundCard);
  const std::string before = ConfigBytes();
  ASSERT_TRUE(StartShell());
  boxes.answer = IDNO;
  boxes.holdMs = 1000;
  HWND dialog = nullptr;
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    dialog = Form().hwnd();
    Form().FindPage<ScreenTab>()->optb_800x600.Click();
  }));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].owner, dialog);
  EXPECT_EQ(boxes.shown[0].text, L"Конфигурация изменена. Сохранить изменения?");
  EXPECT_EQ(boxes.shown[0].caption, std::optional<std::wstring>(L""));
  EXPECT_EQ(boxes.shown[0].type, UINT(MB_ICONEXCLAMATION | MB_YESNO));
  EXPECT_EQ(ConfigBytes(), before);

  // The next opening shows the file's values again; the close box asks the same.
  bool smallChecked = false;
  ASSERT_TRUE(OpenSetup({WhenOpen(), Do([&] {
                           dialog = Form().hwnd();
                           smallChecked = Form().FindPage<ScreenTab>()->optb_640x480.IsChecked();
                           Form().FindPage<ScreenTab>()->optb_800x600.Click();
                         }),
                         CloseBox()}));
  EXPECT_TRUE(smallChecked);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].owner, dialog);
  EXPECT_EQ(boxes.shown[1].text, boxes.shown[0].text);
  EXPECT_EQ(boxes.shown[1].caption, boxes.shown[0].caption);
  EXPECT_EQ(boxes.shown[1].type, boxes.shown[0].type);
  EXPECT_EQ(ConfigBytes(), before);

  // A change taken back is no change: contents are compared, not clicks.
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    Form().FindPage<ScreenTab>()->optb_800x600.Click();
    Form().FindPage<ScreenTab>()->optb_640x480.Click();
  }));
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(ConfigBytes(), before);
}

TEST_F(SetupTest, YesWritesTheFileOfTheCurrentNameRenamedOrNot) {
  WriteConfig();
  ASSERT_TRUE(StartShell());
  boxes.answer = IDYES;
  boxes.holdMs = 1000;
  ASSERT_TRUE(OpenSetupOn(0, [&] { Form().FindPage<ScreenTab>()->optb_800x600.Click(); }));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(LoadedValue(install.Join(kCfgName), "Screen Setup", "ScreenWidth"), 800);
  EXPECT_EQ(LoadedValue(install.Join(kCfgName), "Screen Setup", "ScreenHeight"), 600);
  const std::string saved = ConfigBytes();

  // Renamed on the System page: the same tables go to the new name, the old file stays.
  ASSERT_TRUE(OpenSetupOn(5, [&] {
    SystemTab& page = *Form().FindPage<SystemTab>();
    page.checkbox_NameChangeEnabled.Click();
    page.textb_CfgName.SetText(L"second.cfg");
    page.optb_KbdAndGamePad.Click();
  }));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(ConfigBytes(), saved);
  ASSERT_TRUE(install.Exists(L"second.cfg"));
  EXPECT_EQ(LoadedValue(install.Join(L"second.cfg"), "Controls", "ControllerType"), 4);
  EXPECT_EQ(LoadedValue(install.Join(L"second.cfg"), "Screen Setup", "ScreenWidth"), 800);
  EXPECT_EQ(RegistryCfgName(), std::optional<std::wstring>(L"second.cfg"));
}

TEST_F(SetupTest, ASaveThatCannotBeWrittenSaysSoAndLeavesTheOldFile) {
  WriteConfig();
  const std::string before = ConfigBytes();
  SetFileAttributesW(install.Join(kCfgName).c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(StartShell());
  boxes.answer = IDYES;
  boxes.holdMs = 1000;
  HWND dialog = nullptr;
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    dialog = Form().hwnd();
    Form().FindPage<ScreenTab>()->optb_800x600.Click();
  }));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, kQuestion);
  const tk::MessageBoxRequest& failure = boxes.shown[1];
  EXPECT_EQ(failure.owner, dialog);
  EXPECT_EQ(failure.text,
            L"Не удалось записать файл конфигурации «voltrane.cfg». Изменения не сохранены.");
  EXPECT_EQ(failure.type, UINT(MB_ICONERROR | MB_OK));
  EXPECT_EQ(ConfigBytes(), before);
}

}  // namespace
