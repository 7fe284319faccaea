// Every form of the shell: its dialog template, as setupshell.exe carries it, against the
// form's table; the names are those the running forms give the items.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include "controls_fixture.h"
#include "form_table.h"
#include "setup/mouse_tab.h"
#include "shell/shell_actions.h"

namespace {

using wt::Item;
using wt::Kept;
using wt::Kind;
using wt::kNotGiven;
using wt::With;

// clang-format off
const Kind kGroupBox{L"Button", BS_TYPEMASK, BS_GROUPBOX, BS_GROUPBOX};
const Kind kRadio{L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON, BS_RADIOBUTTON};
const Kind kAutoRadio{L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON, BS_AUTORADIOBUTTON};
const Kind kCheckBox{L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, BS_CHECKBOX};
const Kind kAutoCheckBox{L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, BS_AUTOCHECKBOX};
const Kind kButton{L"Button", BS_TYPEMASK, BS_PUSHBUTTON, BS_DEFPUSHBUTTON};
const Kind kDefaultButton{L"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON, BS_DEFPUSHBUTTON};
// The bar's other buttons: no tab stops.
const Kind kUntabbedButton{.className = L"Button", .typeMask = BS_TYPEMASK, .notStyle = WS_TABSTOP};
const Kind kLabel{L"Static", SS_TYPEMASK, SS_LEFT, SS_LEFT};
const Kind kSunken = With(kLabel, SS_SUNKEN);
const Kind kTextBox{.className = L"Edit", .style = ES_AUTOHSCROLL, .notStyle = ES_MULTILINE};
const Kind kEditableCombo{.className = L"ComboBox", .typeMask = 3, .type = CBS_DROPDOWN,
                          .otherType = CBS_DROPDOWN, .kept = Kept::kNoHeight};
const Kind kDropDownList{.className = L"ComboBox", .typeMask = 3, .type = CBS_DROPDOWNLIST,
                         .otherType = CBS_DROPDOWNLIST, .kept = Kept::kNoHeight};
const Kind kSlider{.className = L"msctls_trackbar32", .style = TBS_NOTICKS, .notStyle = TBS_VERT};
const Kind kGrid{.className = L"VoltraneGrid", .exStyle = WS_EX_CLIENTEDGE};
const Kind kScrolledGrid = With(kGrid, WS_VSCROLL);
const Kind kTabs{.className = WC_TABCONTROLW, .style = TCS_MULTILINE | TCS_FOCUSONBUTTONDOWN};
const Kind kIcon{.className = L"Static", .typeMask = SS_TYPEMASK, .type = SS_ICON,
                 .otherType = SS_ICON, .kept = Kept::kCorner};
const Kind kClickableIcon = With(kIcon, SS_NOTIFY);
const Kind kMovingIcon{.className = L"Static", .typeMask = SS_TYPEMASK, .type = SS_ICON,
                       .otherType = SS_ICON, .style = SS_NOTIFY, .kept = Kept::kTop};
const Kind kBitmap{L"Static", SS_TYPEMASK, SS_BITMAP, SS_BITMAP};
const Kind kVerticalScrollBar{.className = L"ScrollBar", .style = SBS_VERT};
const Kind kVideo{.className = L"MCIWndClass", .style = 0x0002 /* no play bar */};
// A list box keeps a whole number of lines.
const Kind kListBox{.className = L"ListBox", .style = WS_BORDER | WS_VSCROLL,
                    .notStyle = LBS_MULTIPLESEL | LBS_EXTENDEDSEL, .kept = Kept::kNoHeight};

constexpr DWORD kCaptioned = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kNoFrame = WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME;
constexpr int kBold = 700, kCyrillic = 204;

// A page of the setup dialog: a child dialog that Tab enters.
wt::FormTable Page(const wchar_t* name, const char* form, std::vector<Item> items) {
  return {.templateName = name, .formName = form, .cx = 375, .cy = 158,
          .style = DS_CONTROL | WS_CHILD, .exStyle = WS_EX_CONTROLPARENT,
          .items = std::move(items)};
}

const wt::FormTable kMainForm{.templateName = L"ID_MainForm", .formName = "MainForm",
    .style = WS_POPUP, .notStyle = kNoFrame, .pointSize = 12, .typeface = L"Courier",
    .charSet = kCyrillic};

const wt::FormTable kButtonBarForm{.templateName = L"ID_ButtonBarForm", .formName = "ButtonBarForm",
    .cx = 201, .cy = 24, .style = WS_POPUP | WS_DLGFRAME, .notStyle = WS_BORDER, .pointSize = 10,
    .weight = kBold, .charSet = kCyrillic, .items = {
    {101, "pictbttn_Game", With(kButton, WS_GROUP | WS_TABSTOP), 2, 2, 47, 20, L"Игра"},
    {102, "pictbttn_Help", kUntabbedButton, 52, 2, 47, 20, L"Помощь"},
    {103, "pictbttn_Setup", kUntabbedButton, 102, 2, 47, 20, L"Настройка"},
    {104, "pictbttn_Exit", kUntabbedButton, 152, 2, 47, 20, L"Выход"}}};

// The help and logo windows size and place their items themselves.
const wt::FormTable kHelpForm{.templateName = L"ID_HelpForm", .formName = "HelpForm",
    .style = kCaptioned, .caption = L"Помощь", .items = {
    {101, "pictb_Help", kBitmap, kNotGiven, 0, 0, 0, nullptr},
    {102, "vscroll_Help", kVerticalScrollBar, kNotGiven, 0, 0, 0, nullptr}}};

const wt::FormTable kLogoForm{.templateName = L"ID_LogoForm", .formName = "LogoForm",
    .style = WS_POPUP, .notStyle = kNoFrame, .items = {
    {101, "mediapl_Logo", kVideo, kNotGiven, 0, 0, 0, nullptr}}};

const wt::FormTable kSetupForm{.templateName = L"ID_SetupForm", .formName = "SetupForm",
    .cx = 387, .cy = 231, .style = kCaptioned, .caption = L"", .items = {
    {101, "tabctrl_1", kTabs, 3, 54, 380, 175, nullptr},
    {102, "pictb_Animation", kMovingIcon, 0, 6, 21, 20, nullptr},
    {103, "pictb_TabIcon", kClickableIcon, 331, 20, 22, 20, nullptr}}};

const wt::FormTable kScreenTab = Page(L"ID_ScreenTab", "ScreenTab", {
    {101, "groupb_Resolution", With(kGroupBox, WS_GROUP), 3, 2, 56, 32, L""},
    {102, "optb_640x480", kAutoRadio, 7, 10, 48, 10, L"Pentium"},
    {103, "optb_800x600", kAutoRadio, 7, 20, 48, 11, L"Pentium II"}});

const wt::FormTable kSoundTab = Page(L"ID_SoundTab", "SoundTab", {
    {101, "groupb_Volume", kGroupBox, 3, 2, 184, 44, L"Громкость:"},
    {102, "label_FXVal", kSunken, 162, 13, 20, 9, L""},
    {103, "label_MusicVal", kSunken, 162, 31, 20, 9, L""},
    {104, "slider_FX", kSlider, 43, 11, 114, 14, nullptr},
    {105, "slider_Music", kSlider, 43, 28, 114, 15, nullptr},
    {106, "label_FX", kLabel, 12, 14, 30, 8, L"Звук"},
    {107, "label_Music", kLabel, 12, 32, 30, 8, L"Музыка"},
    {108, "groupb_SystemSettings", kGroupBox, 3, 48, 97, 88, L"Системные установки:"},
    {109, "textb_Address", kTextBox, 8, 57, 25, 13, nullptr},
    {110, "textb_MidiPort", kTextBox, 8, 72, 25, 13, nullptr},
    {111, "combo_IRQ", kEditableCombo, 8, 88, 25, 77, nullptr},
    {112, "combo_Dma8", kEditableCombo, 8, 103, 25, 77, nullptr},
    {113, "combo_Dma16", kEditableCombo, 8, 119, 25, 77, nullptr},
    {114, "label_Address", kLabel, 38, 60, 58, 8, L"Адрес бластера"},
    {115, "label_MidiPort", kLabel, 38, 75, 58, 8, L"MIDI порт"},
    {116, "label_IRQ", kLabel, 38, 91, 58, 8, L"IRQ"},
    {117, "label_Dma8", kLabel, 38, 106, 58, 8, L"DMA 8"},
    {118, "label_Dma16", kLabel, 38, 122, 58, 8, L"DMA 16"},
    {119, "cb_SoundDefault", kButton, 3, 141, 100, 14, L"Установить по умолчанию"},
    {120, "label_BlasterNotFound", kLabel, 197, 15, 172, 34, nullptr},
    {121, "checkbox_BlasterOff", kAutoCheckBox, 195, 4, 124, 10, L"Саунд бластер отключен"},
    {122, "label_GeneralComment", kLabel, 120, 114, 252, 42, nullptr}});

const wt::FormTable kKeyboardTab = Page(L"ID_KeyboardTab", "KeyboardTab", {
    {101, "grid_Activities", kScrolledGrid, 3, 3, 266, 153, L""},
    {102, "label_Help", kLabel, 274, 6, 97, 56, nullptr},
    {103, "label_IsAssigned", kLabel, 272, 71, 101, 26, L""},
    {104, "cb_DefaultKeys", kButton, 275, 142, 96, 14, L"Установить по умолчанию"}});

const wt::FormTable kMouseTab = Page(L"ID_MouseTab", "MouseTab", {
    {101, "slider_Sensitivity", kSlider, 9, 10, 119, 14, L""},
    {102, "grid_Click", kGrid, 2, 31, 160, 45, L""},
    {103, "grid_DoubleClick", kGrid, 2, 79, 160, 45, L""},
    {104, "optb_AimingToggle", With(kRadio, WS_GROUP), 8, 134, 80, 9, L"Перекидывается"},
    {105, "optb_AimingMomentary", kRadio, 8, 144, 80, 9, L"Включается"},
    {106, "groupb_AnalogSetup", kGroupBox, 180, 58, 193, 98, L"Аналоговые установки:"},
    {107, "label_XAxis", kLabel, 195, 79, 7, 9, L" X"},
    {108, "label_YAxis", kLabel, 195, 92, 7, 10, L" Y"},
    {109, "label_XScale", kLabel, 190, 122, 20, 9, L"Ось X"},
    {110, "label_YScale", kLabel, 190, 138, 20, 8, L"Ось Y"},
    {111, "groupb_AxialSettings", kGroupBox, 183, 67, 186, 41, L"По осям:"},
    {112, "groupb_Scale", kGroupBox, 183, 109, 186, 44, L"Масштаб:"},
    {113, "grid_DigitalSetup", kGrid, 213, 2, 160, 56, L""},
    {114, "combo_XAxis", kDropDownList, 210, 76, 154, 77, L""},
    {115, "combo_YAxis", kDropDownList, 210, 90, 154, 77, L""},
    {116, "slider_XScale", kSlider, 216, 118, 119, 14, L""},
    {117, "slider_YScale", kSlider, 216, 134, 119, 14, L""},
    {118, "label_XScaleValue", kSunken, 339, 120, 21, 9, L""},
    {119, "label_YScaleValue", kSunken, 339, 136, 21, 9, L""},
    {120, "label_DigitalSetup", kLabel, 174, 9, 37, 21, nullptr},
    {121, "groupb_Sensitivity", kGroupBox, 2, 1, 160, 27, L"Чувствительность мыши:"},
    {122, "label_Sensitivity", kSunken, 133, 12, 21, 10, L""},
    {123, "groupb_AimingMode", kGroupBox, 2, 124, 92, 32, L"Прицеливание мышью:"},
    {125, "cb_DefaultMouse", With(kButton, BS_MULTILINE), 98, 130, 65, 26, nullptr}});

const wt::FormTable kJoystickTab = Page(L"ID_JoystickTab", "JoystickTab", {
    {101, "optb_Port1", With(kRadio, WS_GROUP), 10, 42, 36, 11, L"Порт 1"},
    {102, "optb_Port2", kRadio, 49, 42, 36, 11, L"Порт 2"},
    {104, "checkbox_Rudder", kCheckBox, 99, 42, 32, 11, L"Руль"},
    {105, "grid_Joystick", kScrolledGrid, 142, 2, 229, 56, L""},
    {106, "combo_XAxis", kDropDownList, 209, 76, 154, 77, L""},
    {107, "combo_YAxis", kDropDownList, 209, 90, 154, 77, L""},
    {108, "slider_XScale", kSlider, 215, 118, 119, 14, L""},
    {109, "slider_YScale", kSlider, 215, 134, 119, 14, L""},
    {110, "cb_JoystickDefault", kButton, 4, 142, 100, 14, L"Установить по умолчанию"},
    {111, "groupb_AnalogSetup", kGroupBox, 179, 58, 193, 98, L"Аналоговые установки:"},
    {112, "label_XAxis", kLabel, 194, 79, 7, 9, L" X"},
    {113, "label_YAxis", kLabel, 194, 92, 7, 10, L" Y"},
    {114, "label_XScale", kLabel, 189, 122, 20, 9, L"Ось X"},
    {115, "label_YScale", kLabel, 189, 138, 20, 8, L"Ось Y"},
    {116, "groupb_AxialSettings", kGroupBox, 182, 67, 186, 41, L"По осям:"},
    {117, "groupb_Scale", kGroupBox, 182, 109, 186, 44, L"Масштаб:"},
    {118, "label_XScaleValue", kSunken, 338, 120, 21, 9, L""},
    {119, "label_YScaleValue", kSunken, 338, 136, 21, 9, L""},
    {120, "groupb_Misc", kGroupBox, 2, 33, 137, 25, L"Разное"},
    {121, "label_Comment", kSunken, 2, 2, 137, 26, nullptr}});

const wt::FormTable kSystemTab = Page(L"ID_SystemTab", "SystemTab", {
    {101, "label_CfgName", With(kLabel, WS_GROUP), 5, 10, 104, 8, L"Имя файла конфигурации:"},
    {102, "textb_CfgName", With(kTextBox, WS_DISABLED), 125, 5, 128, 13, nullptr},
    {103, "checkbox_NameChangeEnabled", kAutoCheckBox, 127, 23, 125, 10,
     L"Менять имя файла разрешено"},
    {104, "groupb_ControllerType", kGroupBox, 2, 25, 105, 65, L"Управление:"},
    {105, "optb_KbdOnly", With(kAutoRadio, WS_GROUP), 7, 35, 96, 10, L"Только клавиатура"},
    {106, "optb_KbdAndMouse", kAutoRadio, 7, 48, 96, 10, L"Клавиатура и мышь"},
    {107, "optb_KbdAndJoystick", kAutoRadio, 7, 62, 96, 9, L"Клавиатура и джойстик"},
    {108, "optb_KbdAndGamePad", kAutoRadio, 7, 75, 96, 10, L"Клавиатура и Game Pad"},
    {109, "label_GeneralComment", kLabel, 129, 50, 241, 93, nullptr}});

const wt::FormTable kChooseActivityDialog{.templateName = L"ID_ChooseActivityDialog",
    .formName = "ChooseActivityDialog", .x = 126, .y = 98, .cx = 144, .cy = 106,
    .style = kCaptioned, .caption = L"", .items = {
    {101, "lb_ChooseActivity", kListBox, 0, 10, 85, 94, L""},
    {102, "cb_OK", kDefaultButton, 89, 10, 52, 14, L"OK"},
    {103, "cb_Cancel", kButton, 89, 25, 52, 14, L"Отмена"},
    {104, "pictb_ChooseActivity", kIcon, 107, 68, 22, 20, nullptr},
    {105, "label_ChooseActivity", kLabel, 0, 0, 70, 8, L"Выберите действие:"}}};
// clang-format on

class FormTemplatesTest : public ControlsPageTest {
 protected:
  void SetUp() override {
    ControlsPageTest::SetUp();
    actions.showHelp = ShowHelp;
    shipped_ = LoadLibraryExW((wt::TestProgramDir() + L"setupshell.exe").c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE);
  }
  void TearDown() override {
    if (shipped_) FreeLibrary(shipped_);
    ControlsPageTest::TearDown();
  }
  void Expect(const wt::FormTable& table, const tk::Form* live) {
    wt::ExpectFormMatches(table, shipped_, live);
  }
  HMODULE shipped_ = nullptr;
};

TEST_F(FormTemplatesTest, EachFormHasTheItemsOfItsTable) {
  ASSERT_NE(shipped_, nullptr);
  WriteConfig(NoSoundCard);
  ASSERT_TRUE(StartShell());
  Expect(kMainForm, main.get());
  Expect(kButtonBarForm, &main->ButtonBar());
  main->ButtonBar().pictbttn_Help.Click();
  Expect(kHelpForm, &main->ButtonBar().Help());
  main->ButtonBar().Help().Close();
  main->ButtonBar().Logo().Show();
  Expect(kLogoForm, &main->ButtonBar().Logo());
  main->ButtonBar().Logo().Close();
  auto mouse = [this]() -> MouseTab& { return *Form().FindPage<MouseTab>(); };
  ASSERT_TRUE(OpenSetup(
      {WhenOpen(), Do([&] {
         Expect(kSetupForm, &Form());
         const wt::FormTable* tables[] = {&kScreenTab, &kSoundTab,    &kKeyboardTab,
                                          &kMouseTab,  &kJoystickTab, &kSystemTab};
         for (int i = 0; i < int(std::size(tables)); ++i) Expect(*tables[i], Form().Page(i));
       }),
       SelectTab(3), DoubleClickCell([&]() -> tk::Grid& { return mouse().grid_Click; }, 0, 0),
       WhenChooserOpen([&]() -> ChooseActivityDialog& { return mouse().Chooser(); }), Do([&] {
         Expect(kChooseActivityDialog, &mouse().Chooser());
         mouse().Chooser().cb_Cancel.Click();
       }),
       WhenChooserClosed([&]() -> ChooseActivityDialog& { return mouse().Chooser(); }),
       PressKey(VK_ESCAPE)}));
}

}  // namespace
