#include "toolkit/seams_win.h"

#include <windows.h>

#include "config/cp1251.h"
#include "config/install_settings.h"
#include "toolkit/message_box.h"
#include "toolkit/paths.h"
#include "toolkit/registry.h"
#include "toolkit/text.h"

namespace tk {

namespace {

class WindowsFiles : public kz::FileSystem {
 public:
  std::string ProgramDir() const override { return Narrow(tk::ProgramDir()); }
  bool PathExists(const std::string& path) const override { return tk::PathExists(Widen(path)); }
};

class WindowsComplaints : public kz::ComplaintSink {
 public:
  void Complain(kz::Complaint kind, const std::string& text) override {
    MessageBoxRequest request;
    request.text = Widen(text);
    request.type = MB_OK | MB_ICONSTOP | MB_TASKMODAL;
    if (kind == kz::Complaint::kDamagedFile || kind == kz::Complaint::kUnreadableFile)
      request.caption = L"";
    ShowMessageBox(request);
  }
};

class WindowsInstallKey : public kz::InstallKey {
 public:
  std::optional<std::string> Read(const std::string& value, bool fullAccess) const override {
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, Widen(kInstallKeyPath),
                                        fullAccess ? KEY_ALL_ACCESS : KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    return Narrow(key.ReadString(Widen(value)).value_or(std::wstring()));
  }
  bool Write(const std::string& value, const std::string& data) override {
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, Widen(kInstallKeyPath), KEY_ALL_ACCESS);
    if (!key) return false;
    bool written = key.WriteString(Widen(value), Widen(data));
    key.Flush();
    return written;
  }
};

class WindowsKeyboard : public kz::KeyboardLayout {
 public:
  int16_t KeyScan(unsigned char ch) const override {
    // The layout is asked for the character itself, not for a byte of the system code page.
    return VkKeyScanW(wchar_t(kz::Cp1251ToUnicode(ch)));
  }
};

}  // namespace

void InstallWindowsSeams() {
  static WindowsFiles files;
  static WindowsComplaints complaints;
  static WindowsInstallKey installKey;
  static WindowsKeyboard keyboard;
  kz::InstalledSeams() = {&files, &complaints, &installKey, &keyboard};
}

}  // namespace tk
