// The detlog.txt scan on arbitrary bytes, through the whole detection, with arbitrary device
// names and so arbitrary ports. Input: the aux device's name, LF, the MIDI input device's
// name, LF, the Windows folder, LF, then the log. There is no autoexec.bat.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/check_blaster.h"
#include "fuzz_support.h"

namespace {

struct LogSources : KzBlasterSources {
  std::string aux, midi, windowsDir;
  std::string_view log;
  std::string WindowsDirectory() const override { return windowsDir; }
  std::optional<std::string> AuxDeviceName() const override { return aux; }
  std::optional<std::string> MidiInDeviceName() const override { return midi; }
  std::FILE* Open(const std::string& path) const override {
    const bool atRoot =
        path.size() >= 11 && path.compare(path.size() - 11, 11, "\\detlog.txt") == 0;
    return atRoot ? fuzz::StreamOf(log) : nullptr;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  LogSources sources;
  sources.aux = fuzz::TakeLine(bytes);
  sources.midi = fuzz::TakeLine(bytes);
  sources.windowsDir = fuzz::TakeLine(bytes);
  sources.log = bytes;

  const int32_t auxPort = KzCheckBlaster::PortFromDeviceName(sources.aux);
  const int32_t midiPort = KzCheckBlaster::PortFromDeviceName(sources.midi);
  KzBlasterRecord record;
  const bool found = KzCheckBlaster(sources).Detect(record);
  const KzBlasterRecord untouched;
  if (found) {
    fuzz::Require(record.address == auxPort, "the card sits at the aux port");
    const bool ownMidiPort = midiPort != auxPort && midiPort != -1;
    fuzz::Require(record.midiPort == (ownMidiPort ? midiPort : untouched.midiPort),
                  "the MIDI port unless it is the aux port or the name gives none");
    fuzz::Require(record.emuPort == -1, "the log names no EMU port");
  } else {
    fuzz::Require(record.address == untouched.address && record.irq == untouched.irq &&
                      record.dma8 == untouched.dma8 && record.dma16 == untouched.dma16,
                  "nothing found, nothing changed");
  }
  return 0;
}
