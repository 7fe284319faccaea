#include "setup/system_tab.h"

#include "setup/system_tab_ids.h"

#include "config/install_settings.h"
#include "config/setup_section.h"
#include "toolkit/text.h"

const wchar_t* const kGeneralComment =
    L"Различные параметры окружения, в том числе устанавливаемые\n"
    L"данной системой настройки, могут быть изменены в процессе\n"
    L"игры. Сюда относится громкость звука, музыки, яркость\n"
    L"изображения и т. п. Для настройки в процессе игры\n"
    L"используйте пункт меню \"опции\". Выйти в меню можно в любой\n"
    L"момент игры, нажав Esc.";

SystemTab::SystemTab()
    : tk::Form(L"ID_SystemTab"),
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

// The name is taken as typed, on every change: each keystroke rewrites "Cfg Name". Closing
// the page stores it once more.
void SystemTab::RegisterNameHandlers() {
  textb_CfgName.On<tk::Event::Create>([this] {
    LoadCfgName();
    textb_CfgName.SetText(tk::Widen(CurrentCfgName()));
    return true;
  });
  textb_CfgName.On<tk::Event::Change>([this] {
    StoreTypedName();
    return true;
  });
  textb_CfgName.On<tk::Event::Destroy>([this] {
    StoreTypedName();
    return true;
  });
}

void SystemTab::StoreTypedName() { StoreCfgName(tk::Narrow(textb_CfgName.Text())); }

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
