#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "config_fixture.h"
#include "config/cp1251.h"
#include "config/setup_section.h"

namespace {

using S = KzSetupSection;

class SetupModelTest : public ConfigFixture {
 protected:
  void SetUp() override {
    ConfigFixture::SetUp();
    S::SetDefaults(nullptr, nullptr);
    LoadedTables() = CurrentTables();
  }
  static std::string Caption(const KzSetupEntry* e) { return kz::Cp1251ToUtf8(e->caption); }
};

TEST_F(SetupModelTest, SectionsHaveTheirEntryCountsAndTerminators) {
  const int expected[kSectionCount] = {0, 11, 19, 42, 55, 1, 3};
  for (int s = 0; s < kSectionCount; ++s) {
    const KzSetupEntry* table = DefaultTables().Table(s);
    int count = 0;
    while (table[count].name[0]) ++count;
    EXPECT_EQ(count, expected[s]) << kSections[s].name;
    const KzSetupEntry& end = table[count];
    EXPECT_TRUE(!end.caption[0] && !end.type && !end.value && !end.text1[0] && !end.disabled);
  }
}

TEST_F(SetupModelTest, DefaultsAsTabled) {
  const KzSetupEntry* width = S::GetScreen_SetupEntry("ScreenWidth");
  EXPECT_EQ(width->value, 640);
  EXPECT_EQ(Caption(width), "Ширина экрана");
  EXPECT_EQ(S::GetScreen_SetupEntry("Environment")->type, kStringEntry);
  EXPECT_EQ(Caption(S::GetScreen_SetupEntry("Out")), "Вывод?");
  EXPECT_EQ(S::GetSound_SetupEntry("MixRate", false)->value, 22000);
  const KzSetupEntry* emu = S::GetSound_SetupEntry("BlasterEmu", false);
  EXPECT_TRUE(emu->disabled);
  EXPECT_EQ(emu->type, kHexEntry);
  EXPECT_EQ(emu->value, 0x620);
  int disabledCount = 0;
  for (const KzSetupEntry& e : DefaultTables().entries) disabledCount += e.disabled;
  EXPECT_EQ(disabledCount, 1);
  const KzSetupEntry* kick = S::GetKeyDefinitonsEntry("Quick_Kick");
  EXPECT_STREQ(kick->text1, "`");
  EXPECT_STREQ(kick->text2, "");
  EXPECT_EQ(Caption(kick), "Секретный прием");
  EXPECT_STREQ(S::GetControlsEntry("JoystickDigitalAxes3_0")->text1, "Run");
  EXPECT_EQ(S::GetControlsEntry("MouseSensitivity")->value, 32768);
  EXPECT_EQ(S::GetControlsEntry("MouseButton0")->caption[0], 0);  // Controls have no captions
}

TEST_F(SetupModelTest, LookupsIgnoreCaseAndComplainAboutMisses) {
  EXPECT_EQ(S::GetControlsEntry("controllertype"), S::GetControlsEntry("ControllerType"));
  EXPECT_TRUE(seams.complaints.shown.empty());
  EXPECT_EQ(S::GetControlsEntry("ScreenWidth"), nullptr);
  EXPECT_EQ(S::GetScreen_SetupEntry("Bogus"), nullptr);
  EXPECT_EQ(S::GetSound_SetupEntry("Fire", true), nullptr);
  EXPECT_EQ(S::GetKeyDefinitonsEntry("Move Forward"), nullptr);
  ASSERT_EQ(seams.complaints.shown.size(), 4u);
  EXPECT_EQ(seams.complaints.shown[0].kind, kz::Complaint::kMissingKey);
  EXPECT_EQ(seams.complaints.shown[0].text, "GetControlsEntry(): \"ScreenWidth\" is incorrect");
  EXPECT_EQ(seams.complaints.shown[1].text, "GetScreen_SetupEntry(): \"Bogus\" is incorrect");
  EXPECT_EQ(seams.complaints.shown[2].text, "GetSound_SetupEntry(): \"Fire\" is incorrect");
  EXPECT_EQ(seams.complaints.shown[3].text,
            "GetKeyDefinitonsEntry(): \"Move Forward\" is incorrect");
}

TEST_F(SetupModelTest, KeyGridRowsAndUsedKeys) {
  EXPECT_STREQ(S::GetKeyDefinitionsRow(0)->name, "Move_Forward");
  EXPECT_STREQ(S::GetKeyDefinitionsRow(41)->name, "Previous_Weapon");
  EXPECT_EQ(S::GetKeyDefinitionsRow(42), nullptr);
  EXPECT_EQ(S::GetKeyDefinitionsRow(-1), nullptr);
  EXPECT_FALSE(S::IsKeyUsed(""));
  EXPECT_TRUE(S::IsKeyUsed("lctrl"));
  EXPECT_TRUE(S::IsKeyUsed("RShift"));  // a second key counts as well
  EXPECT_FALSE(S::IsKeyUsed("B"));
  SetEntryText(S::GetKeyDefinitonsEntry("Fire")->text2, "");
  EXPECT_FALSE(S::IsKeyUsed("RCtrl"));
}

TEST_F(SetupModelTest, DefaultsOfOneSectionLeaveTheOthersAndTheDetectedDefaultsStay) {
  S::GetScreen_SetupEntry("ScreenWidth")->value = 1024;
  S::GetSound_SetupEntry("FXVolume", false)->value = 3;
  S::GetSound_SetupEntry("BlasterEmu", false)->disabled = false;
  S::SetDefaults("sound setup", nullptr);
  EXPECT_EQ(S::GetSound_SetupEntry("FXVolume", false)->value, 180);
  EXPECT_TRUE(S::GetSound_SetupEntry("BlasterEmu", false)->disabled);
  EXPECT_EQ(S::GetScreen_SetupEntry("ScreenWidth")->value, 1024);
  S::SetDefaults("Nonsense", nullptr);
  S::SetDefaults("Setup", nullptr);
  EXPECT_EQ(S::GetScreen_SetupEntry("ScreenWidth")->value, 1024);
  // Detected sound defaults survive a reset.
  S::GetSound_SetupEntry("BlasterAddress", true)->value = 0x240;
  S::GetSound_SetupEntry("MixRate", false)->value = 44100;
  S::GetSound_SetupEntry("BlasterAddress", false)->value = 0x280;
  S::SetDefaults("Sound Setup", nullptr);
  EXPECT_EQ(S::GetSound_SetupEntry("BlasterAddress", false)->value, 576);
  EXPECT_EQ(S::GetSound_SetupEntry("MixRate", false)->value, 22000);
}

TEST_F(SetupModelTest, KeyDefinitionsResetRestoresClearedKeys) {
  for (int row = 0; row < 42; ++row) {
    SetEntryText(S::GetKeyDefinitionsRow(row)->text1, "");
    SetEntryText(S::GetKeyDefinitionsRow(row)->text2, "Q");
  }
  S::SetDefaults("KEYDEFINITIONS", nullptr);
  EXPECT_STREQ(S::GetKeyDefinitonsEntry("Move_Forward")->text1, "Up");
  EXPECT_STREQ(S::GetKeyDefinitonsEntry("Move_Forward")->text2, "Kpad8");
  EXPECT_STREQ(S::GetKeyDefinitonsEntry("Strafe")->text2, "");
  EXPECT_FALSE(S::IsConfigChanged());
}

// Changes every Controls entry, resets by controller, and lists the names that came back.
std::vector<std::string> ResetControlsFor(const char* controller) {
  KzSetupEntry* table = CurrentTables().Table(kControls);
  for (KzSetupEntry* e = table; e->name[0]; ++e) {
    e->value = 77;
    SetEntryText(e->text1, "x");
  }
  S::SetDefaults("Controls", controller);
  std::vector<std::string> reset;
  const KzSetupEntry* defaults = DefaultTables().Table(kControls);
  for (int i = 0; table[i].name[0]; ++i) {
    if (table[i] == defaults[i]) {
      reset.push_back(table[i].name);
    } else {
      EXPECT_EQ(table[i].value, 77) << table[i].name;  // untouched, not half reset
    }
  }
  return reset;
}

bool AllStartWith(const std::vector<std::string>& names, const std::vector<std::string>& prefixes) {
  return std::all_of(names.begin(), names.end(), [&](const std::string& name) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const std::string& p) { return name.rfind(p, 0) == 0; });
  });
}

TEST_F(SetupModelTest, ControlsResetByControllerCaseSensitivelyAndTheTypeOnlyWithAll) {
  const auto mouse = ResetControlsFor("Mouse");
  EXPECT_EQ(mouse.size(), 16u);
  EXPECT_TRUE(AllStartWith(mouse, {"Mouse"}));
  const auto joystick = ResetControlsFor("Joystick");
  EXPECT_EQ(joystick.size(), 38u);
  EXPECT_TRUE(AllStartWith(joystick, {"Joystick", "GamePad", "EnableRudder"}));
  EXPECT_NE(std::find(joystick.begin(), joystick.end(), "EnableRudder"), joystick.end());
  EXPECT_TRUE(ResetControlsFor("mouse").empty());
  EXPECT_EQ(ResetControlsFor("Game").size(), 4u);
  EXPECT_EQ(ResetControlsFor("Controller").size(), 1u);
  EXPECT_EQ(ResetControlsFor("").size(), 55u);  // every name begins with the empty text
  // ControllerType comes back only with the whole table.
  S::GetControlsEntry("ControllerType")->value = 2;
  S::SetDefaults("Controls", "Joystick");
  EXPECT_EQ(S::GetControlsEntry("ControllerType")->value, 2);
  S::SetDefaults("Controls", nullptr);
  EXPECT_EQ(S::GetControlsEntry("ControllerType")->value, 1);
}

TEST_F(SetupModelTest, ChangeDetectionSeesEveryFieldAndItsReturn) {
  EXPECT_FALSE(S::IsConfigChanged());
  KzSetupEntry* width = S::GetScreen_SetupEntry("ScreenWidth");
  width->value = 800;
  EXPECT_TRUE(S::IsConfigChanged());
  width->value = 640;
  EXPECT_FALSE(S::IsConfigChanged());
  KzSetupEntry* rts = S::GetControlsEntry("MouseButton0");
  SetEntryText(rts->text1, "Open");
  EXPECT_TRUE(S::IsConfigChanged());
  SetEntryText(rts->text1, "Fire");
  EXPECT_FALSE(S::IsConfigChanged());
  S::GetSound_SetupEntry("BlasterEmu", false)->disabled = false;
  EXPECT_TRUE(S::IsConfigChanged());
  S::GetSound_SetupEntry("BlasterEmu", false)->disabled = true;
  EXPECT_FALSE(S::IsConfigChanged());
  SetEntryText(CurrentTables().Table(kMisc)[3].name, "Extra");  // even a terminator counts
  EXPECT_TRUE(S::IsConfigChanged());
}

struct RecordingList : kz::ActivityList {
  std::vector<std::u16string> texts;
  std::vector<KzSetupEntry*> entries;
  int selected = -1;
  void AddItem(const std::u16string& text, KzSetupEntry* entry) override {
    texts.push_back(text);
    entries.push_back(entry);
  }
  void SelectItem(int index) override { selected = index; }
};

TEST_F(SetupModelTest, ActivityListHasTheEmptyItemAndAllActivities) {
  RecordingList list;
  list.AddItem(u"kept", nullptr);  // the list is not cleared first
  S::FillActivityList(list);
  ASSERT_EQ(list.texts.size(), 44u);
  EXPECT_EQ(list.texts[1], u"");
  EXPECT_EQ(list.entries[1], nullptr);
  EXPECT_EQ(list.texts[2], u"Вперед");
  EXPECT_EQ(list.texts[43], u"Предыдущее оружие");
  EXPECT_EQ(list.entries[43], S::GetKeyDefinitionsRow(41));
  EXPECT_EQ(list.selected, 0);
}

struct RecordingGrid : kz::KeyGridView {
  std::map<std::pair<int, int>, std::u16string> cells;
  int rows = 0, column = -1;
  void SetCellText(int row, int col, const std::u16string& text) override {
    cells[{row, col}] = text;
  }
  void SetRowCount(int count) override { rows = count; }
  void SetCurrentColumn(int col) override { column = col; }
};

TEST_F(SetupModelTest, KeyGridShowsCaptionsAndDisplayNames) {
  SetEntryText(S::GetKeyDefinitonsEntry("Map")->text2, "F1");
  RecordingGrid grid;
  S::FillKeyGrid(grid);
  EXPECT_EQ(grid.rows, 42);
  EXPECT_EQ(grid.column, 1);
  EXPECT_EQ(grid.cells.size(), 126u);
  EXPECT_EQ(grid.cells[std::make_pair(0, 0)], u"Вперед");
  EXPECT_EQ(grid.cells[std::make_pair(0, 1)], u"Стрелка вверх");
  EXPECT_EQ(grid.cells[std::make_pair(0, 2)], u"8 (справа)");
  EXPECT_EQ(grid.cells[std::make_pair(4, 2)], u"Никакой");
  EXPECT_EQ(grid.cells[std::make_pair(31, 2)], u"Неправильная");
  EXPECT_EQ(grid.cells[std::make_pair(39, 1)], u"`");
}

TEST_F(SetupModelTest, TextsAreCutAtThirtyOneCharacters) {
  KzSetupEntry* rts = S::GetControlsEntry("MouseButton0");
  SetEntryText(rts->text1, std::string(40, 'w'));
  EXPECT_EQ(std::strlen(rts->text1), 31u);
  EXPECT_EQ(rts->text1[31], 0);
}

}  // namespace
