#include "detect_command.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "config/config_writer.h"
#include "config/file_io.h"
#include "config/setup_section.h"

namespace {

// The Windows folder is C:\WINDOWS; the two files stand at C:\ when they are given.
class GivenSources : public KzBlasterSources {
 public:
  explicit GivenSources(const DetectionInputs& inputs) : inputs_(inputs) {}
  std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
  std::optional<std::string> AuxDeviceName() const override { return inputs_.aux; }
  std::optional<std::string> MidiInDeviceName() const override { return inputs_.midi; }
  std::FILE* Open(const std::string& path) const override {
    if (path == "C:\\autoexec.bat") return OpenGiven(inputs_.autoexec);
    if (path == "C:\\detlog.txt") return OpenGiven(inputs_.detlog);
    return nullptr;
  }

 private:
  // The files were found readable before the detection ran; one that has gone since counts
  // as missing.
  static std::FILE* OpenGiven(const std::optional<std::string>& path) {
    if (!path) return nullptr;
    std::FILE* file = kz::OpenForReading(*path);
    if (!file)
      std::fprintf(stderr, "voltcfg: cannot open \"%s\", taken as missing\n", path->c_str());
    return file;
  }
  const DetectionInputs& inputs_;
};

}  // namespace

bool TakeDetectionOptions(int argc, char** argv, DetectionInputs& inputs,
                          std::vector<std::string>& rest) {
  for (int i = 0; i < argc; ++i) {
    const std::string argument = argv[i];
    std::optional<std::string>* value = argument == "--autoexec" ? &inputs.autoexec
                                        : argument == "--detlog" ? &inputs.detlog
                                        : argument == "--aux"    ? &inputs.aux
                                        : argument == "--midi"   ? &inputs.midi
                                                                 : nullptr;
    if (!value) {
      rest.push_back(argument);
      continue;
    }
    if (i + 1 >= argc) return false;
    *value = argv[++i];
  }
  return true;
}

bool DetectInto(const DetectionInputs& inputs, KzBlasterRecord& record) {
  GivenSources sources(inputs);
  if (!KzCheckBlaster(sources).Detect(record)) return false;
  KzCheckBlaster::StoreDefaults(record);
  return true;
}

std::string DetectionReport(bool found, const KzBlasterRecord& r) {
  char line[160];
  std::snprintf(line, sizeof line,
                "found=%d address=0x%X midi=0x%X irq=%d dma8=%d dma16=%d emu=%d\n", found ? 1 : 0,
                unsigned(r.address), unsigned(r.midiPort), r.irq, r.dma8, r.dma16, r.emuPort);
  KzSetupSection::SetDefaults(nullptr, nullptr);
  const std::string file = FormatConfig();
  const size_t begin = file.find("[Sound Setup]\r\n");
  const size_t end = file.find("\r\n[", begin);
  return line + file.substr(begin, end == std::string::npos ? end : end + 2 - begin);
}
