// Tab 4 of the setup form: the joystick and game-pad entries of the Controls section. The game
// port on two option buttons, the rudder on a check box, one grid of 24 rows for the buttons,
// the hat directions and the digital directions of both devices (each row opens the activity
// chooser), and the function and scale of the joystick's X and Y axes. The page writes
// straight into the current entries; its button restores the joystick and game-pad defaults.
// While the page is shown, the grid marks the rows of the buttons and hat directions that the
// joystick on the chosen port holds (JoystickWatch): "Порт 1" is the system's joystick 0,
// "Порт 2" its joystick 1.
//
// Ownership: the page's window owns the controls' windows; the page owns its chooser, the
// selection keeper of its grid and the watch of the device.
#pragma once

#include "config/setup_entry.h"
#include "setup/activity_grid.h"
#include "setup/analog_controls.h"
#include "setup/choose_activity_dialog.h"
#include "setup/grid_patch.h"
#include "setup/joystick_watch.h"
#include "setup/setup_page.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/grid.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/option_button.h"

inline constexpr const wchar_t* kJoystickComment =
    L"Все, что в графе \"выбор\" обозначено\nсловом \"кнопка\", является общим как\nдля "
    L"джойстика, так и для game pad'а";

// The grid's rows: groups of four, each row with its Controls entry. The hat's directions up,
// down, left, right are buttons 4, 6, 7, 5 of the file; axis 1 runs forward and backward.
inline constexpr int kJoystickRows = 24;
inline constexpr const char* kJoystickKeys[kJoystickRows] = {
    "JoystickButton0",        "JoystickButton1",        "JoystickButton2",
    "JoystickButton3",        "JoystickButtonClicked0", "JoystickButtonClicked1",
    "JoystickButtonClicked2", "JoystickButtonClicked3", "JoystickButton4",
    "JoystickButton6",        "JoystickButton7",        "JoystickButton5",
    "JoystickButtonClicked4", "JoystickButtonClicked6", "JoystickButtonClicked7",
    "JoystickButtonClicked5", "JoystickDigitalAxes1_0", "JoystickDigitalAxes1_1",
    "JoystickDigitalAxes0_0", "JoystickDigitalAxes0_1", "GamePadDigitalAxes1_0",
    "GamePadDigitalAxes1_1",  "GamePadDigitalAxes0_0",  "GamePadDigitalAxes0_1"};

class JoystickTab : public SetupPage {
 public:
  // Registers the grid's window class, which the page's template names, and looks up the
  // entries the page edits.
  JoystickTab();

  tk::OptionButton optb_Port1;
  tk::OptionButton optb_Port2;
  tk::CheckBox checkbox_Rudder;
  tk::Grid grid_Joystick;
  tk::Button cb_JoystickDefault;
  tk::GroupBox groupb_Misc;
  tk::Label label_Comment;
  // The X and Y axes' functions and scales (JoystickAnalogAxes0 and 1, JoystickAnalogScale0
  // and 1).
  AnalogControls analog;

  ChooseActivityDialog& Chooser() { return chooser_; }

 private:
  void Register() override;
  void ShownOrHidden(bool) override { WatchDevice(); }
  void BindControls();
  void RegisterDevice();
  void FillFixedTexts();
  void ShowDevice();
  void WatchDevice();
  void Reset();

  KzSetupEntry* port_;
  KzSetupEntry* rudder_;
  ChooseActivityDialog chooser_;
  KzGridPatch gridPatch_;
  ActivityGrid rows_;
  JoystickWatch watch_;
};
