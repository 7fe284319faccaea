#include "setup/keyboard_tab.h"

void KeyboardTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("KeyboardTab");
}
