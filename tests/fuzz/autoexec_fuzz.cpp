// The BLASTER scan of autoexec.bat on arbitrary bytes, through the whole detection: the file
// is offered at the Windows drive's root, and the system has no aux or MIDI device, so the
// detection's answer is the scan's alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/check_blaster.h"
#include "fuzz_support.h"

namespace {

struct AutoexecOnly : KzBlasterSources {
  std::string_view bytes;
  mutable int opened = 0;
  std::string WindowsDirectory() const override { return "D:\\WIN98"; }
  std::optional<std::string> AuxDeviceName() const override { return std::nullopt; }
  std::optional<std::string> MidiInDeviceName() const override { return std::nullopt; }
  std::FILE* Open(const std::string& path) const override {
    if (path != "D:\\autoexec.bat") return nullptr;
    ++opened;
    return fuzz::StreamOf(bytes);
  }
};

bool SameRecord(const KzBlasterRecord& a, const KzBlasterRecord& b) {
  return a.address == b.address && a.midiPort == b.midiPort && a.irq == b.irq && a.dma8 == b.dma8 &&
         a.dma16 == b.dma16 && a.emuPort == b.emuPort;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AutoexecOnly sources;
  sources.bytes = std::string_view(reinterpret_cast<const char*>(data), size);
  KzBlasterRecord record;
  record.address = 0x7777;  // a value no scan writes unless a card is found
  const KzBlasterRecord before = record;
  const bool found = KzCheckBlaster(sources).Detect(record);
  fuzz::Require(sources.opened == 1, "autoexec.bat opened once");
  if (!found) fuzz::Require(SameRecord(record, before), "nothing found, nothing changed");

  // The scan on the stream directly agrees with the detection.
  std::FILE* stream = fuzz::StreamOf(sources.bytes);
  KzBlasterRecord direct;  // starts as the detection's own record does
  const bool scanned = KzCheckBlaster::ScanAutoexec(stream, direct);
  std::fclose(stream);
  fuzz::Require(scanned == found, "the scan and the detection agree");
  if (found) fuzz::Require(SameRecord(direct, record), "the same card both ways");
  return 0;
}
