// Tab 5 of the setup form: the game's controller type (ControllerType of the current Controls
// table) and the name of the current configuration file, which is stored in the installation
// settings at every change. It also shows a fixed hint about the settings of the game itself.
//
// The name must be a plain file name in the game's folder. While the player types, only usable
// names are stored; when the player leaves the box, or closes the dialog, with a typed name that
// cannot be used, a message says so and the focus goes back to the box.
#pragma once

#include <string>

#include "config/setup_entry.h"
#include "setup/setup_page.h"
#include "toolkit/check_box.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/option_button.h"
#include "toolkit/text_box.h"

extern const wchar_t* const kGeneralComment;

// The refusal of a typed configuration file name; it shows the name, shortened when long.
std::wstring UnusableCfgNameMessage(const std::wstring& typed);

class SystemTab : public SetupPage {
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

  // True when the player typed a name that cannot be used (and that is therefore not stored).
  bool HasUnusableInput() const override;
  // Tells the player that the typed name cannot be used and puts the focus back in the box
  // (true). A box the player has meanwhile disabled gets the stored name back instead (false).
  bool RefuseUnusableInput() override;

 private:
  void Register() override;
  void Created() override;
  void BindControls();
  void OnControllerClick(tk::OptionButton& button, int controllerType);
  void RegisterNameHandlers();
  void ShowControllerType();
  void StoreTypedName();
  void ShowStoredName();
  void CheckNameAfterLeaving();

  KzSetupEntry* controllerType_;
  bool edited_ = false;  // the player has changed the name since the page opened
};
