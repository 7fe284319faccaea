#include "setup_form.h"

#include "install_settings.h"
#include "joystick_tab.h"
#include "keyboard_tab.h"
#include "mouse_tab.h"
#include "screen_tab.h"
#include "setup_section.h"
#include "sound_tab.h"
#include "system_tab.h"
#include "toolkit/message_box.h"
#include "toolkit/text.h"

namespace {

constexpr int kWindowIcon = 100;
constexpr const wchar_t* kTabCaptions[kSetupPages] = {
    L"Экран", L"Звук", L"Клавиатура", L"Мышь", L"Джойстик и Game Pad", L"Система"};
constexpr int kPageIconResources[kSetupPages] = {102, 106, 105, 103, 104, 107};

tk::IconHandle LoadIconResource(int number) {
  return tk::IconHandle(static_cast<HICON>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
}

}  // namespace

std::wstring SaveFailedMessage(const std::string& cfgName) {
  return L"Не удалось записать файл конфигурации «" + tk::Widen(cfgName) +
         L"». Изменения не сохранены.";
}

SetupForm::SetupForm() : tk::Form(L"ID_SetupForm"), windowIcon_(LoadIconResource(kWindowIcon)) {
  for (int i = 0; i < kSetupPages; ++i)
    pageIcons_[size_t(i)] = LoadIconResource(kPageIconResources[i]);
}

SetupForm::~SetupForm() { Destroy(); }

void SetupForm::Open(HWND owner) { RunModal(owner); }

void SetupForm::Register() {
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_.get()));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowIcon_.get()));
  SetFont("8.MS Sans Serif");
  SetName("SetupForm");
  Bind(tabctrl_1, 101, "tabctrl_1");
  tabctrl_1.SetItemSize(96, 0);
  Bind(pictb_Animation, 102, "pictb_Animation");
  pictb_Animation.SetIcon(windowIcon_.get());
  Bind(pictb_TabIcon, 103, "pictb_TabIcon");
  pictb_TabIcon.SetIcon(PageIcon(0));
  RegisterHandlers();
}

void SetupForm::RegisterHandlers() {
  On(tk::Event::Cancel, [this](tk::EventArgs&) {
    EndModal(IDCANCEL);
    return true;
  });
  On(tk::Event::User, [this](tk::EventArgs&) {
    animation_.Tick();
    return true;
  });
  tabctrl_1.On(tk::Event::Select, [this](tk::EventArgs&) {
    tabctrl_1.ShowSelectedPage();
    const int selected = tabctrl_1.Selected();
    if (selected >= 0 && selected < kSetupPages) pictb_TabIcon.SetIcon(PageIcon(selected));
    return true;
  });
  // The form's own create event comes first: the pages exist and the form is in place when
  // the animation measures the form's width.
  On(tk::Event::Create, [this](tk::EventArgs&) {
    CreatePages();
    CentreOnScreen();
    return false;
  });
  pictb_Animation.On(tk::Event::Create, [this](tk::EventArgs&) {
    animation_.Start(hwnd(), tk::kUserEventMessage);
    return true;
  });
  pictb_Animation.On(tk::Event::Destroy, [this](tk::EventArgs&) {
    animation_.Stop();
    return true;
  });
  On(tk::Event::Destroy, [this](tk::EventArgs&) {
    Closing();
    return false;
  });
}

void SetupForm::CreatePages() {
  screenTab_ = std::make_unique<ScreenTab>();
  AddPage(0, *screenTab_);
  soundTab_ = std::make_unique<SoundTab>();
  AddPage(1, *soundTab_);
  keyboardTab_ = std::make_unique<KeyboardTab>();
  AddPage(2, *keyboardTab_);
  mouseTab_ = std::make_unique<MouseTab>();
  AddPage(3, *mouseTab_);
  joystickTab_ = std::make_unique<JoystickTab>();
  AddPage(4, *joystickTab_);
  systemTab_ = std::make_unique<SystemTab>();
  AddPage(5, *systemTab_);
  for (int i = 0; i < kSetupPages; ++i) tabctrl_1.AttachPage(i, pages_[size_t(i)]->hwnd());
}

void SetupForm::AddPage(int index, tk::Form& page) {
  pages_[size_t(index)] = &page;
  page.Create(hwnd());
  tabctrl_1.InsertTab(index, kTabCaptions[index]);
}

// On the whole screen, not the work area.
void SetupForm::CentreOnScreen() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The animation stops before the question, so that no tick runs under the message box.
void SetupForm::Closing() {
  pictb_Animation.events().Raise(tk::Event::Destroy);
  AskToSave();
  ForgetPages();
}

void SetupForm::AskToSave() {
  if (!KzSetupSection::IsConfigChanged()) return;
  const int answer =
      tk::ShowMessageBox({hwnd(), kSaveQuestion, std::wstring(), MB_ICONEXCLAMATION | MB_YESNO});
  if (answer != IDYES) return;
  // The bare name: the file goes to the current directory, the program's folder.
  const std::string name = CurrentCfgName();
  if (!KzSetupSection::SaveConfig(name))
    tk::ShowMessageBox({hwnd(), SaveFailedMessage(name), std::wstring(), MB_ICONERROR | MB_OK});
}

// Destroying the page objects destroys their windows, which runs each page's own closing.
void SetupForm::ForgetPages() {
  tabctrl_1.DetachPages();
  pages_.fill(nullptr);
  screenTab_.reset();
  soundTab_.reset();
  keyboardTab_.reset();
  mouseTab_.reset();
  joystickTab_.reset();
  systemTab_.reset();
}
