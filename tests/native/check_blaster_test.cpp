// The sound-card detection on injected files and device names: the BLASTER line, the device
// names, the three-line run of detlog.txt, where the files are looked for, and what a found
// card writes into the Sound Setup defaults.
#include "config/check_blaster.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "config/setup_section.h"
#include "config/setup_tables.h"
#include "config/text_number.h"
#include "fake_seams.h"

namespace {

// Files by their full path, and the device names; every question is counted.
struct FakeSources : KzBlasterSources {
  std::string windowsDir = "C:\\WINDOWS";
  std::map<std::string, std::string> files;
  std::optional<std::string> aux, midi;
  mutable std::vector<std::string> opened;
  mutable int deviceQuestions = 0;

  std::string WindowsDirectory() const override { return windowsDir; }
  std::optional<std::string> AuxDeviceName() const override {
    ++deviceQuestions;
    return aux;
  }
  std::optional<std::string> MidiInDeviceName() const override {
    ++deviceQuestions;
    return midi;
  }
  std::FILE* Open(const std::string& path) const override {
    opened.push_back(path);
    auto it = files.find(path);
    return it == files.end() ? nullptr : MemoryFile(it->second);
  }
  static std::FILE* MemoryFile(const std::string& bytes) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    return file;
  }
};

struct Found {
  bool found;
  KzBlasterRecord record;
};

Found Detect(const FakeSources& sources) {
  KzBlasterRecord record;
  record.address = 12345;  // stays when nothing is found
  const bool found = KzCheckBlaster(sources).Detect(record);
  return {found, record};
}

// Address, MIDI port, IRQ, 8-bit and 16-bit DMA channels, EMU port.
void ExpectRecord(const KzBlasterRecord& r, int32_t address, int32_t midi, int32_t irq,
                  int32_t dma8, int32_t dma16, int32_t emu) {
  EXPECT_EQ((std::vector<int32_t>{r.address, r.midiPort, r.irq, r.dma8, r.dma16, r.emuPort}),
            (std::vector<int32_t>{address, midi, irq, dma8, dma16, emu}));
}

TEST(CheckBlasterTest, BlasterLinesAreSetBlasterEqualsThenLetters) {
  KzBlasterRecord r;
  ASSERT_TRUE(KzCheckBlaster::ReadBlasterLine("SET BLASTER=A220 I7 D1 H6 P330 E620 T6\n", r));
  ExpectRecord(r, 0x220, 0x330, 7, 1, 6, 0x620);

  KzBlasterRecord lower;
  ASSERT_TRUE(KzCheckBlaster::ReadBlasterLine("  set blaster = a240 i10", lower));
  ExpectRecord(lower, 0x240, 0x330, 10, 1, 5, -1);  // only A and I: the rest as they started

  KzBlasterRecord untouched;
  for (const char* line : {"REM SET BLASTER=A240 I7", "@SET BLASTER=A240 I7", "SET BLASTER A240",
                           "SET SOUND=C:\\SB16", "BLASTER=A240", "SETBLASTER=A240", ""})
    EXPECT_FALSE(KzCheckBlaster::ReadBlasterLine(line, untouched)) << line;
  ExpectRecord(untouched, 0x220, 0x330, 5, 1, 5, -1);

  // A letter without digits gives 0; the first token that is no word ends the setting.
  KzBlasterRecord odd;
  ASSERT_TRUE(KzCheckBlaster::ReadBlasterLine("SET BLASTER=A I7 , D3 H7", odd));
  ExpectRecord(odd, 0, 0x330, 7, 1, 5, -1);
}

TEST(CheckBlasterTest, OnlyTheFirstBlasterLineCountsAndThenNothingElseIsAsked) {
  FakeSources s;
  s.files["C:\\autoexec.bat"] =
      "@ECHO OFF\r\nREM SET BLASTER=A280\r\nSET PATH=C:\\DOS\r\nSET BLASTER=A240 I7\r\n"
      "SET BLASTER=A260 I9 E620\r\n";
  s.files["C:\\detlog.txt"] = "IO=300\r\nIRQ=3\r\nDMA=0\r\n";
  s.aux = "SB (300)";
  s.midi = "MPU (330)";
  const Found f = Detect(s);
  ASSERT_TRUE(f.found);
  ExpectRecord(f.record, 0x240, 0x330, 7, 1, 5, -1);
  EXPECT_EQ(s.deviceQuestions, 0);
  EXPECT_EQ(s.opened, std::vector<std::string>{"C:\\autoexec.bat"});
}

TEST(CheckBlasterTest, FilesAreLookedForAtTheWindowsDriveRootThenOnC) {
  FakeSources s;
  s.windowsDir = "D:\\WIN98\\SYSTEM";
  s.files["c:\\autoexec.bat"] = "SET BLASTER=A280\n";
  EXPECT_EQ(Detect(s).record.address, 0x280);
  EXPECT_EQ(s.opened, (std::vector<std::string>{"D:\\autoexec.bat", "c:\\autoexec.bat"}));

  s.files["D:\\autoexec.bat"] = "SET BLASTER=A2A0\n";
  EXPECT_EQ(Detect(s).record.address, 0x2A0);

  FakeSources nothing;  // no file anywhere and no devices: not found, the record untouched
  const Found f = Detect(nothing);
  EXPECT_FALSE(f.found);
  EXPECT_EQ(f.record.address, 12345);
  EXPECT_EQ(nothing.opened, (std::vector<std::string>{"C:\\autoexec.bat", "c:\\autoexec.bat"}));
}

TEST(CheckBlasterTest, DeviceNamesGiveThePortsTheLogIsSearchedFor) {
  EXPECT_EQ(KzCheckBlaster::PortFromDeviceName("Sound Blaster 16 Aux (220)"), 0x220);
  EXPECT_EQ(KzCheckBlaster::PortFromDeviceName("SB16 MIDI [330] (300)"), 0x300);  // "(" first
  EXPECT_EQ(KzCheckBlaster::PortFromDeviceName("MPU-401 [0x330]"), 0x330);
  EXPECT_EQ(KzCheckBlaster::PortFromDeviceName("Generic Aux"), -1);
  EXPECT_EQ(KzCheckBlaster::PortFromDeviceName("Odd (port)"), 0);

  FakeSources s;
  s.files["C:\\detlog.txt"] = "IO=220-22F\nIRQ=5\nDMA=1,5\n";
  s.aux = "Generic Aux";
  s.midi = "MPU (330)";
  EXPECT_FALSE(Detect(s).found);
  s.aux = "SB (220)";
  s.midi.reset();  // no MIDI input device: the log is not even opened
  s.opened.clear();
  EXPECT_FALSE(Detect(s).found);
  EXPECT_EQ(s.opened.size(), 2u);

  s.midi = "MPU (330)";
  const Found f = Detect(s);
  ASSERT_TRUE(f.found);
  ExpectRecord(f.record, 0x220, 0x330, 5, 1, 5, -1);
}

Found FromLog(const std::string& log, const char* aux = "SB (220)", const char* midi = "(300)") {
  FakeSources s;
  s.files["C:\\detlog.txt"] = log;
  s.aux = aux;
  s.midi = midi;
  return Detect(s);
}

TEST(CheckBlasterTest, TheLogNeedsIoIrqAndDmaLinesInARow) {
  Found f = FromLog("[SB]\r\nio = 220-22F,388-38B\r\nIRQ=7\r\nDMA=3,7\r\n");
  ASSERT_TRUE(f.found);
  ExpectRecord(f.record, 0x220, 0x300, 7, 3, 7, -1);

  // Something between IO and IRQ, or IRQ and DMA, breaks the run.
  EXPECT_FALSE(FromLog("IO=220\nName=SB\nIRQ=7\nDMA=3\n").found);
  EXPECT_FALSE(FromLog("IO=220\nIRQ=7\n\nDMA=3\n").found);
  // Another port's IO line is no start; a second IO line for the port restarts the run.
  EXPECT_FALSE(FromLog("IO=240\nIRQ=7\nDMA=3\n").found);
  f = FromLog("IO=220\nIO=220\nIRQ=9\nDMA=1\n");
  ASSERT_TRUE(f.found);
  EXPECT_EQ(f.record.irq, 9);
  f = FromLog("IO=220\nIRQ=7\nIO=220\nIRQ=10\nDMA=1,6\n");
  ASSERT_TRUE(f.found);
  EXPECT_EQ(f.record.irq, 10);
  EXPECT_EQ(f.record.dma16, 6);
  // A number that starts with 0 is no decimal: IRQ=0 is no IRQ line, DMA=1,0 has one channel.
  EXPECT_FALSE(FromLog("IO=220\nIRQ=0\nDMA=1\n").found);
  f = FromLog("IO=220\nIRQ=5\nDMA=1,0\n");
  ASSERT_TRUE(f.found);
  EXPECT_EQ(f.record.dma16, 5);
  // The MIDI port counts only when it is not the aux port itself.
  EXPECT_EQ(FromLog("IO=220\nIRQ=5\nDMA=1\n", "(220)", "(220)").record.midiPort, 0x330);
  // Nor does a MIDI name without a port, which reads as -1.
  EXPECT_EQ(FromLog("IO=220\nIRQ=5\nDMA=1,5\n", "SB16 (220)", "MIDI").record.midiPort, 0x330);
  EXPECT_FALSE(FromLog("IO=220\nIRQ=5\n").found);
}

TEST(CheckBlasterTest, LinesAreReadAsTextModeDoesInPiecesOf258) {
  std::FILE* file = FakeSources::MemoryFile("one\r\ntwo\rthree\n" + std::string(300, 'x') +
                                            "\nlast\x1A"
                                            "after\n");
  std::vector<std::string> lines;
  for (std::string line; KzCheckBlaster::ReadTextLine(file, line);) lines.push_back(line);
  std::fclose(file);
  EXPECT_EQ(lines, (std::vector<std::string>{"one\n", "two\rthree\n", std::string(258, 'x'),
                                             std::string(42, 'x') + "\n", "last"}));
}

class StoreDefaultsTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = DefaultTables(); }
  void TearDown() override { DefaultTables() = saved_; }
  static const KzSetupEntry& Default(const char* name) {
    return *KzSetupSection::GetSound_SetupEntry(name, true);
  }
  static std::vector<int32_t> Values(std::initializer_list<const char*> names) {
    std::vector<int32_t> values;
    for (const char* name : names) values.push_back(Default(name).value);
    return values;
  }
  ScopedFakeSeams seams;

 private:
  KzTableSet saved_;
};

TEST_F(StoreDefaultsTest, AFoundCardBecomesTheDefaultsAndAnEmuPortSwitchesTheDevices) {
  const KzTableSet current = CurrentTables();
  KzBlasterRecord card;
  ASSERT_TRUE(KzCheckBlaster::ReadBlasterLine("SET BLASTER=A240 I7 D3 H7 P300", card));
  KzCheckBlaster::StoreDefaults(card);
  EXPECT_EQ(
      Values({"BlasterAddress", "MidiPort", "BlasterInterrupt", "BlasterDma8", "BlasterDma16"}),
      (std::vector<int32_t>{0x240, 0x300, 7, 3, 7}));
  // Without E: the EMU line stays commented out with its built-in port, the devices stay 0.
  EXPECT_EQ(Values({"BlasterEmu", "FXDevice", "MusicDevice"}), (std::vector<int32_t>{0x620, 0, 0}));
  EXPECT_TRUE(Default("BlasterEmu").disabled);

  ASSERT_TRUE(KzCheckBlaster::ReadBlasterLine("SET BLASTER=A220 E640", card));
  KzCheckBlaster::StoreDefaults(card);
  EXPECT_EQ(Values({"BlasterEmu", "FXDevice", "MusicDevice"}), (std::vector<int32_t>{0x640, 6, 6}));
  EXPECT_FALSE(Default("BlasterEmu").disabled);
  EXPECT_TRUE(0 == std::memcmp(&current, &CurrentTables(), sizeof current));  // defaults only
  EXPECT_TRUE(seams.complaints.shown.empty());
}

TEST(TextToIntegerTest, ReadsTypedNumbersAsTheSoundPageDoes) {
  const std::pair<const char*, int32_t> hex[] = {
      {"0x220", 0x220},  {"220", 0x220}, {"22G", 0x22}, {"", 0},
      {"  -0XfF", -255}, {"0xG", 0},     {"+7", 7},     {"FFFFFFFFF", 0x7FFFFFFF},
  };
  for (const auto& [text, expected] : hex) EXPECT_EQ(kz::TextToInteger(text, 16), expected) << text;
  const std::pair<const char*, int32_t> decimal[] = {
      {"-99999999999", INT32_MIN}, {"11", 11}, {"x", 0}, {"0x10", 0}, {"1A", 1},
  };
  for (const auto& [text, expected] : decimal)
    EXPECT_EQ(kz::TextToInteger(text, 10), expected) << text;
}

}  // namespace
