// The Screen and System pages of the setup dialog, driven through their real controls.
#include <gmock/gmock.h>

#include "config/install_settings.h"
#include "setup/screen_tab.h"
#include "setup_fixture.h"
#include "config/setup_section.h"
#include "setup/system_tab.h"
#include "toolkit/key_observer.h"
#include "toolkit/text.h"

namespace {

void SetScreen(int width, int height) {
  KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value = width;
  KzSetupSection::GetScreen_SetupEntry("ScreenHeight")->value = height;
}

void SetControllerType(int type) {
  KzSetupSection::GetControlsEntry("ControllerType")->value = type;
}

struct KeyDown {
  HWND hwnd;
  WPARAM key;
  LPARAM data;
  bool operator==(const KeyDown&) const = default;
};

// The key-down messages that the thread's message loops take from the queue.
class KeyDownRecorder {
 public:
  std::vector<KeyDown> seen;

 private:
  tk::KeyObserver observer_{[this](const MSG& msg) {
    if (msg.message == WM_KEYDOWN) seen.push_back({msg.hwnd, msg.wParam, msg.lParam});
  }};
};

int Current(const char* key) { return KzSetupSection::GetScreen_SetupEntry(key)->value; }

TEST_F(SetupTest, TheScreenPageChecksPentiumIIOnlyForAWidthOf800) {
  WriteConfig([] {
    NoSoundCard();
    SetScreen(1024, 768);
  });
  const std::string wide = ConfigBytes();
  ASSERT_TRUE(StartShell());
  HWND pageWindow = nullptr;
  KeyDownRecorder keys;
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    ScreenTab& page = *Form().FindPage<ScreenTab>();
    EXPECT_TRUE(page.optb_640x480.IsChecked());
    EXPECT_FALSE(page.optb_800x600.IsChecked());
    pageWindow = page.hwnd();
    EXPECT_EQ(Current("ScreenWidth"), 1024);
  }));
  // The Tab key the page posts to itself, through the dialog's message loop.
  EXPECT_THAT(keys.seen, ::testing::Contains(KeyDown{pageWindow, VK_TAB, 0}));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(ConfigBytes(), wide);

  // 800 x 480: "Pentium II"; clicking it writes both entries.
  WriteConfig([] {
    NoSoundCard();
    SetScreen(800, 480);
  });
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    ScreenTab& page = *Form().FindPage<ScreenTab>();
    EXPECT_FALSE(page.optb_640x480.IsChecked());
    EXPECT_TRUE(page.optb_800x600.IsChecked());
    page.optb_800x600.Click();
    EXPECT_EQ(Current("ScreenWidth"), 800);
    EXPECT_EQ(Current("ScreenHeight"), 600);
  }));
  ASSERT_EQ(boxes.shown.size(), 1u);
  ASSERT_TRUE(KzSetupSection::LoadConfigFile(tk::Narrow(install.Join(kCfgName))));
  EXPECT_EQ(Current("ScreenHeight"), 600);

  // "Pentium" on 640 x 480 writes what is there already: no change.
  WriteConfig([] {
    NoSoundCard();
    SetScreen(640, 480);
  });
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    Form().FindPage<ScreenTab>()->optb_640x480.Click();
    EXPECT_FALSE(KzSetupSection::IsConfigChanged());
  }));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(SetupTest, TheSystemPageShowsItsControlsAndStoresTheNameAsItIsTyped) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetControllerType(3);
  }));
  std::vector<std::wstring> typed, stored;
  ASSERT_TRUE(OpenSetupOn(5, [&] {
    SystemTab& page = *Form().FindPage<SystemTab>();
    EXPECT_TRUE(IsWindowVisible(page.hwnd()));
    EXPECT_EQ(page.label_GeneralComment.Text(),
              L"Различные параметры окружения, в том числе устанавливаемые\n"
              L"данной системой настройки, могут быть изменены в процессе\n"
              L"игры. Сюда относится громкость звука, музыки, яркость\n"
              L"изображения и т. п. Для настройки в процессе игры\n"
              L"используйте пункт меню \"опции\". Выйти в меню можно в любой\n"
              L"момент игры, нажав Esc.");
    // Type 3 shows as keyboard and mouse and stays 3.
    EXPECT_TRUE(page.optb_KbdAndMouse.IsChecked());
    EXPECT_FALSE(page.optb_KbdOnly.IsChecked());
    EXPECT_FALSE(page.optb_KbdAndGamePad.IsChecked());
    EXPECT_EQ(KzSetupSection::GetControlsEntry("ControllerType")->value, 3);
    EXPECT_EQ(page.textb_CfgName.Text(), kCfgName);
    EXPECT_FALSE(page.textb_CfgName.IsEnabled());
    EXPECT_FALSE(page.checkbox_NameChangeEnabled.IsChecked());
    page.checkbox_NameChangeEnabled.Click();
    EXPECT_TRUE(page.textb_CfgName.IsEnabled());
    // Typed over the old name, one key at a time.
    page.textb_CfgName.Focus();
    page.textb_CfgName.SelectAll();
    for (wchar_t ch : std::wstring(L"игра.cfg")) {
      page.textb_CfgName.Send(WM_CHAR, ch, 1);
      typed.push_back(page.textb_CfgName.Text());
      stored.push_back(RegistryCfgName().value_or(L"(none)"));
    }
  }));
  EXPECT_EQ(typed.back(), L"игра.cfg");
  // Every usable name as it is typed; "игра." (a trailing dot) is not one.
  std::vector<std::wstring> usable = typed;
  usable[4] = L"игра";
  EXPECT_EQ(stored, usable);
  EXPECT_TRUE(boxes.shown.empty());  // nothing else changed: type 3 stayed
  EXPECT_EQ(CurrentCfgName(), "игра.cfg");

  // The next opening loads the new name, which has no file yet; the box is disabled again.
  // "Клавиатура и Game Pad" stores 4, and Yes writes the file of the new name.
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetupOn(5, [&] {
    SystemTab& page = *Form().FindPage<SystemTab>();
    EXPECT_FALSE(page.textb_CfgName.IsEnabled());
    EXPECT_EQ(page.textb_CfgName.Text(), L"игра.cfg");
    page.optb_KbdAndGamePad.Click();
    EXPECT_EQ(KzSetupSection::GetControlsEntry("ControllerType")->value, 4);
  }));
  ASSERT_EQ(boxes.shown.size(), 1u);
  ASSERT_TRUE(install.Exists(L"игра.cfg"));
  ASSERT_TRUE(KzSetupSection::LoadConfigFile(tk::Narrow(install.Join(L"игра.cfg"))));
  EXPECT_EQ(KzSetupSection::GetControlsEntry("ControllerType")->value, 4);

  // A value outside the table is shown as keyboard and mouse and left as it is.
  WriteConfig(
      [] {
        NoSoundCard();
        SetControllerType(9);
      },
      L"игра.cfg");
  ASSERT_TRUE(OpenSetupOn(
      0, [&] { EXPECT_TRUE(Form().FindPage<SystemTab>()->optb_KbdAndMouse.IsChecked()); }));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
