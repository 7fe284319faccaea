// Tab 5 of the setup form: the game's controller type (ControllerType of the current Controls
// table) and the name of the current configuration file, which is stored in the installation
// settings at every change. It also shows a fixed hint about the settings of the game itself.
#pragma once

#include "config/setup_entry.h"
#include "toolkit/check_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/option_button.h"
#include "toolkit/text_box.h"

extern const wchar_t* const kGeneralComment;

class SystemTab : public tk::Form {
 public:
  // Looks up ControllerType in the current tables.
  SystemTab();

  tk::Label label_CfgName;
  tk::TextBox textb_CfgName;
  tk::CheckBox checkbox_NameChangeEnabled;
  tk::GroupBox groupb_ControllerType;
  tk::OptionButton optb_KbdOnly;
  tk::OptionButton optb_KbdAndMouse;
  tk::OptionButton optb_KbdAndJoystick;
  tk::OptionButton optb_KbdAndGamePad;
  tk::Label label_GeneralComment;

 private:
  void Register() override;
  void Created() override;
  void BindControls();
  void OnControllerClick(tk::OptionButton& button, int controllerType);
  void RegisterNameHandlers();
  void ShowControllerType();
  void StoreTypedName();

  KzSetupEntry* controllerType_;
};
