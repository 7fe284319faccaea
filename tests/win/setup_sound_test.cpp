// The Sound page of the setup dialog, driven through its real controls: what it shows of the
// file, what each slider move, keystroke and choice stores, the card switch with and without
// a card found at start-up, the defaults button, and a keyboard-only path.
#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>

#include "config/setup_section.h"
#include "setup/sound_tab.h"
#include "setup_fixture.h"
#include "toolkit/text.h"

namespace {

KzSetupEntry& Entry(const char* key) { return *KzSetupSection::GetSound_SetupEntry(key, false); }
int Sound(const char* key) { return Entry(key).value; }

void SetSound(const char* key, int value) { Entry(key).value = value; }

// The five controls the card switch enables and disables.
std::vector<bool> CardControlsEnabled(SoundTab& page) {
  return {page.textb_Address.IsEnabled(), page.textb_MidiPort.IsEnabled(),
          page.combo_IRQ.IsEnabled(), page.combo_Dma8.IsEnabled(), page.combo_Dma16.IsEnabled()};
}
const std::vector<bool> kAllEnabled(5, true), kAllDisabled(5, false);

// Types over the whole text of an edit window, as the player's keys do: each character a
// WM_CHAR, an empty text a Backspace over the selection.
void TypeOver(HWND edit, const std::wstring& text) {
  SendMessageW(edit, EM_SETSEL, 0, -1);
  if (text.empty()) SendMessageW(edit, WM_CHAR, VK_BACK, 1);
  for (wchar_t ch : text) SendMessageW(edit, WM_CHAR, ch, 1);
}
HWND FieldOf(tk::EditableComboBox& combo) {
  return FindWindowExW(combo.hwnd(), nullptr, L"Edit", nullptr);
}

// As the player's choice: the selection, then the notice to the page.
void Choose(SoundTab& page, tk::EditableComboBox& combo, const std::wstring& item) {
  const LRESULT index = combo.Send(CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(item.c_str()));
  combo.Select(int(index));
  SendMessageW(page.hwnd(), WM_COMMAND, MAKEWPARAM(combo.id(), CBN_SELCHANGE),
               LPARAM(combo.hwnd()));
}

void MoveSlider(SoundTab& page, tk::Slider& slider, int position) {
  slider.SetPosition(position);
  SendMessageW(page.hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), LPARAM(slider.hwnd()));
}

TEST_F(SetupTest, TheSoundPageShowsTheFileAndStoresWhatIsTypedWithoutChecking) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetSound("FXVolume", 300);
    SetSound("MusicVolume", 77);
    SetSound("BlasterAddress", 0x2A0);
    SetSound("MidiPort", 0x300);
    SetSound("BlasterInterrupt", 1);  // not one of the items
  }));
  std::vector<int> stored;
  ASSERT_TRUE(OpenSetupOn(1, [&] {
    SoundTab& page = *Form().FindPage<SoundTab>();
    EXPECT_TRUE(IsWindowVisible(page.hwnd()));
    EXPECT_EQ(page.label_GeneralComment.Text(),
              L"Если в процессе игры естественный темп не всегда "
              L"выдерживается,\nможно попробовать отказаться от некоторых "
              L"функций, например,\nотключить музыку (оставив звуки). Для "
              L"настройки в процессе игры\nиспользуйте пункт меню \"опции\". "
              L"Выйти в меню можно в любой\nмомент игры, нажав Esc.");
    EXPECT_EQ(page.slider_FX.Maximum(), 255);
    EXPECT_EQ(page.slider_Music.PageSize(), 32);
    // 300 shows as the slider's end, and stays 300 in the configuration.
    EXPECT_EQ(page.slider_FX.Position(), 255);
    EXPECT_EQ(page.label_FXVal.Text(), L" 255");
    EXPECT_EQ(Sound("FXVolume"), 300);
    EXPECT_EQ(page.label_MusicVal.Text(), L" 77");
    EXPECT_EQ(page.textb_Address.Text(), L"2A0");
    EXPECT_EQ(page.textb_MidiPort.Text(), L"300");
    EXPECT_EQ(page.combo_IRQ.FieldText(), L"1");
    EXPECT_EQ(page.combo_IRQ.Count(), 14);
    EXPECT_EQ(page.combo_IRQ.ItemText(13), L"15");
    EXPECT_EQ(page.combo_Dma16.ItemText(7), L"7");
    EXPECT_EQ(Sound("BlasterAddress"), 0x2A0);  // showing is no edit

    MoveSlider(page, page.slider_FX, 40);
    EXPECT_EQ(page.label_FXVal.Text(), L" 40");
    stored.push_back(Sound("FXVolume"));
    for (const wchar_t* text : {L"0x220", L"220", L"22G", L""}) {
      TypeOver(page.textb_Address.hwnd(), text);
      stored.push_back(Sound("BlasterAddress"));
    }
    TypeOver(page.textb_MidiPort.hwnd(), L"-1");
    stored.push_back(Sound("MidiPort"));
    for (const wchar_t* text : {L"11", L"x"}) {
      TypeOver(FieldOf(page.combo_IRQ), text);
      stored.push_back(Sound("BlasterInterrupt"));
    }
    Choose(page, page.combo_IRQ, L"10");
    stored.push_back(Sound("BlasterInterrupt"));
    TypeOver(FieldOf(page.combo_Dma16), L"99");
    Choose(page, page.combo_Dma8, L"3");
    stored.push_back(Sound("BlasterDma16"));
    stored.push_back(Sound("BlasterDma8"));
    MoveSlider(page, page.slider_Music, 255);
    stored.push_back(Sound("MusicVolume"));
  }));
  EXPECT_EQ(stored, (std::vector<int>{40, 544, 544, 34, 0, -1, 11, 0, 10, 99, 3, 255}));
  ASSERT_EQ(boxes.shown.size(), 1u);  // No: the file stays as it was
}

TEST_F(SetupTest, WithoutACardTheSwitchStartsOffAndTheFirstOpeningAsks) {
  WriteConfig();  // the built-in devices, 0 and 0, with the EMU line commented out
  const std::string before = ConfigBytes();
  ASSERT_TRUE(StartShell());
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    SoundTab& page = *Form().FindPage<SoundTab>();
    EXPECT_TRUE(page.checkbox_BlasterOff.IsChecked());
    EXPECT_EQ(page.label_BlasterNotFound.Text(),
              L"Саунд бластер не найден. Если Вы все же\nуверены, что саунд бластер в системе "
              L"есть,\nвключите его и введите параметры вручную\nв группу \"Системные "
              L"установки\".");
    EXPECT_EQ(Sound("FXDevice"), 13);
    EXPECT_EQ(Sound("MusicDevice"), 13);
    EXPECT_EQ(CardControlsEnabled(page), kAllDisabled);
  }));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kQuestion);
  EXPECT_EQ(ConfigBytes(), before);

  // Yes keeps 13 and 13; the next opening, untouched, then asks nothing and writes nothing.
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetup({WhenOpen(), PressKey(VK_ESCAPE)}));
  ASSERT_EQ(boxes.shown.size(), 2u);
  const std::string saved = ConfigBytes();
  EXPECT_THAT(saved, ::testing::HasSubstr("FXDevice = 13\r\nMusicDevice = 13\r\n"));
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(1), PressKey(VK_ESCAPE)}));
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(ConfigBytes(), saved);

  // Unchecking enables the card's controls and gives 0 with the EMU line commented out, 6
  // with it active; checking again gives 13.
  boxes.answer = IDNO;
  std::vector<int> devices;
  ASSERT_TRUE(OpenSetupOn(1, [&] {
    SoundTab& page = *Form().FindPage<SoundTab>();
    page.checkbox_BlasterOff.Click();
    EXPECT_FALSE(page.checkbox_BlasterOff.IsChecked());
    EXPECT_EQ(CardControlsEnabled(page), kAllEnabled);
    devices.push_back(Sound("FXDevice"));
    devices.push_back(Sound("MusicDevice"));
    page.checkbox_BlasterOff.Click();
    devices.push_back(Sound("MusicDevice"));
    EXPECT_EQ(CardControlsEnabled(page), kAllDisabled);
    Entry("BlasterEmu").disabled = false;
    page.checkbox_BlasterOff.Click();
    devices.push_back(Sound("FXDevice"));
    devices.push_back(Sound("MusicDevice"));
  }));
  EXPECT_EQ(devices, (std::vector<int>{0, 0, 13, 6, 6}));
}

TEST_F(SetupTest, WithACardFoundTheDevicesFollowTheEmuLineAndTheClosingAsks) {
  actions.detectSoundCard = [] { return true; };
  ASSERT_TRUE(StartShellOn([] {
    SetSound("FXDevice", 6);
    SetSound("MusicDevice", 6);
  }));
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    SoundTab& page = *Form().FindPage<SoundTab>();
    EXPECT_FALSE(page.checkbox_BlasterOff.IsChecked());
    EXPECT_EQ(page.label_BlasterNotFound.Text(), L"");
    EXPECT_EQ(CardControlsEnabled(page), kAllEnabled);
    EXPECT_EQ(Sound("FXDevice"), 0);
    EXPECT_EQ(Sound("MusicDevice"), 0);
  }));
  ASSERT_EQ(boxes.shown.size(), 1u);

  // A file that says 13 for one of the two: the switch starts off.
  WriteConfig([] { SetSound("MusicDevice", 13); });
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    EXPECT_TRUE(Form().FindPage<SoundTab>()->checkbox_BlasterOff.IsChecked());
    EXPECT_EQ(Sound("FXDevice"), 13);
    EXPECT_EQ(Sound("MusicDevice"), 13);
  }));
}

TEST_F(SetupTest, TheDefaultsButtonRestoresTheSectionAndLeavesTheSwitchAlone) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetSound("FXVolume", 12);
    SetSound("BlasterAddress", 0x280);
    SetSound("BlasterDma16", 7);
    SetSound("NumVoices", 32);  // not on the page, restored all the same
  }));
  ASSERT_TRUE(OpenSetupOn(1, [&] {
    SoundTab& page = *Form().FindPage<SoundTab>();
    page.cb_SoundDefault.Click();
    EXPECT_TRUE(page.checkbox_BlasterOff.IsChecked());
    EXPECT_EQ(CardControlsEnabled(page), kAllDisabled);
    const std::vector<std::wstring> shown = {page.label_FXVal.Text(), page.textb_Address.Text(),
                                             page.combo_Dma16.FieldText()};
    EXPECT_EQ(shown, (std::vector<std::wstring>{L" 180", L"220", L"5"}));
    const std::vector<int> values = {Sound("FXVolume"),     Sound("BlasterAddress"),
                                     Sound("BlasterDma16"), Sound("NumVoices"),
                                     Sound("FXDevice"),     Sound("MusicDevice")};
    EXPECT_EQ(values, (std::vector<int>{180, 0x220, 5, 8, 0, 0}));
  }));
}

// Ctrl+Tab to the page, Tab to the effects slider, Right once, Esc, and Yes to the question.
TEST_F(SetupTest, TheEffectsVolumeCanBeSetWithTheKeyboardAlone) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  boxes.answer = IDYES;
  int selected = -1;
  bool onSlider = false;
  ASSERT_TRUE(OpenSetup({WhenOpen(), PressChord(VK_TAB), PressKey(VK_TAB), Do([&] {
                           selected = Form().tabctrl_1.Selected();
                           onSlider = GetFocus() == Form().FindPage<SoundTab>()->slider_FX.hwnd();
                         }),
                         PressKey(VK_RIGHT), PressKey(VK_ESCAPE)}));
  EXPECT_EQ(selected, 1);
  EXPECT_TRUE(onSlider);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_THAT(ConfigBytes(), ::testing::HasSubstr("\r\nFXVolume = 181\r\n"));
}

// Not run by the suite: keeps the Sound page on the screen for a screenshot, without a card
// and then with one (--gtest_also_run_disabled_tests).
TEST_F(SetupTest, DISABLED_ShowsTheSoundPageForScreenshots) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(1), Hold(4000),
                         Do([&] { Form().FindPage<SoundTab>()->checkbox_BlasterOff.Click(); }),
                         Hold(4000), PressKey(VK_ESCAPE)}));
}

}  // namespace
