// Tab 4 of the setup form: the joystick's and the game pad's buttons and axes. The page is the
// form's child window; its controls come with the page's own template.
#pragma once

#include "toolkit/form.h"

class JoystickTab : public tk::Form {
 public:
  JoystickTab() : tk::Form(L"ID_JoystickTab") {}

 private:
  void Register() override;
};
