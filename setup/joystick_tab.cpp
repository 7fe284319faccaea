#include "setup/joystick_tab.h"

#include <iterator>

#include "config/setup_section.h"
#include "setup/controls_grids.h"
#include "setup/joystick_tab_ids.h"

namespace {

constexpr int kActivityColumn = 1;
constexpr const wchar_t* kGroupEnd = L"* * *";

// The heading of each row that has one; the last row of every group of four reads "* * *".
struct RowHeading {
  int row;
  const wchar_t* text;
};
constexpr RowHeading kRowHeadings[] = {
    {0, L"Щелчок"},
    {4, L"Двойной щелчок"},
    {8, L"Головка джойстика,"},
    {9, L"щелчок"},
    {12, L"Головка джойстика,"},
    {13, L"двойной щелчок"},
    {16, L"Цифровые установки"},
    {20, L"Game Pad,"},
    {21, L"цифровые установки"},
};

constexpr const wchar_t* kButtons[] = {L"Кнопка 1", L"Кнопка 2", L"Кнопка 3", L"Кнопка 4"};
constexpr const wchar_t* kHat[] = {L"Верх", L"Низ", L"Лево", L"Право"};
constexpr const wchar_t* kDirections[] = {L"Вперед", L"Назад", L"Влево", L"Вправо"};
// Column 0 of each group of four rows.
constexpr const wchar_t* const* kGroupTexts[] = {kButtons, kButtons,    kHat,
                                                 kHat,     kDirections, kDirections};

}  // namespace

JoystickTab::JoystickTab()
    : SetupPage(L"ID_JoystickTab"),
      analog({"JoystickAnalogAxes0", "JoystickAnalogAxes1", "JoystickAnalogScale0",
              "JoystickAnalogScale1"}),
      port_(KzSetupSection::GetControlsEntry("JoystickPort")),
      rudder_(KzSetupSection::GetControlsEntry("EnableRudder")),
      rows_(grid_Joystick, kJoystickKeys, kActivityColumn, chooser_, gridPatch_,
            [this] { FillFixedTexts(); }),
      watch_(*this, grid_Joystick, kActivityColumn, gridPatch_) {
  tk::Grid::RegisterClass();
}

void JoystickTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("JoystickTab");
  BindControls();
  grid_Joystick.SetColumnCount(2);
  RegisterDevice();
  rows_.Register();
  watch_.Register();
  analog.Register();
  cb_JoystickDefault.On<tk::Event::Click>([this] {
    Reset();
    return true;
  });
  ShowAsDefaultWhileFocused(cb_JoystickDefault);
  label_Comment.On<tk::Event::Create>([this] {
    label_Comment.SetText(kJoystickComment);
    return true;
  });
}

void JoystickTab::BindControls() {
  Bind(TK_ITEM(optb_Port1));
  Bind(TK_ITEM(optb_Port2));
  Bind(TK_ITEM(checkbox_Rudder));
  Bind(TK_ITEM(grid_Joystick));
  BIND_ANALOG_INPUTS(*this, analog);
  Bind(TK_ITEM(cb_JoystickDefault));
  BIND_ANALOG_FRAMES(*this, analog);
  Bind(TK_ITEM(groupb_Misc));
  Bind(TK_ITEM(label_Comment));
}

void JoystickTab::RegisterDevice() {
  optb_Port1.On<tk::Event::Create>([this] {
    ShowDevice();
    return true;
  });
  optb_Port1.On<tk::Event::Click>([this] {
    if (port_) port_->value = 0;
    WatchDevice();
    return true;
  });
  optb_Port2.On<tk::Event::Click>([this] {
    if (port_) port_->value = 1;
    WatchDevice();
    return true;
  });
  checkbox_Rudder.On<tk::Event::Click>([this] {
    if (rudder_) rudder_->value = checkbox_Rudder.IsChecked() ? 1 : 0;
    return true;
  });
}

void JoystickTab::ShowDevice() {
  ((port_ && port_->value != 0) ? optb_Port2 : optb_Port1).SetChecked(true);
  checkbox_Rudder.SetChecked(rudder_ && rudder_->value != 0);
}

// Port 1 is the system's first joystick, port 2 its second.
void JoystickTab::WatchDevice() {
  const unsigned device = (port_ && port_->value != 0) ? 1 : 0;
  watch_.Watch(Context().joysticks, device, hwnd() && IsWindowVisible(hwnd()));
}

// Headings and column 0. The row headings take the width of the widest; column 0 that of its
// widest text; the activities take the rest.
void JoystickTab::FillFixedTexts() {
  tk::Grid& grid = grid_Joystick;
  grid.SetColumnHeading(0, L"Выбор");
  grid.SetColumnHeading(1, L"Действие");
  std::vector<const wchar_t*> headings;
  for (const RowHeading& h : kRowHeadings) headings.push_back(h.text);
  grid.SetRowHeadingWidth(FittingWidth(grid.hwnd(), Font(), headings));
  grid.SetColumnWidth(0, FittingWidth(grid.hwnd(), Font(), kButtons));
  for (int row = 0; row < kJoystickRows; ++row) {
    grid.SetRowHeading(row, row % 4 == 3 ? kGroupEnd : L"");
    grid.SetCellText(row, 0, kGroupTexts[row / 4][row % 4]);
  }
  for (const RowHeading& h : kRowHeadings) grid.SetRowHeading(h.row, h.text);
}

void JoystickTab::Reset() {
  KzSetupSection::SetDefaults("Controls", "Joystick");
  tk::Filling::Scope filling(filling_);
  rows_.Refill();
  ShowDevice();
  WatchDevice();
  analog.Show();
}
