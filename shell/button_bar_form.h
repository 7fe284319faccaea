// The bar of four picture buttons under the main window's picture. It owns the forms that
// the buttons open, the logo window and the record of the last game process started. What the
// buttons do beyond the bar, the main window hands over.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/help_form.h"
#include "shell/logo_form.h"
#include "setup/setup_form.h"
#include "toolkit/form.h"
#include "toolkit/picture_button.h"
#include "toolkit/process.h"

// A click that the busy test lets through plays the click sounds, then the button's action.
struct ButtonBarActions {
  std::function<void()> playClickSounds;
  std::function<void()> game;
  std::function<void()> help;
  std::function<void()> setup;
};

class ButtonBarForm : public tk::Form {
 public:
  // `mainWindow`: the window behind the logo window, repainted where the logo covered it.
  ButtonBarForm(HWND mainWindow, ButtonBarActions actions);

  tk::Process& GameProcess() { return gameProcess_; }
  LogoForm& Logo() { return logo_; }
  SetupForm& Setup() { return setup_; }
  HelpForm& Help() { return help_; }
  // True while the last game started is still running: every click is then ignored.
  bool IsBusy() const { return gameProcess_.IsActive(); }

  tk::PictureButton pictbttn_Game;
  tk::PictureButton pictbttn_Help;
  tk::PictureButton pictbttn_Setup;
  tk::PictureButton pictbttn_Exit;

 private:
  void Register() override;
  void Created() override;
  INT_PTR RawMessage(UINT message, WPARAM w, LPARAM l, bool& handled) override;
  // Centred horizontally, its top at 77 % of the screen height.
  void Place();
  void BindButton(tk::PictureButton& button, int id, const char* name,
                  std::function<void()> action);

  ButtonBarActions actions_;
  tk::Process gameProcess_;
  LogoForm logo_;
  SetupForm setup_;
  HelpForm help_;
};
