#include "setup/mouse_tab.h"

#include "config/setup_section.h"
#include "setup/analog_controls.h"
#include "setup/controls_grids.h"
#include "setup/mouse_tab_ids.h"

namespace {

constexpr const wchar_t* kButtonRows[] = {L"Левая кнопка", L"Средняя кнопка", L"Правая кнопка"};
constexpr const wchar_t* kDirectionRows[] = {L"Вперед", L"Назад", L"Влево", L"Вправо"};

}  // namespace

MouseTab::MouseTab()
    : SetupPage(L"ID_MouseTab"),
      sensitivity_(KzSetupSection::GetControlsEntry("MouseSensitivity")),
      xScale_(KzSetupSection::GetControlsEntry("MouseAnalogScale0")),
      yScale_(KzSetupSection::GetControlsEntry("MouseAnalogScale1")),
      xAxis_(KzSetupSection::GetControlsEntry("MouseAnalogAxes0")),
      yAxis_(KzSetupSection::GetControlsEntry("MouseAnalogAxes1")),
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
  RegisterSliders();
  RegisterChoices();
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
  Bind(TK_ITEM(combo_XAxis));
  Bind(TK_ITEM(combo_YAxis));
  Bind(TK_ITEM(slider_XScale));
  Bind(TK_ITEM(slider_YScale));
  Bind(TK_ITEM(label_DigitalSetup));
  Bind(TK_ITEM(cb_DefaultMouse));
  Bind(TK_ITEM(optb_AimingMomentary));
  Bind(TK_ITEM(groupb_AnalogSetup));
  Bind(TK_ITEM(label_XAxis));
  Bind(TK_ITEM(label_YAxis));
  Bind(TK_ITEM(label_XScale));
  Bind(TK_ITEM(label_YScale));
  Bind(TK_ITEM(groupb_AxialSettings));
  Bind(TK_ITEM(groupb_Scale));
  Bind(TK_ITEM(label_XScaleValue));
  Bind(TK_ITEM(label_YScaleValue));
  Bind(TK_ITEM(groupb_Sensitivity));
  Bind(TK_ITEM(label_Sensitivity));
  Bind(TK_ITEM(groupb_AimingMode));
}

void MouseTab::RegisterSliders() {
  RegisterScaleSlider(slider_Sensitivity, label_Sensitivity, sensitivity_, kSensitivityScaling, 0,
                      kSensitivityMaximum);
  RegisterScaleSlider(slider_XScale, label_XScaleValue, xScale_, kAxisScaling, -kScaleLimit,
                      kScaleLimit);
  RegisterScaleSlider(slider_YScale, label_YScaleValue, yScale_, kAxisScaling, -kScaleLimit,
                      kScaleLimit);
}

void MouseTab::RegisterChoices() {
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
  RegisterAxisCombo(combo_XAxis, xAxis_);
  RegisterAxisCombo(combo_YAxis, yAxis_);
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

void MouseTab::ShowScales() {
  ScaleToSlider(slider_Sensitivity, label_Sensitivity, sensitivity_, kSensitivityScaling);
  ScaleToSlider(slider_XScale, label_XScaleValue, xScale_, kAxisScaling);
  ScaleToSlider(slider_YScale, label_YScaleValue, yScale_, kAxisScaling);
}

void MouseTab::Reset() {
  KzSetupSection::SetDefaults("Controls", "Mouse");
  tk::Filling::Scope filling(filling_);
  ShowAiming();
  clicks_.Refill();
  doubleClicks_.Refill();
  digital_.Refill();
  FillAxisCombo(combo_XAxis, xAxis_);
  FillAxisCombo(combo_YAxis, yAxis_);
  ShowScales();
}
