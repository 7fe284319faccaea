#include "setup/screen_tab.h"

#include "setup/screen_tab_ids.h"

#include "config/setup_section.h"

ScreenTab::ScreenTab()
    : SetupPage(L"ID_ScreenTab"),
      screenWidth_(KzSetupSection::GetScreen_SetupEntry("ScreenWidth")),
      screenHeight_(KzSetupSection::GetScreen_SetupEntry("ScreenHeight")) {}

void ScreenTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("ScreenTab");
  Bind(TK_ITEM(groupb_Resolution));
  Bind(TK_ITEM(optb_640x480));
  Bind(TK_ITEM(optb_800x600));
  optb_640x480.On<tk::Event::Click>([this] {
    Choose(640, 480);
    return true;
  });
  optb_800x600.On<tk::Event::Click>([this] {
    Choose(800, 600);
    return true;
  });
  On<tk::Event::Create>([this] {
    ShowResolution();
    // The Tab key, posted to the page itself: the dialog's keyboard navigation takes it
    // once the modal loop runs.
    PostMessageW(hwnd(), WM_KEYDOWN, VK_TAB, 0);
    return false;
  });
}

// Only 800 counts as the larger choice; the height is not consulted.
void ScreenTab::ShowResolution() {
  const bool large = screenWidth_ && screenWidth_->value == 800;
  (large ? optb_800x600 : optb_640x480).SetChecked(true);
}

// Both entries are written on every click, also on the button that was already checked.
void ScreenTab::Choose(int width, int height) {
  if (screenWidth_) screenWidth_->value = width;
  if (screenHeight_) screenHeight_->value = height;
}
