#include "screen_tab.h"

#include "setup_section.h"

ScreenTab::ScreenTab()
    : tk::Form(L"ID_ScreenTab"),
      screenWidth_(KzSetupSection::GetScreen_SetupEntry("ScreenWidth")),
      screenHeight_(KzSetupSection::GetScreen_SetupEntry("ScreenHeight")) {}

void ScreenTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("ScreenTab");
  Bind(groupb_Resolution, 101, "groupb_Resolution");
  Bind(optb_640x480, 102, "optb_640x480");
  Bind(optb_800x600, 103, "optb_800x600");
  optb_640x480.On(tk::Event::Click, [this](tk::EventArgs&) {
    Choose(640, 480);
    return true;
  });
  optb_800x600.On(tk::Event::Click, [this](tk::EventArgs&) {
    Choose(800, 600);
    return true;
  });
  On(tk::Event::Create, [this](tk::EventArgs&) {
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
