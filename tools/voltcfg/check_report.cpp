#include "check_report.h"

#include "config/read_cfg.h"
#include "config/scan_line.h"
#include "config/setup_tables.h"

namespace {

// The line as read, without its line end.
std::string Shown(const char* line) {
  std::string text = line;
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::string WhySkipped(const char* line) {
  KzScanLine scan(line, 0);
  const int first = scan.NextToken();
  if (first == kTokIdentifier) return "skipped, no \"=\" after the key name";
  const char* start = line;
  while (*start && static_cast<unsigned char>(*start) <= 32) ++start;
  if (*start == '[') return "skipped, section header without \"]\"";
  return "skipped, not a key line or a section header";
}

bool IsNumber(int32_t type) { return type == kIntegerEntry || type == kHexEntry; }

// A note for a value that is not what its key holds; empty when it is.
std::string ValueNote(const KzSetupEntry& read, const KzSetupEntry& model) {
  if (read.type == 0) return "value is neither a number nor a quoted string, read as 0";
  if (IsNumber(model.type) && !IsNumber(read.type)) return "a string given to a number, read as 0";
  if (!IsNumber(model.type) && IsNumber(read.type))
    return "a number given to a text, read as empty";
  return {};
}

struct Checker {
  explicit Checker(const std::string& name) : fileName(name) {}

  const std::string& fileName;
  std::string out;
  bool anyHeader = false;
  std::string section;

  void Line(int number, const std::string& what, const char* text) {
    out += fileName + ":" + std::to_string(number) + ": " + what + ": " + Shown(text) + "\n";
  }

  void KeyLine(int number, const KzSetupEntry& entry, const char* text) {
    const int s = FindSection(section);
    if (!anyHeader) return Line(number, "key before any section header", text);
    if (s < 0) return Line(number, "unknown section [" + section + "]", text);
    const KzSetupEntry* model = FindEntry(DefaultTables().Table(s), entry.name);
    if (!model) {
      return Line(number,
                  "unknown key \"" + std::string(entry.name) + "\" in section [" + section + "]",
                  text);
    }
    const std::string note = ValueNote(entry, *model);
    if (!note.empty()) Line(number, note, text);
  }
};

}  // namespace

std::string CheckReport(const std::string& fileName, bool discarded) {
  Checker checker{fileName};
  KzReadCfg reader(fileName);
  KzSetupEntry entry;
  int kind = 0;
  bool anyLine = false;
  while (reader.ReadEntry(kind, entry)) {
    anyLine = true;
    if (kind == kLineSection) {
      checker.anyHeader = true;
      checker.section = std::string(reader.SectionName()).substr(0, kLinePieceLimit);
    } else if (kind == kLineKey) {
      checker.KeyLine(reader.LineNumber(), entry, reader.LineText());
    } else if (kind == kLineOther) {
      checker.Line(reader.LineNumber(), WhySkipped(reader.LineText()), reader.LineText());
    }
  }
  if (!anyLine) checker.out += fileName + ": the file is empty\n";
  checker.out += fileName + (discarded ? ": the shell would warn and use the defaults instead\n"
                                       : ": the file is fine\n");
  return checker.out;
}
