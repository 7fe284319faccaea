#include "setup/sound_tab.h"

void SoundTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("SoundTab");
}
