// Tab 3 of the setup form: the mouse entries of the Controls section. The sensitivity and the
// two axis scales on sliders, the aiming mode on two option buttons, the activities of the
// buttons' clicks and double clicks and of digital mouse movement in three grids (each opens
// the activity chooser), and the functions of the two axes in combos. The page writes straight
// into the current entries; its button restores the mouse defaults.
//
// Ownership: the page's window owns the controls' windows; the page owns its chooser and the
// selection keeper of its three grids.
#pragma once

#include "config/setup_entry.h"
#include "setup/activity_grid.h"
#include "setup/analog_controls.h"
#include "setup/choose_activity_dialog.h"
#include "setup/grid_patch.h"
#include "setup/setup_page.h"
#include "toolkit/button.h"
#include "toolkit/grid.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/option_button.h"
#include "toolkit/slider.h"

inline constexpr const wchar_t* kDefaultMouseText = L"  Установить\r\nпо умолчанию";
inline constexpr const wchar_t* kDigitalSetupText = L"Цифровые\nустановки:";

// The grids' key lists. Button 1 of the file is the right button and button 2 the middle one,
// so the rows left, middle, right take buttons 0, 2, 1.
inline constexpr const char* kMouseClickKeys[] = {"MouseButton0", "MouseButton2", "MouseButton1"};
inline constexpr const char* kMouseDoubleClickKeys[] = {
    "MouseButtonClicked0", "MouseButtonClicked2", "MouseButtonClicked1"};
inline constexpr const char* kMouseDigitalKeys[] = {"MouseDigitalAxes1_0", "MouseDigitalAxes1_1",
                                                    "MouseDigitalAxes0_0", "MouseDigitalAxes0_1"};

class MouseTab : public SetupPage {
 public:
  // Registers the grids' window class, which the page's template names, and looks up the
  // entries the page edits.
  MouseTab();

  tk::Slider slider_Sensitivity;
  tk::Grid grid_Click;
  tk::Grid grid_DoubleClick;
  tk::OptionButton optb_AimingToggle;
  tk::OptionButton optb_AimingMomentary;
  tk::Grid grid_DigitalSetup;
  tk::Label label_DigitalSetup;
  tk::GroupBox groupb_Sensitivity;
  tk::Label label_Sensitivity;
  tk::GroupBox groupb_AimingMode;
  tk::Button cb_DefaultMouse;
  // The X and Y axes' functions and scales (MouseAnalogAxes0 and 1, MouseAnalogScale0 and 1).
  AnalogControls analog;

  ChooseActivityDialog& Chooser() { return chooser_; }
  const KzGridPatch& GridPatch() const { return gridPatch_; }

 private:
  void Register() override;
  void BindControls();
  void RegisterAiming();
  void RegisterButton();
  void ShowAiming();
  void Reset();

  KzSetupEntry* sensitivity_;
  KzSetupEntry* aiming_;
  ChooseActivityDialog chooser_;
  KzGridPatch gridPatch_;
  ActivityGrid clicks_;
  ActivityGrid doubleClicks_;
  ActivityGrid digital_;
};
