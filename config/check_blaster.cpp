#include "config/check_blaster.h"

#include <memory>

#include "config/file_io.h"
#include "config/scan_line.h"
#include "config/setup_section.h"
#include "config/text_number.h"

namespace {

constexpr size_t kLinePiece = 258;  // characters of one read, as a 259-byte buffer holds
constexpr int kCtrlZ = 0x1A;        // ends a file read in text mode

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// The drive of a path such as "C:\WINDOWS" ("C:"); none for a path without one.
std::string DriveOf(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string();
}

// "IO=220-22F,..." for the port: the rest of the line is read in hex mode.
bool IsIoLine(const char* line, int32_t port) {
  KzScanLine scan(line, 0);
  if (scan.NextToken() != kTokIdentifier || !scan.TextEquals("io", false)) return false;
  scan.SetHexMode(1);
  if (scan.NextToken() != kTokEquals) return false;
  return scan.NextToken() == kTokHexNumber && scan.Value() == port;
}

// "IRQ=5"; a number that starts with 0 is no decimal number, so "IRQ=0" is not one.
bool ReadIrqLine(const char* line, int32_t& irq) {
  KzScanLine scan(line, 0);
  if (scan.NextToken() != kTokIdentifier || !scan.TextEquals("irq", false)) return false;
  if (scan.NextToken() != kTokEquals || scan.NextToken() != kTokDecNumber) return false;
  irq = scan.Value();
  return true;
}

// "DMA=1,5" or "DMA=1": the second channel only when present.
bool ReadDmaLine(const char* line, int32_t& dma8, std::optional<int32_t>& dma16) {
  KzScanLine scan(line, 0);
  if (scan.NextToken() != kTokIdentifier || !scan.TextEquals("dma", false)) return false;
  if (scan.NextToken() != kTokEquals || scan.NextToken() != kTokDecNumber) return false;
  dma8 = scan.Value();
  dma16.reset();
  if (scan.NextToken() == kTokComma && scan.NextToken() == kTokDecNumber) dma16 = scan.Value();
  return true;
}

}  // namespace

std::FILE* KzBlasterSources::Open(const std::string& path) const {
  return kz::OpenForReading(path);
}

bool KzCheckBlaster::Detect(KzBlasterRecord& record) const {
  KzBlasterRecord found;
  if (File autoexec{OpenAtRoot("autoexec.bat")}; autoexec && ScanAutoexec(autoexec.get(), found)) {
    record = found;
    return true;
  }
  const std::optional<std::string> aux = sources_.AuxDeviceName();
  const std::optional<std::string> midi = sources_.MidiInDeviceName();
  if (!aux || !midi) return false;
  File log{OpenAtRoot("detlog.txt")};
  if (!log ||
      !ScanDetectionLog(log.get(), PortFromDeviceName(*aux), PortFromDeviceName(*midi), found))
    return false;
  record = found;
  return true;
}

std::FILE* KzCheckBlaster::OpenAtRoot(const char* name) const {
  if (std::FILE* file = sources_.Open(DriveOf(sources_.WindowsDirectory()) + "\\" + name))
    return file;
  return sources_.Open(std::string("c:\\") + name);
}

bool KzCheckBlaster::ReadTextLine(std::FILE* file, std::string& line) {
  line.clear();
  while (line.size() < kLinePiece) {
    int c = std::fgetc(file);
    if (c == kCtrlZ) {
      std::fseek(file, 0, SEEK_END);  // nothing after Ctrl+Z is read
      c = EOF;
    }
    if (c == EOF) break;
    if (c == '\r') {
      const int next = std::fgetc(file);
      if (next == '\n')
        c = '\n';
      else if (next != EOF)
        std::ungetc(next, file);
    }
    line.push_back(char(c));
    if (c == '\n') break;
  }
  return !line.empty();
}

bool KzCheckBlaster::ReadBlasterLine(const char* line, KzBlasterRecord& record) {
  KzScanLine scan(line, 0);
  if (scan.NextToken() != kTokIdentifier || !scan.TextEquals("set", false)) return false;
  if (scan.NextToken() != kTokIdentifier || !scan.TextEquals("blaster", false)) return false;
  if (scan.NextToken() != kTokEquals) return false;
  while (scan.NextToken() == kTokIdentifier) {
    switch (UpperAscii(scan.TokenText()[0])) {
      case 'A':
        record.address = scan.Value();
        break;
      case 'P':
        record.midiPort = scan.Value();
        break;
      case 'E':
        record.emuPort = scan.Value();
        break;
      case 'I':
        record.irq = scan.DecimalValue();
        break;
      case 'D':
        record.dma8 = scan.DecimalValue();
        break;
      case 'H':
        record.dma16 = scan.DecimalValue();
        break;
      default:
        break;  // T (the card type) and the rest are not the game's business
    }
  }
  return true;
}

bool KzCheckBlaster::ScanAutoexec(std::FILE* file, KzBlasterRecord& record) {
  std::string line;
  while (ReadTextLine(file, line))
    if (ReadBlasterLine(line.c_str(), record)) return true;
  return false;
}

int32_t KzCheckBlaster::PortFromDeviceName(const std::string& name) {
  size_t open = name.find('(');
  if (open == std::string::npos) open = name.find('[');
  if (open == std::string::npos) return -1;
  return kz::TextToInteger(std::string_view(name).substr(open + 1), 16);
}

// Three lines in a row: IO for the aux port, IRQ, DMA. A line that breaks the run is looked
// at again as a possible IO line, so a second IO line restarts the run there.
bool KzCheckBlaster::ScanDetectionLog(std::FILE* file, int32_t auxPort, int32_t midiPort,
                                      KzBlasterRecord& record) {
  enum class Want { Io, Irq, Dma } want = Want::Io;
  int32_t irq = 0, dma8 = 0;
  std::optional<int32_t> dma16;
  std::string line;
  while (ReadTextLine(file, line)) {
    const char* text = line.c_str();
    if (want == Want::Irq && ReadIrqLine(text, irq)) {
      want = Want::Dma;
      continue;
    }
    if (want == Want::Dma && ReadDmaLine(text, dma8, dma16)) {
      record.address = auxPort;
      // A MIDI port that is the card's own, or none in the device's name (-1), keeps 0x330.
      if (midiPort != auxPort && midiPort != -1) record.midiPort = midiPort;
      record.irq = irq;
      record.dma8 = dma8;
      if (dma16) record.dma16 = *dma16;
      return true;
    }
    want = IsIoLine(text, auxPort) ? Want::Irq : Want::Io;
  }
  return false;
}

void KzCheckBlaster::StoreDefaults(const KzBlasterRecord& record) {
  auto store = [](const char* name, int32_t value) {
    if (KzSetupEntry* entry = KzSetupSection::GetSound_SetupEntry(name, true)) entry->value = value;
  };
  store("BlasterAddress", record.address);
  store("MidiPort", record.midiPort);
  store("BlasterInterrupt", record.irq);
  store("BlasterDma8", record.dma8);
  store("BlasterDma16", record.dma16);
  if (record.emuPort < 0) return;
  store("BlasterEmu", record.emuPort);
  if (KzSetupEntry* emu = KzSetupSection::GetSound_SetupEntry("BlasterEmu", true))
    emu->disabled = false;
  store("FXDevice", 6);
  store("MusicDevice", 6);
}
