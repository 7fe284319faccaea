// The toolkit's control wrappers on a form of their own: option buttons, check box, combo
// box with item values, label with a font text, picture box and the tab control's pages.
#include <gmock/gmock.h>

#include <windows.h>
#include <commctrl.h>

#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/font.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/option_button.h"
#include "toolkit/picture_box.h"
#include "toolkit/tab_control.h"
#include "win_harness.h"

using ::testing::ElementsAre;

namespace {

class ControlsForm : public tk::Form {
 public:
  ControlsForm() : tk::Form(L"ID_ControlsForm") {}
  tk::GroupBox groupb_Choice;
  tk::OptionButton optb_One, optb_Two;
  tk::CheckBox checkbox_Flag;
  tk::ComboBox combo_Values;
  tk::Label label_Text;
  tk::PictureBox pictb_Icon;
  tk::TabControl tabctrl_Pages;
  std::vector<std::string> log;

  // Sends the control's own notification, as a choice of the player does.
  void Notify(tk::Control& control, WORD code) {
    SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(control.id(), code),
                 reinterpret_cast<LPARAM>(control.hwnd()));
  }

 private:
  void Register() override {
    Bind(groupb_Choice, 101, "groupb_Choice");
    Bind(optb_One, 102, "optb_One");
    Bind(optb_Two, 103, "optb_Two");
    Bind(checkbox_Flag, 104, "checkbox_Flag");
    Bind(combo_Values, 105, "combo_Values");
    Bind(label_Text, 106, "label_Text");
    Bind(pictb_Icon, 107, "pictb_Icon");
    Bind(tabctrl_Pages, 108, "tabctrl_Pages");
    for (tk::Control* c : std::initializer_list<tk::Control*>{&optb_One, &optb_Two, &checkbox_Flag})
      c->On<tk::Event::Click>([this, c] {
        log.push_back("click " + c->name());
        return true;
      });
    combo_Values.On<tk::Event::Select>([this] {
      log.push_back("select " + std::to_string(combo_Values.ItemValue(combo_Values.Selected())));
      return true;
    });
  }
};

class ControlsPage : public tk::Form {
 public:
  ControlsPage() : tk::Form(L"ID_ControlsPage") {}

 private:
  void Register() override {}
};

TEST(ControlsTest, ButtonsAndComboBoxRaiseEventsOnlyForThePlayersChoices) {
  ControlsForm form;
  ASSERT_TRUE(form.Create(nullptr));
  // Checking from code: the other button of the group is unchecked, and nothing is clicked.
  form.optb_One.SetChecked(true);
  form.optb_Two.SetChecked(true);
  EXPECT_FALSE(form.optb_One.IsChecked());
  EXPECT_TRUE(form.optb_Two.IsChecked());
  form.checkbox_Flag.SetChecked(true);
  EXPECT_TRUE(form.checkbox_Flag.IsChecked());
  EXPECT_TRUE(form.log.empty());
  // Clicks as the player's.
  form.optb_One.Click();
  EXPECT_TRUE(form.optb_One.IsChecked());
  EXPECT_FALSE(form.optb_Two.IsChecked());
  form.checkbox_Flag.Click();
  EXPECT_FALSE(form.checkbox_Flag.IsChecked());
  EXPECT_THAT(form.log, ElementsAre("click optb_One", "click checkbox_Flag"));
  form.log.clear();

  tk::ComboBox& combo = form.combo_Values;
  EXPECT_EQ(combo.AddItem(L"Нет", 0), 0);
  EXPECT_EQ(combo.AddItem(L"Порт 220", 0x220), 1);
  EXPECT_EQ(combo.AddItem(L"Порт 240", 0x240), 2);
  EXPECT_EQ(combo.Count(), 3);
  EXPECT_EQ(combo.ItemText(1), L"Порт 220");
  EXPECT_EQ(combo.Selected(), -1);
  EXPECT_TRUE(combo.SelectByValue(0x240));
  EXPECT_EQ(combo.Selected(), 2);
  EXPECT_FALSE(combo.SelectByValue(0x260));
  EXPECT_EQ(combo.Selected(), -1);
  EXPECT_TRUE(form.log.empty());
  combo.Select(1);
  form.Notify(combo, CBN_SELCHANGE);
  EXPECT_THAT(form.log, ElementsAre("select 544"));
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
  EXPECT_EQ(combo.ItemText(0), L"");
}

TEST(ControlsTest, TheTabControlShowsOnlyTheSelectedPageOverItsDisplayArea) {
  const long gdi = tk::LiveObjects::Gdi();
  {
    ControlsForm form;
    ASSERT_TRUE(form.Create(nullptr));
    ShowWindow(form.hwnd(), SW_SHOW);
    tk::TabControl& tabs = form.tabctrl_Pages;
    ControlsPage first, second;
    ASSERT_TRUE(first.Create(form.hwnd()));
    ASSERT_TRUE(second.Create(form.hwnd()));
    tabs.InsertTab(0, L"Первая");
    tabs.InsertTab(1, L"Вторая");
    tabs.AttachPage(0, first.hwnd());
    tabs.AttachPage(1, second.hwnd());
    EXPECT_EQ(tabs.Count(), 2);
    EXPECT_EQ(tabs.Caption(1), L"Вторая");
    EXPECT_EQ(tabs.Caption(5), L"");
    EXPECT_TRUE(IsWindowVisible(first.hwnd()));
    EXPECT_FALSE(IsWindowVisible(second.hwnd()));
    tabs.Select(1);
    EXPECT_EQ(tabs.Selected(), 1);
    EXPECT_FALSE(IsWindowVisible(first.hwnd()));
    EXPECT_TRUE(IsWindowVisible(second.hwnd()));
    // The page sits at the display area's corner, above the tab control.
    const RECT page = wt::WindowRect(second.hwnd(), form.hwnd()), area = tabs.DisplayArea();
    EXPECT_EQ(page.left, area.left);
    EXPECT_EQ(page.top, area.top);
    EXPECT_GT(area.top, wt::WindowRect(tabs.hwnd(), form.hwnd()).top);
    POINT inside{area.left + 2, area.top + 2};
    EXPECT_EQ(ChildWindowFromPointEx(form.hwnd(), inside, CWP_SKIPINVISIBLE), second.hwnd());
    EXPECT_EQ(tabs.Page(1), second.hwnd());
    EXPECT_EQ(tabs.Page(2), nullptr);

    // The picture box shows an icon it does not own and moves without resizing.
    tk::IconHandle icon(static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(100), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    form.pictb_Icon.SetIcon(icon.get());
    EXPECT_EQ(form.pictb_Icon.Icon(), icon.get());
    const RECT before = form.pictb_Icon.WindowRect();
    form.pictb_Icon.MoveTo(40, form.pictb_Icon.Position().y);
    EXPECT_EQ(form.pictb_Icon.Position().x, 40);
    const RECT after = form.pictb_Icon.WindowRect();
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    form.pictb_Icon.SetIcon(nullptr);

    // A label's own font lives as long as the label: one font, replaced, not added.
    const long withoutFont = tk::LiveObjects::Gdi();
    form.label_Text.SetFontText("12.Courier.CharSet=204");
    form.label_Text.SetFontText("10.MS Sans Serif.Bold.CharSet=204");
    EXPECT_EQ(tk::LiveObjects::Gdi(), withoutFont + 1);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(form.label_Text.Send(WM_GETFONT)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, 204);
  }
  EXPECT_EQ(tk::LiveObjects::Gdi(), gdi);
}

HFONT FontOf(tk::Control& control) { return reinterpret_cast<HFONT>(control.Send(WM_GETFONT)); }

tk::FontHandle FontWith(LONG height, LONG weight, BYTE quality, const wchar_t* face,
                        BYTE charSet = DEFAULT_CHARSET) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfQuality = quality;
  lf.lfCharSet = charSet;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  return tk::FontHandle(CreateFontIndirectW(&lf));
}

// Alike means drawn alike: the default weight is the normal one and the qualities that follow
// the system's smoothing are one; any other difference counts.
TEST(ControlsTest, FontsLookAlikeOnlyWhenTheyDrawTheSame) {
  const auto plain = FontWith(-11, FW_NORMAL, DEFAULT_QUALITY, L"MS Sans Serif");
  EXPECT_TRUE(tk::FontsLookAlike(plain.get(), plain.get()));
  EXPECT_TRUE(tk::FontsLookAlike(
      plain.get(), FontWith(-11, FW_DONTCARE, PROOF_QUALITY, L"ms sans serif").get()));
  EXPECT_FALSE(tk::FontsLookAlike(plain.get(),
                                  FontWith(-11, FW_BOLD, DEFAULT_QUALITY, L"MS Sans Serif").get()));
  EXPECT_FALSE(tk::FontsLookAlike(
      plain.get(), FontWith(-13, FW_NORMAL, DEFAULT_QUALITY, L"MS Sans Serif").get()));
  EXPECT_FALSE(
      tk::FontsLookAlike(plain.get(), FontWith(-11, FW_NORMAL, DEFAULT_QUALITY, L"Courier").get()));
  EXPECT_FALSE(tk::FontsLookAlike(
      plain.get(), FontWith(-11, FW_NORMAL, NONANTIALIASED_QUALITY, L"MS Sans Serif").get()));
  EXPECT_FALSE(tk::FontsLookAlike(
      plain.get(), FontWith(-11, FW_NORMAL, DEFAULT_QUALITY, L"MS Sans Serif", 204).get()));
  EXPECT_FALSE(tk::FontsLookAlike(plain.get(), nullptr));
}

// The form's font reaches every control that does not already draw with a font like it: the
// template's own font stays where it is the same, any other font is replaced.
TEST(ControlsTest, AFormsFontReplacesOnlyTheControlsFontsThatDrawOtherwise) {
  ControlsForm form;
  ASSERT_TRUE(form.Create(nullptr));
  const HFONT templateFont = FontOf(form.combo_Values);
  ASSERT_TRUE(templateFont);
  form.SetFont("8.MS Sans Serif");
  EXPECT_EQ(FontOf(form.combo_Values), templateFont);
  EXPECT_TRUE(tk::FontsLookAlike(FontOf(form.label_Text), form.Font()));

  form.SetFont("10.MS Sans Serif.Bold.CharSet=204");
  EXPECT_EQ(FontOf(form.combo_Values), form.Font());
  EXPECT_EQ(FontOf(form.label_Text), form.Font());
  EXPECT_EQ(FontOf(form.optb_One), form.Font());
  // The same font text again: the controls leave the form's old font, which goes.
  form.SetFont("10.MS Sans Serif.Bold.CharSet=204");
  EXPECT_EQ(FontOf(form.combo_Values), form.Font());
  EXPECT_EQ(FontOf(form.label_Text), form.Font());
  form.Destroy();
}

}  // namespace
