// The built-in content of the default tables.
#include <cstring>

#include "config/cp1251.h"
#include "config/setup_tables.h"

namespace {

struct DefaultEntry {
  const char* name;
  int32_t type;
  int32_t value;
  const char* text1 = "";
  const char* text2 = "";
  const char* captionUtf8 = "";
  bool disabled = false;
};

constexpr int32_t I = kIntegerEntry, H = kHexEntry, S = kStringEntry, P = kStringPairEntry;

DefaultEntry Screen(const char* name, int32_t type, int32_t value, const char* caption) {
  return {name, type, value, "", "", caption};
}

DefaultEntry Keys(const char* name, const char* caption, const char* key1, const char* key2) {
  return {name, P, 0, key1, key2, caption};
}

const DefaultEntry kScreenSetup[] = {
    Screen("ScreenMode", I, 1, "Режим экрана"),
    Screen("ScreenWidth", I, 640, "Ширина экрана"),
    Screen("ScreenHeight", I, 480, "Высота экрана"),
    Screen("Shadows", I, 1, "Тени"),
    Screen("Environment", S, 0, "Окружение"),
    Screen("Detail", I, 1, "Детали"),
    Screen("Tilt", I, 1, "Наклон"),
    Screen("Messages", I, 1, "Сообщения"),
    Screen("Out", I, 0, "Вывод?"),
    Screen("ScreenSize", I, 12, "Размер экрана"),
    Screen("ScreenGamma", I, 1, "Гамма экрана"),
};

const DefaultEntry kSoundSetup[] = {
    {"FXDevice", I, 0},         {"MusicDevice", I, 0},
    {"FXVolume", I, 180},       {"MusicVolume", I, 136},
    {"NumVoices", I, 8},        {"NumChannels", I, 2},
    {"NumBits", I, 16},         {"MixRate", I, 22000},
    {"MidiPort", H, 0x330},     {"BlasterAddress", H, 0x220},
    {"BlasterInterrupt", I, 5}, {"BlasterDma8", I, 1},
    {"BlasterDma16", I, 5},     {"BlasterEmu", H, 0x620, "", "", "", true},
    {"ReverseStereo", I, 1},    {"SoundToggle", I, 1},
    {"VoiceToggle", I, 1},      {"AmbienceToggle", I, 1},
    {"MusicToggle", I, 1},
};

const DefaultEntry kKeyDefinitions[] = {
    Keys("Move_Forward", "Вперед", "Up", "Kpad8"),
    Keys("Move_Backward", "Назад", "Down", "Kpad2"),
    Keys("Turn_Left", "Повернуть налево", "Left", "Kpad4"),
    Keys("Turn_Right", "Повернуть направо", "Right", "Kpad6"),
    Keys("Strafe", "Всегда боком", "LAlt", ""),
    Keys("Fire", "Огонь", "LCtrl", "RCtrl"),
    Keys("Open", "Открыть", "Space", ""),
    Keys("Run", "Бежать", "LShift", "RShift"),
    Keys("AutoRun", "Бежать всегда", "CapLck", ""),
    Keys("Jump", "Прыгнуть", "A", ""),
    Keys("Crouch", "Пригнуться", "Z", ""),
    Keys("Look_Up", "Посмотреть вверх", "PgUp", "Kpad9"),
    Keys("Look_Down", "Посмотреть вниз", "PgDn", "Kpad3"),
    Keys("Look_Left", "Посмотреть налево", "Insert", "Kpad0"),
    Keys("Look_Right", "Посмотреть направо", "Delete", "Kpad."),
    Keys("Strafe_Left", "Боком влево", ",", ""),
    Keys("Strafe_Right", "Боком вправо", ".", ""),
    Keys("Aim_Up", "Целиться вверх", "Home", "Kpad7"),
    Keys("Aim_Down", "Целиться вниз", "End", "Kpad1"),
    Keys("Weapon_1", "Оружие 1", "1", ""),
    Keys("Weapon_2", "Оружие 2", "2", ""),
    Keys("Weapon_3", "Оружие 3", "3", ""),
    Keys("Weapon_4", "Оружие 4", "4", ""),
    Keys("Weapon_5", "Оружие 5", "5", ""),
    Keys("Weapon_6", "Оружие 6", "6", ""),
    Keys("Weapon_7", "Оружие 7", "7", ""),
    Keys("Inventory", "Реквизит", "Enter", "KpdEnt"),
    Keys("Inventory_Left", "Реквизит (лево)", "[", ""),
    Keys("Inventory_Right", "Реквизит (право)", "]", ""),
    Keys("MedKit", "Аптечка", "M", "0"),
    Keys("TurnAround", "Повернуться кругом", "BakSpc", ""),
    Keys("Map", "Карта", "Tab", ""),
    Keys("Shrink_Screen", "Уменьшить экран", "-", "Kpad-"),
    Keys("Enlarge_Screen", "Увеличить экран", "=", "Kpad+"),
    Keys("Center_View", "Центрировать вид", "Kpad5", ""),
    Keys("Holster_Weapon", "Оружие в кобуру", "ScrLck", ""),
    Keys("Map_Follow_Mode", "Следовать по карте", "F", ""),
    Keys("Mouse_Aiming", "Целиться мышью", "U", ""),
    Keys("Toggle_Crosshair", "Прицел", "I", ""),
    Keys("Quick_Kick", "Секретный прием", "`", ""),
    Keys("Next_Weapon", "Следующее оружие", "'", ""),
    Keys("Previous_Weapon", "Предыдущее оружие", ";", ""),
};

const DefaultEntry kControls[] = {
    {"ControllerType", I, 1},
    {"JoystickPort", I, 0},
    {"MouseSensitivity", I, 32768},
    {"EnableRudder", I, 0},
    {"MouseAiming", I, 0},
    {"MouseButton0", S, 0, "Fire"},
    {"MouseButtonClicked0", S, 0},
    {"MouseButton1", S, 0, "Strafe"},
    {"MouseButtonClicked1", S, 0, "Open"},
    {"MouseButton2", S, 0, "Move_Forward"},
    {"MouseButtonClicked2", S, 0},
    {"JoystickButton0", S, 0, "Fire"},
    {"JoystickButtonClicked0", S, 0},
    {"JoystickButton1", S, 0, "Strafe"},
    {"JoystickButtonClicked1", S, 0, "Inventory"},
    {"JoystickButton2", S, 0, "Run"},
    {"JoystickButtonClicked2", S, 0, "Jump"},
    {"JoystickButton3", S, 0, "Open"},
    {"JoystickButtonClicked3", S, 0, "Crouch"},
    {"JoystickButton4", S, 0, "Aim_Down"},
    {"JoystickButtonClicked4", S, 0},
    {"JoystickButton5", S, 0, "Look_Right"},
    {"JoystickButtonClicked5", S, 0},
    {"JoystickButton6", S, 0, "Aim_Up"},
    {"JoystickButtonClicked6", S, 0},
    {"JoystickButton7", S, 0, "Look_Left"},
    {"JoystickButtonClicked7", S, 0},
    {"MouseAnalogAxes0", S, 0, "analog_turning"},
    {"MouseDigitalAxes0_0", S, 0},
    {"MouseDigitalAxes0_1", S, 0},
    {"MouseAnalogScale0", I, 65536},
    {"MouseAnalogAxes1", S, 0, "analog_moving"},
    {"MouseDigitalAxes1_0", S, 0},
    {"MouseDigitalAxes1_1", S, 0},
    {"MouseAnalogScale1", I, 65536},
    {"JoystickAnalogAxes0", S, 0, "analog_turning"},
    {"JoystickDigitalAxes0_0", S, 0},
    {"JoystickDigitalAxes0_1", S, 0},
    {"JoystickAnalogScale0", I, 65536},
    {"JoystickAnalogAxes1", S, 0, "analog_moving"},
    {"JoystickDigitalAxes1_0", S, 0},
    {"JoystickDigitalAxes1_1", S, 0},
    {"JoystickAnalogScale1", I, 65536},
    {"JoystickAnalogAxes2", S, 0, "analog_strafing"},
    {"JoystickDigitalAxes2_0", S, 0},
    {"JoystickDigitalAxes2_1", S, 0},
    {"JoystickAnalogScale2", I, 65536},
    {"JoystickAnalogAxes3", S, 0},
    {"JoystickDigitalAxes3_0", S, 0, "Run"},
    {"JoystickDigitalAxes3_1", S, 0},
    {"JoystickAnalogScale3", I, 65536},
    {"GamePadDigitalAxes0_0", S, 0, "Turn_Left"},
    {"GamePadDigitalAxes0_1", S, 0, "Turn_Right"},
    {"GamePadDigitalAxes1_0", S, 0, "Move_Forward"},
    {"GamePadDigitalAxes1_1", S, 0, "Move_Backward"},
};

const DefaultEntry kCommSetup[] = {{"RTSName", S, 0, "123"}};

const DefaultEntry kMisc[] = {{"Executions", I, 0}, {"RunMode", I, 0}, {"Crosshairs", I, 1}};

struct SectionDefaults {
  const DefaultEntry* entries;
  int count;
};

template <size_t N>
SectionDefaults Of(const DefaultEntry (&entries)[N]) {
  return {entries, int(N)};
}

void Fill(KzSetupEntry& entry, const DefaultEntry& from) {
  SetEntryText(entry.name, from.name);
  SetEntryText(entry.caption, kz::Utf8ToCp1251(from.captionUtf8));
  entry.type = from.type;
  entry.value = from.value;
  SetEntryText(entry.text1, from.text1);
  SetEntryText(entry.text2, from.text2);
  entry.disabled = from.disabled;
}

KzTableSet BuildDefaults() {
  const SectionDefaults sections[kSectionCount] = {
      {nullptr, 0},  Of(kScreenSetup), Of(kSoundSetup), Of(kKeyDefinitions),
      Of(kControls), Of(kCommSetup),   Of(kMisc),
  };
  KzTableSet set;
  std::memset(&set, 0, sizeof set);
  for (int s = 0; s < kSectionCount; ++s) {
    KzSetupEntry* table = set.Table(s);
    for (int i = 0; i < sections[s].count; ++i) Fill(table[i], sections[s].entries[i]);
  }
  return set;
}

}  // namespace

KzTableSet& DefaultTables() {
  static KzTableSet defaults = BuildDefaults();
  return defaults;
}
