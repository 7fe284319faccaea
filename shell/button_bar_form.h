// The bar of four picture buttons under the main window's picture. It owns the forms that
// the buttons open, the logo window and the record of the last game process started.
#pragma once

#include <functional>

#include "shell/help_form.h"
#include "shell/logo_form.h"
#include "setup/setup_form.h"
#include "toolkit/form.h"
#include "toolkit/picture_button.h"
#include "toolkit/process.h"

class MainForm;

class ButtonBarForm : public tk::Form {
 public:
  explicit ButtonBarForm(MainForm& main);

  MainForm& Main() { return main_; }
  tk::Process& GameProcess() { return gameProcess_; }
  LogoForm& Logo() { return logo_; }
  SetupForm& Setup() { return setup_; }
  HelpForm& Help() { return help_; }
  // True while the last game started is still running: every click is then ignored.
  bool IsBusy() const { return gameProcess_.IsActive(); }
  // Centred horizontally, its top at 77 % of the screen height.
  void Place();

  tk::PictureButton pictbttn_Game;
  tk::PictureButton pictbttn_Help;
  tk::PictureButton pictbttn_Setup;
  tk::PictureButton pictbttn_Exit;

 private:
  void Register() override;
  void Created() override;
  INT_PTR RawMessage(UINT message, WPARAM w, LPARAM l, bool& handled) override;
  void BindButton(tk::PictureButton& button, int id, const char* name,
                  std::function<void()> action);

  MainForm& main_;
  tk::Process gameProcess_;
  LogoForm logo_;
  SetupForm setup_;
  HelpForm help_;
};
