// The disc's launcher window: two picture buttons, Install and Exit. When the game is
// installed, the installed shell starts by itself after two seconds and the program ends.
#pragma once

#include "toolkit/form.h"
#include "toolkit/picture_button.h"
#include "toolkit/timer.h"

inline constexpr UINT kShellStartDelayMs = 2000;

class AutoRunForm : public tk::Form {
 public:
  // Decides the installed flag, once: whether the installation key opens now.
  AutoRunForm();

  // For the tests.
  bool Installed() const { return installed_; }
  bool CountingDown() const { return timer_.Running(); }

  tk::PictureButton pictbttn_Install;
  tk::PictureButton pictbttn_Exit;

 private:
  void Register() override;
  void Created() override;
  void BindButton(tk::PictureButton& button, int id, const char* name);
  void CentreOnScreen();
  void StartInstalledShell();
  void StartInstaller();
  void End();

  const bool installed_;
  tk::Timer timer_;
};
