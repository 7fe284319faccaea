#include "setup/mouse_tab.h"

#include "config/setup_section.h"
#include "setup/controls_grids.h"
#include "setup/mouse_tab_ids.h"

namespace {

constexpr const wchar_t* kButtonRows[] = {L"Левая кнопка", L"Средняя кнопка", L"Правая кнопка"};
constexpr const wchar_t* kDirectionRows[] = {L"Вперед", L"Назад", L"Влево", L"Вправо"};

}  // namespace

MouseTab::MouseTab()
    : SetupPage(L"ID_MouseTab"),
      analog({"MouseAnalogAxes0", "MouseAnalogAxes1", "MouseAnalogScale0", "MouseAnalogScale1"}),
      sensitivity_(KzSetupSection::GetControlsEntry("MouseSensitivity")),
      aiming_(KzSetupSection::GetControlsEntry("MouseAiming")),
      clicks_(grid_Click, kMouseClickKeys, 0, chooser_, gridPatch_,
              [this] { HeadOneColumnGrid(grid_Click, L"Щелчок", kButtonRows, Font()); }),
      doubleClicks_(
          grid_DoubleClick, kMouseDoubleClickKeys, 0, chooser_, gridPatch_,
          [this] { HeadOneColumnGrid(grid_DoubleClick, L"Двойной щелчок", kButtonRows, Font()); }),
      digital_(grid_DigitalSetup, kMouseDigitalKeys, 0, chooser_, gridPatch_, [this] {
        HeadOneColumnGrid(grid_DigitalSetup, L"Действие", kDirectionRows, Font());
      }) {
  tk::Grid::RegisterClass();
}

void MouseTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("MouseTab");
  BindControls();
  for (tk::Grid* grid : {&grid_Click, &grid_DoubleClick, &grid_DigitalSetup})
    grid->SetColumnCount(1);
  RegisterScaleSlider(slider_Sensitivity, label_Sensitivity, sensitivity_, kSensitivityScaling, 0,
                      kSensitivityMaximum);
  RegisterAiming();
  analog.Register();
  RegisterButton();
  clicks_.Register();
  doubleClicks_.Register();
  digital_.Register();
  label_DigitalSetup.On<tk::Event::Create>([this] {
    label_DigitalSetup.SetText(kDigitalSetupText);
    return true;
  });
}

// The order of binding is the order of the create events, in which the controls show the
// current configuration.
void MouseTab::BindControls() {
  Bind(TK_ITEM(slider_Sensitivity));
  Bind(TK_ITEM(grid_Click));
  Bind(TK_ITEM(grid_DoubleClick));
  Bind(TK_ITEM(optb_AimingToggle));
  Bind(TK_ITEM(grid_DigitalSetup));
  BIND_ANALOG_INPUTS(*this, analog);
  Bind(TK_ITEM(label_DigitalSetup));
  Bind(TK_ITEM(cb_DefaultMouse));
  Bind(TK_ITEM(optb_AimingMomentary));
  BIND_ANALOG_FRAMES(*this, analog);
  Bind(TK_ITEM(groupb_Sensitivity));
  Bind(TK_ITEM(label_Sensitivity));
  Bind(TK_ITEM(groupb_AimingMode));
}

void MouseTab::RegisterAiming() {
  optb_AimingToggle.On<tk::Event::Create>([this] {
    ShowAiming();
    return true;
  });
  optb_AimingToggle.On<tk::Event::Click>([this] {
    if (aiming_) aiming_->value = 0;
    return true;
  });
  optb_AimingMomentary.On<tk::Event::Click>([this] {
    if (aiming_) aiming_->value = 1;
    return true;
  });
}

void MouseTab::RegisterButton() {
  cb_DefaultMouse.On<tk::Event::Create>([this] {
    cb_DefaultMouse.SetText(kDefaultMouseText);
    return true;
  });
  cb_DefaultMouse.On<tk::Event::Click>([this] {
    Reset();
    return true;
  });
  ShowAsDefaultWhileFocused(cb_DefaultMouse);
}

void MouseTab::ShowAiming() {
  const bool momentary = aiming_ && aiming_->value != 0;
  optb_AimingToggle.SetChecked(!momentary);
  optb_AimingMomentary.SetChecked(momentary);
}

void MouseTab::Reset() {
  KzSetupSection::SetDefaults("Controls", "Mouse");
  tk::Filling::Scope filling(filling_);
  ShowAiming();
  clicks_.Refill();
  doubleClicks_.Refill();
  digital_.Refill();
  analog.Show();
  ScaleToSlider(slider_Sensitivity, label_Sensitivity, sensitivity_, kSensitivityScaling);
}
