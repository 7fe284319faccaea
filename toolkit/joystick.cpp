#include "toolkit/joystick.h"

#include <windows.h>
#include <mmsystem.h>

namespace tk {

namespace {

class WinmmJoysticks : public JoystickSource {
 public:
  // Windows answers JOYERR_UNPLUGGED for a port without a device, Wine JOYERR_PARMS: only
  // JOYERR_NOERROR means that a joystick is there. The hat comes in hundredths of a degree
  // (JOY_RETURNPOVCTS), so that a diagonal reads as one rather than as its nearest direction.
  std::optional<JoystickReading> Read(unsigned id) override {
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNBUTTONS | JOY_RETURNPOV | JOY_RETURNPOVCTS;
    if (joyGetPosEx(id, &info) != JOYERR_NOERROR) return std::nullopt;
    return JoystickReading{info.dwButtons, info.dwPOV};
  }
};

}  // namespace

JoystickSource& SystemJoysticks() {
  static WinmmJoysticks joysticks;
  return joysticks;
}

}  // namespace tk
