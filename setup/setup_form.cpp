#include "setup/setup_form.h"

#include <commctrl.h>

#include <algorithm>

#include "config/cfg_name.h"
#include "config/install_settings.h"
#include "config/setup_section.h"
#include "setup/joystick_tab.h"
#include "setup/keyboard_tab.h"
#include "setup/mouse_tab.h"
#include "setup/screen_tab.h"
#include "setup/setup_form_ids.h"
#include "setup/sound_tab.h"
#include "setup/system_tab.h"
#include "toolkit/message_box.h"
#include "toolkit/text.h"

namespace {

constexpr int kWindowIcon = 100;

template <typename Tab>
std::unique_ptr<SetupPage> Make() {
  return std::make_unique<Tab>();
}

// The pages in the order of their tabs.
struct PageKind {
  const wchar_t* caption;
  int iconResource;
  std::unique_ptr<SetupPage> (*make)();
};
const PageKind kPages[kSetupPages] = {
    {L"Экран", 102, &Make<ScreenTab>},
    {L"Звук", 106, &Make<SoundTab>},
    {L"Клавиатура", 105, &Make<KeyboardTab>},
    {L"Мышь", 103, &Make<MouseTab>},
    {L"Джойстик и Game Pad", 104, &Make<JoystickTab>},
    {L"Система", 107, &Make<SystemTab>},
};

tk::IconHandle LoadIconResource(int number) {
  return tk::IconHandle(static_cast<HICON>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
}

bool KeyIsDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

std::wstring SaveFailedMessage(const std::string& cfgName) {
  return L"Не удалось записать файл конфигурации «" + tk::Widen(cfgName) +
         L"». Изменения не сохранены.";
}

SetupForm::SetupForm() : tk::Form(L"ID_SetupForm"), windowIcon_(LoadIconResource(kWindowIcon)) {
  for (int i = 0; i < kSetupPages; ++i)
    pageIcons_[size_t(i)] = LoadIconResource(kPages[i].iconResource);
}

void SetupForm::Open(HWND owner, const SetupContext& context) {
  context_ = context;
  RunModal(owner);
}

void SetupForm::Register() {
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_.get()));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowIcon_.get()));
  SetFont("8.MS Sans Serif");
  SetName("SetupForm");
  Bind(TK_ITEM(tabctrl_1));
  tabctrl_1.SetItemSize(96, 0);
  Bind(TK_ITEM(pictb_Animation));
  pictb_Animation.SetIcon(windowIcon_.get());
  Bind(TK_ITEM(pictb_TabIcon));
  pictb_TabIcon.SetIcon(PageIcon(0));
  RegisterHandlers();
  pageKeys_ = std::make_unique<tk::KeyFilter>([this](const MSG& msg) { return PageKey(msg); });
}

void SetupForm::RegisterHandlers() {
  On<tk::Event::Cancel>([this] {
    if (!KeepsOpenForAPage()) EndModal(IDCANCEL);
    return true;
  });
  On<tk::Event::Close>([this](tk::CancelArgs& args) {
    args.cancel = KeepsOpenForAPage();
    return args.cancel;
  });
  On<tk::Event::User>([this] {
    animation_.Tick();
    return true;
  });
  tabctrl_1.On<tk::Event::Select>([this] {
    tabctrl_1.ShowSelectedPage();
    const int selected = tabctrl_1.Selected();
    if (selected >= 0 && selected < kSetupPages) pictb_TabIcon.SetIcon(PageIcon(selected));
    return true;
  });
  // The form's own create event comes first: the pages exist and the form is in place when
  // the animation measures the form's width.
  On<tk::Event::Create>([this] {
    CreatePages();
    CentreOnScreen();
    return false;
  });
  pictb_Animation.On<tk::Event::Create>([this] {
    animation_.Start(hwnd(), tk::kUserEventMessage);
    return true;
  });
  pictb_Animation.On<tk::Event::Destroy>([this] {
    animation_.Stop();
    return true;
  });
  On<tk::Event::Destroy>([this] {
    Closing();
    return false;
  });
}

void SetupForm::CreatePages() {
  for (int i = 0; i < kSetupPages; ++i) {
    auto& page = pages_[size_t(i)];
    page = kPages[i].make();
    page->Create(hwnd(), context_);
    tabctrl_1.InsertTab(i, kPages[i].caption);
  }
  for (int i = 0; i < kSetupPages; ++i) tabctrl_1.AttachPage(i, pages_[size_t(i)]->hwnd());
}

// The tab control tells its parent of the change, as it does for a click; the select event
// then shows the page and its icon.
void SetupForm::SelectPage(int index) {
  if (!hwnd() || index < 0 || index >= kSetupPages) return;
  tabctrl_1.Select(index);
  NMHDR header{tabctrl_1.hwnd(), UINT_PTR(tabctrl_1.id()), UINT(TCN_SELCHANGE)};
  SendMessageW(hwnd(), WM_NOTIFY, WPARAM(tabctrl_1.id()), reinterpret_cast<LPARAM>(&header));
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp on any window of the dialog. Keys for
// other windows, a message box over the dialog among them, are not ours.
bool SetupForm::PageKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !hwnd() || !KeyIsDown(VK_CONTROL) || KeyIsDown(VK_MENU))
    return false;
  if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
  int step = 0;
  if (msg.wParam == VK_TAB) step = KeyIsDown(VK_SHIFT) ? -1 : 1;
  if (msg.wParam == VK_NEXT) step = 1;
  if (msg.wParam == VK_PRIOR) step = -1;
  if (step == 0) return false;
  const int current = std::max(tabctrl_1.Selected(), 0);
  SelectPage((current + step + kSetupPages) % kSetupPages);
  SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabctrl_1.hwnd()), TRUE);
  return true;
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

// Input that a page cannot keep (a configuration name typed on the System page that cannot be
// used) keeps the dialog open on that page, rather than close without the player's input.
bool SetupForm::KeepsOpenForAPage() {
  for (int i = 0; i < kSetupPages; ++i) {
    SetupPage* page = Page(i);
    if (!page || !page->HasUnusableInput()) continue;
    SelectPage(i);
    return page->RefuseUnusableInput();
  }
  return false;
}

// The animation stops before the question, so that no tick runs under the message box.
void SetupForm::Closing() {
  pageKeys_.reset();
  pictb_Animation.events().Raise<tk::Event::Destroy>();
  AskToSave();
  ForgetPages();
}

void SetupForm::AskToSave() {
  if (!KzSetupSection::IsConfigChanged()) return;
  const int answer =
      tk::ShowMessageBox({hwnd(), kSaveQuestion, std::wstring(), MB_ICONEXCLAMATION | MB_YESNO});
  if (answer != IDYES) return;
  // The bare name: the file goes to the current directory, the program's folder. A name with
  // a folder part (only the registry can hold one) would write elsewhere: it is not used.
  const std::string name = CurrentCfgName();
  if (!kz::IsUsableCfgName(name) || !KzSetupSection::SaveConfig(name))
    tk::ShowMessageBox({hwnd(), SaveFailedMessage(name), std::wstring(), MB_ICONERROR | MB_OK});
}

// Each page's window goes first, while the page object and its controls are whole: its
// closing raises the destroy events of those controls. A page object destroyed with its window
// still open would let the window go silently, without them.
void SetupForm::ForgetPages() {
  tabctrl_1.DetachPages();
  for (auto& page : pages_) {
    if (page) page->Destroy();
    page.reset();
  }
}
