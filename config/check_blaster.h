// The start-up detection of a Sound Blaster compatible card: from the BLASTER setting in
// "autoexec.bat", else from the product names of the first aux and MIDI input devices matched
// against the hardware-detection log "detlog.txt". Both files are looked for at the root of
// the Windows folder's drive, else of drive "c:". A found card becomes the Sound Setup
// defaults.
//
// The platform's parts (Windows folder, device names, files) come through KzBlasterSources,
// so that the parsing runs and is tested anywhere.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

// The card's settings; a field that no source mentions keeps the value it starts with.
struct KzBlasterRecord {
  int32_t address = 0x220;
  int32_t midiPort = 0x330;
  int32_t irq = 5;
  int32_t dma8 = 1;
  int32_t dma16 = 5;
  int32_t emuPort = -1;  // the wave-table synthesiser's port; -1 = none
};

class KzBlasterSources {
 public:
  virtual ~KzBlasterSources() = default;
  // The Windows folder, UTF-8 ("C:\WINDOWS"); only its drive is used.
  virtual std::string WindowsDirectory() const = 0;
  // Product names of aux device 0 and MIDI input device 0; nothing when the system has no
  // device of that kind.
  virtual std::optional<std::string> AuxDeviceName() const = 0;
  virtual std::optional<std::string> MidiInDeviceName() const = 0;
  // Opens a file for reading (UTF-8 path); null when it cannot be opened.
  virtual std::FILE* Open(const std::string& path) const;
};

class KzCheckBlaster {
 public:
  explicit KzCheckBlaster(const KzBlasterSources& sources) : sources_(sources) {}

  // Runs the whole detection; fills the record only when a card was found.
  bool Detect(KzBlasterRecord& record) const;
  // Writes a found card into the Sound Setup default table; the EMU port, the devices and the
  // EMU line's activation only when the card has an EMU port.
  static void StoreDefaults(const KzBlasterRecord& record);

  // The parts, for their tests.
  // True when the line is a BLASTER setting; its letters then set the record's fields.
  static bool ReadBlasterLine(const char* line, KzBlasterRecord& record);
  // The port in a device name: the hex number after its first "(", else its first "["; -1
  // when the name has neither.
  static int32_t PortFromDeviceName(const std::string& name);
  // Scans an open detlog.txt for the IO, IRQ and DMA lines of the aux port.
  static bool ScanDetectionLog(std::FILE* file, int32_t auxPort, int32_t midiPort,
                               KzBlasterRecord& record);
  static bool ScanAutoexec(std::FILE* file, KzBlasterRecord& record);
  // Reads one line as the C runtime's text mode does ("\r\n" becomes "\n", Ctrl+Z ends the
  // file), at most 258 characters; false at the end of the file.
  static bool ReadTextLine(std::FILE* file, std::string& line);

 private:
  // Opens the named file at the root of the Windows folder's drive, else of "c:".
  std::FILE* OpenAtRoot(const char* name) const;

  const KzBlasterSources& sources_;
};
