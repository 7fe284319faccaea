// The platform services that the portable configuration code needs. The programs install the
// Windows implementations (toolkit/) once at start; tests install doubles. Texts passed across
// these interfaces are UTF-8; the configuration model itself keeps code page 1251 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kz {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Folder of the running program file, with its trailing backslash ("C:\Games\Voltrane\").
  virtual std::string ProgramDir() const = 0;
  // True when the platform has attributes for the path (a file or a folder).
  virtual bool PathExists(const std::string& path) const = 0;
};

// The kinds of message the configuration code shows. Each has one fixed look.
enum class Complaint {
  kMissingFile,     // "Cannot open the '%s' file": stop icon, OK, task-modal, default caption
  kMissingKey,      // a lookup of a key the model lacks: stop icon, OK, task-modal
  kDamagedFile,     // the damaged configuration warning: stop icon, OK, task-modal, empty caption
  kUnreadableFile,  // a configuration file that is there but cannot be read: as kDamagedFile
};

class ComplaintSink {
 public:
  virtual ~ComplaintSink() = default;
  virtual void Complain(Complaint kind, const std::string& text) = 0;
};

// The installation settings key HKEY_CURRENT_USER\SOFTWARE\Kestrelwood\Voltrane. The key is
// only ever opened, never created.
class InstallKey {
 public:
  virtual ~InstallKey() = default;
  // The string value; std::nullopt when the key cannot be opened, "" when the value is
  // missing. fullAccess opens the key with KEY_ALL_ACCESS instead of query access.
  virtual std::optional<std::string> Read(const std::string& value, bool fullAccess) const = 0;
  // Writes a string value; false when the key cannot be opened.
  virtual bool Write(const std::string& value, const std::string& data) = 0;
};

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // VkKeyScan of a code page 1251 character: virtual key in the low byte, shift state in the
  // high byte, -1 when the layout has no key for it.
  virtual int16_t KeyScan(unsigned char ch) const = 0;
};

// The installed services. Every pointer must be set before the code that uses it runs.
struct Seams {
  FileSystem* files = nullptr;
  ComplaintSink* complaints = nullptr;
  InstallKey* installKey = nullptr;
  KeyboardLayout* keyboard = nullptr;
};

Seams& InstalledSeams();

}  // namespace kz
