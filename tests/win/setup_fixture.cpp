#include "setup_fixture.h"

#include <commctrl.h>

#include <memory>

#include "config/install_settings.h"
#include "config/setup_section.h"
#include "toolkit/text.h"

namespace {

ModalScript* activeScript = nullptr;

}  // namespace

ModalScript::ModalScript(std::vector<ModalStep> steps, HWND* closeOnTimeout, DWORD limitMs)
    : steps_(std::move(steps)),
      closeOnTimeout_(closeOnTimeout),
      start_(GetTickCount()),
      limitMs_(limitMs) {
  activeScript = this;
  timer_ = SetTimer(nullptr, 0, 15, &ModalScript::OnTimer);
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  activeScript = nullptr;
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (activeScript) activeScript->Tick();
}

void ModalScript::Tick() {
  if (inStep_ || Finished()) return;
  if (GetTickCount() - start_ > limitMs_) {
    timedOut_ = true;
    next_ = steps_.size();
    if (*closeOnTimeout_) PostMessageW(*closeOnTimeout_, WM_CLOSE, 0, 0);
    return;
  }
  inStep_ = true;
  if (steps_[next_]()) ++next_;
  inStep_ = false;
}

void SetupTest::SetUp() {
  ShellTest::SetUp();
  savedCfgName_ = RegistryCfgName();
  SetRegistryCfgName(kCfgName);
  for (int i = 1; i <= 4; ++i) {
    const std::wstring name = L"KzR\\g_spd" + std::to_wstring(i) + L".ico";
    install.CopyIn(wt::TestProgramDir() + name, name);
  }
  actions.showSetup = [this](SetupForm& setup, HWND owner, bool soundCardFound) {
    ShowSetupWith(setup, owner, soundCardFound, joysticks);
  };
}

void SetupTest::TearDown() {
  ShellTest::TearDown();
  if (savedCfgName_)
    SetRegistryCfgName(*savedCfgName_);
  else
    RegDeleteKeyW(HKEY_CURRENT_USER, wt::kInstallKey);
}

void SetupTest::WriteConfig(const std::function<void()>& tweak, const std::wstring& name) {
  KzSetupSection::SetDefaults(nullptr, nullptr);
  if (tweak) tweak();
  ASSERT_TRUE(KzSetupSection::SaveConfig(tk::Narrow(install.Join(name))));
}

void SetupTest::NoSoundCard() {
  KzSetupSection::GetSound_SetupEntry("FXDevice", false)->value = 13;
  KzSetupSection::GetSound_SetupEntry("MusicDevice", false)->value = 13;
}

bool SetupTest::StartShellOn(const std::function<void()>& tweak) {
  WriteConfig(tweak);
  return !HasFatalFailure() && StartShell();
}

std::string SetupTest::ConfigBytes(const std::wstring& name) const {
  return install.Exists(name) ? install.Read(name) : std::string("(missing)");
}

bool SetupTest::HasLine(const std::string& line) const {
  return ConfigBytes().find(line + "\r\n") != std::string::npos;
}

std::vector<ModalStep> SetupTest::Join(std::vector<std::vector<ModalStep>> parts) {
  std::vector<ModalStep> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

bool SetupTest::OpenSetup(std::vector<ModalStep> steps) {
  setupWindow_ = nullptr;
  ModalScript script(std::move(steps), &setupWindow_);
  main->ButtonBar().pictbttn_Setup.Click();
  setupWindow_ = nullptr;
  return script.Finished() && !script.TimedOut() && !Form().hwnd();
}

bool SetupTest::OpenSetupOn(int page, std::function<void()> look) {
  std::vector<ModalStep> steps{WhenOpen()};
  if (page) steps.push_back(SelectTab(page));
  steps.push_back(Do(std::move(look)));
  steps.push_back(PressKey(VK_ESCAPE));
  return OpenSetup(std::move(steps));
}

ModalStep SetupTest::WhenOpen() {
  return [this] {
    setupWindow_ = Form().hwnd();
    return setupWindow_ && IsWindowVisible(setupWindow_);
  };
}

ModalStep SetupTest::Do(std::function<void()> action) {
  return [action = std::move(action)] {
    action();
    return true;
  };
}

HWND SetupTest::KeyTarget() {
  HWND focus = GetFocus();
  HWND root = focus ? GetAncestor(focus, GA_ROOT) : GetActiveWindow();
  if (!root || !Form().hwnd() || root == main->hwnd() || root == Bar()) return nullptr;
  return focus ? focus : root;
}

// Posted to the focused window, so that the modal loop's dialog navigation sees the key.
ModalStep SetupTest::PressKey(WORD key) {
  return [this, key] {
    HWND target = KeyTarget();
    if (!target) return false;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 1 | 0xC0000000);
    return true;
  };
}

ModalStep SetupTest::PressChord(WORD key, bool shift, bool ctrl) {
  auto pressed = std::make_shared<bool>(false);
  return [this, key, shift, ctrl, pressed] {
    BYTE state[256] = {};
    GetKeyboardState(state);
    if (*pressed) {
      state[VK_CONTROL] = state[VK_LCONTROL] = state[VK_SHIFT] = state[VK_LSHIFT] = 0;
      SetKeyboardState(state);
      return true;
    }
    HWND target = KeyTarget();
    if (!target) return false;
    if (ctrl) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    if (shift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    SetKeyboardState(state);
    PostMessageW(target, WM_KEYDOWN, key, 1);
    *pressed = true;
    return false;
  };
}

ModalStep SetupTest::Hold(DWORD ms) {
  auto since = std::make_shared<DWORD>(0);
  return [since, ms] {
    if (!*since) *since = GetTickCount();
    if (GetTickCount() - *since < ms) return false;
    *since = 0;
    return true;
  };
}

ModalStep SetupTest::CloseBox() {
  return [this] {
    PostMessageW(Form().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  };
}

// As a click on the tab does: the selection changes, then the control notifies its parent.
ModalStep SetupTest::SelectTab(int index) {
  return [this, index] {
    tk::TabControl& tabs = Form().tabctrl_1;
    tabs.Send(TCM_SETCURSEL, WPARAM(index));
    NMHDR header{tabs.hwnd(), UINT_PTR(tabs.id()), UINT(TCN_SELCHANGE)};
    SendMessageW(Form().hwnd(), WM_NOTIFY, WPARAM(tabs.id()), reinterpret_cast<LPARAM>(&header));
    return true;
  };
}

std::optional<std::wstring> SetupTest::RegistryCfgName() const {
  return wt::ReadInstallValue(L"Cfg Name");
}

void SetupTest::SetRegistryCfgName(const std::wstring& name) const {
  wt::WriteInstallValue(L"Cfg Name", name);
}

std::vector<DWORD> IconPixels(HICON icon) {
  std::vector<DWORD> pixels;
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return pixels;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = bitmap.bmWidth;
  header.bmiHeader.biHeight = -bitmap.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  pixels.resize(size_t(bitmap.bmWidth) * size_t(bitmap.bmHeight));
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, UINT(bitmap.bmHeight), pixels.data(), &header,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

std::vector<DWORD> ResourceIconPixels(int number) {
  tk::IconHandle icon(static_cast<HICON>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  return IconPixels(icon.get());
}

std::vector<DWORD> FileIconPixels(const std::wstring& path, int size) {
  tk::IconHandle icon(static_cast<HICON>(
      LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
  return IconPixels(icon.get());
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}
BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  EnumChildWindows(hwnd, &CountChild, counter);  // enumerates all descendants
  return TRUE;
}
}  // namespace

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

int KernelHandleCount() {
  int count = 0;
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}
