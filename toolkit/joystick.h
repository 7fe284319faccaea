// Game controllers as the multimedia joystick interface sees them: the buttons held and the
// direction of the hat. Pages read a JoystickSource, so that a test can stand a device of its
// own in for the system's.
#pragma once

#include <cstdint>
#include <optional>

namespace tk {

// The hat is centred: no direction held.
inline constexpr uint32_t kHatCentred = 0xFFFF;

struct JoystickReading {
  uint32_t buttons = 0;        // bit 0 is the device's button 1
  uint32_t hat = kHatCentred;  // hundredths of a degree clockwise from up (9000 is right)
};

class JoystickSource {
 public:
  virtual ~JoystickSource() = default;
  // The joystick the system numbers `id` (0 is its first); none when no joystick is there.
  virtual std::optional<JoystickReading> Read(unsigned id) = 0;
};

// The system's joysticks, read with joyGetPosEx. The source keeps no state of its own.
JoystickSource& SystemJoysticks();

}  // namespace tk
