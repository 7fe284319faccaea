#include "setup/system_tab.h"

#include "setup/system_tab_ids.h"

#include "config/cfg_name.h"
#include "config/install_settings.h"
#include "config/setup_section.h"
#include "toolkit/message_box.h"
#include "toolkit/text.h"

namespace {

// The user event that checks the name once the focus has left the box. Checking inside the
// focus change itself would open a message box in the middle of it.
constexpr WPARAM kCheckNameEvent = 1;
// How much of a refused name the message shows.
constexpr size_t kShownNameLength = 64;

// An emptied box is stored as it is: with no name, nothing is loaded, saved or cleaned up.
bool IsStorableName(const std::string& typed) {
  return typed.empty() || kz::IsUsableCfgName(typed);
}

}  // namespace

const wchar_t* const kGeneralComment =
    L"Различные параметры окружения, в том числе устанавливаемые\n"
    L"данной системой настройки, могут быть изменены в процессе\n"
    L"игры. Сюда относится громкость звука, музыки, яркость\n"
    L"изображения и т. п. Для настройки в процессе игры\n"
    L"используйте пункт меню \"опции\". Выйти в меню можно в любой\n"
    L"момент игры, нажав Esc.";

std::wstring UnusableCfgNameMessage(const std::wstring& typed) {
  const std::wstring shown =
      typed.size() > kShownNameLength ? typed.substr(0, kShownNameLength) + L"…" : typed;
  return L"Имя файла конфигурации «" + shown +
         L"» не подходит.\n\n"
         L"Нужно простое имя файла в папке игры, например voltra.cfg: без папок и дисков "
         L"(\\ / :), без символов * ? \" < > |, без точки или пробела в конце, не длиннее 255 "
         L"знаков и не имя устройства (CON, NUL, PRN, AUX, COM1, LPT1 и т. п.).\n\n"
         L"Это имя не сохранено.";
}

SystemTab::SystemTab()
    : SetupPage(L"ID_SystemTab"),
      controllerType_(KzSetupSection::GetControlsEntry("ControllerType")) {}

void SystemTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("SystemTab");
  BindControls();
  OnControllerClick(optb_KbdOnly, 0);
  OnControllerClick(optb_KbdAndMouse, 1);
  OnControllerClick(optb_KbdAndJoystick, 2);
  OnControllerClick(optb_KbdAndGamePad, 4);  // 3 has no button and is never written here
  checkbox_NameChangeEnabled.On<tk::Event::Click>([this] {
    textb_CfgName.Enable(checkbox_NameChangeEnabled.IsChecked());
    return true;
  });
  RegisterNameHandlers();
  label_GeneralComment.On<tk::Event::Create>([this] {
    label_GeneralComment.SetText(kGeneralComment);
    return true;
  });
  On<tk::Event::Create>([this] {
    ShowControllerType();
    return false;
  });
}

void SystemTab::Created() { ShowWindow(hwnd(), SW_SHOW); }

void SystemTab::BindControls() {
  Bind(TK_ITEM(label_CfgName));
  Bind(TK_ITEM(textb_CfgName));
  Bind(TK_ITEM(checkbox_NameChangeEnabled));
  Bind(TK_ITEM(groupb_ControllerType));
  Bind(TK_ITEM(optb_KbdOnly));
  Bind(TK_ITEM(optb_KbdAndMouse));
  Bind(TK_ITEM(optb_KbdAndJoystick));
  Bind(TK_ITEM(optb_KbdAndGamePad));
  Bind(TK_ITEM(label_GeneralComment));
}

void SystemTab::OnControllerClick(tk::OptionButton& button, int controllerType) {
  button.On<tk::Event::Click>([this, controllerType] {
    if (controllerType_) controllerType_->value = controllerType;
    return true;
  });
}

// Each usable name is stored as it is typed: each keystroke rewrites "Cfg Name". Closing the
// page stores it once more.
void SystemTab::RegisterNameHandlers() {
  textb_CfgName.On<tk::Event::Create>([this] {
    LoadCfgName();
    ShowStoredName();
    return true;
  });
  textb_CfgName.On<tk::Event::Change>([this] {
    if (!filling_.Active()) edited_ = true;
    StoreTypedName();
    return true;
  });
  textb_CfgName.On<tk::Event::LostFocus>([this] {
    if (edited_) PostUserEvent(kCheckNameEvent);
    return true;
  });
  On<tk::Event::User>([this](tk::UserArgs& args) {
    if (args.w != kCheckNameEvent) return false;
    CheckNameAfterLeaving();
    return true;
  });
  textb_CfgName.On<tk::Event::Destroy>([this] {
    StoreTypedName();
    return true;
  });
}

// A name half typed ("my.") is not stored; the last usable one stays in "Cfg Name".
void SystemTab::StoreTypedName() {
  const std::string typed = tk::Narrow(textb_CfgName.Text());
  if (IsStorableName(typed)) StoreCfgName(typed);
}

bool SystemTab::HasUnusableInput() const {
  return edited_ && hwnd() && !IsStorableName(tk::Narrow(textb_CfgName.Text()));
}

// The box is given the stored name: not the player's typing.
void SystemTab::ShowStoredName() {
  tk::Filling::Scope filling(filling_);
  textb_CfgName.SetText(tk::Widen(CurrentCfgName()));
}

// Only while the page is shown and the focus went to another control of the dialog: a page
// switched away from waits for the check at closing, and a player who went to another program
// is not followed there by a message.
void SystemTab::CheckNameAfterLeaving() {
  HWND focus = GetFocus();
  const bool inDialog = focus && IsChild(GetAncestor(hwnd(), GA_ROOT), focus);
  if (IsWindowVisible(hwnd()) && inDialog && !textb_CfgName.HasFocus() && HasUnusableInput())
    RefuseUnusableInput();
}

bool SystemTab::RefuseUnusableInput() {
  HWND dialog = GetAncestor(hwnd(), GA_ROOT);
  tk::ShowMessageBox({dialog, UnusableCfgNameMessage(textb_CfgName.Text()), std::wstring(),
                      MB_ICONEXCLAMATION | MB_OK});
  if (!textb_CfgName.IsEnabled()) {
    ShowStoredName();
    edited_ = false;
    return false;
  }
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(textb_CfgName.hwnd()), TRUE);
  textb_CfgName.SelectAll();
  return true;
}

// Type 3 and every value outside the table show as keyboard and mouse; showing changes nothing.
void SystemTab::ShowControllerType() {
  const int type = controllerType_ ? controllerType_->value : 1;
  switch (type) {
    case 0:
      optb_KbdOnly.SetChecked(true);
      break;
    case 2:
      optb_KbdAndJoystick.SetChecked(true);
      break;
    case 4:
      optb_KbdAndGamePad.SetChecked(true);
      break;
    default:
      optb_KbdAndMouse.SetChecked(true);
      break;
  }
}
