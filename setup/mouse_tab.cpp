#include "setup/mouse_tab.h"

void MouseTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("MouseTab");
}
