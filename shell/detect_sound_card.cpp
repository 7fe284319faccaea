// The start-up sound-card detection on this machine's own inputs: the Windows folder, the
// product names of the first aux and MIDI input devices, and the files at the drive's root.
#include <windows.h>
#include <mmsystem.h>

#include "config/check_blaster.h"
#include "shell/shell_actions.h"
#include "toolkit/text.h"

namespace {

class WindowsBlasterSources : public KzBlasterSources {
 public:
  std::string WindowsDirectory() const override {
    wchar_t path[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? tk::Narrow(path) : std::string();
  }
  std::optional<std::string> AuxDeviceName() const override {
    AUXCAPSW caps{};
    if (auxGetNumDevs() < 1 || auxGetDevCapsW(0, &caps, sizeof caps) != MMSYSERR_NOERROR)
      return std::nullopt;
    return tk::Narrow(caps.szPname);
  }
  std::optional<std::string> MidiInDeviceName() const override {
    MIDIINCAPSW caps{};
    if (midiInGetNumDevs() < 1 || midiInGetDevCapsW(0, &caps, sizeof caps) != MMSYSERR_NOERROR)
      return std::nullopt;
    return tk::Narrow(caps.szPname);
  }
};

}  // namespace

// A found card becomes the Sound Setup defaults before the start-up configuration check may
// write them into a new file.
bool DetectSoundCard() {
  WindowsBlasterSources sources;
  KzBlasterRecord record;
  if (!KzCheckBlaster(sources).Detect(record)) return false;
  KzCheckBlaster::StoreDefaults(record);
  return true;
}
