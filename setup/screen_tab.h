// Tab 0 of the setup form: the game's screen resolution, 640 x 480 ("Pentium") or 800 x 600
// ("Pentium II"), written into ScreenWidth and ScreenHeight of the current Screen Setup table.
#pragma once

#include "config/setup_entry.h"
#include "setup/setup_page.h"
#include "toolkit/group_box.h"
#include "toolkit/option_button.h"

class ScreenTab : public SetupPage {
 public:
  // Looks up the two entries in the current tables.
  ScreenTab();

  tk::GroupBox groupb_Resolution;
  tk::OptionButton optb_640x480;
  tk::OptionButton optb_800x600;

 private:
  void Register() override;
  void ShowResolution();
  void Choose(int width, int height);

  KzSetupEntry* screenWidth_;
  KzSetupEntry* screenHeight_;
};
