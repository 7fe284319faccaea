#include "setup/joystick_tab.h"

void JoystickTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("JoystickTab");
}
