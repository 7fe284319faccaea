// Every form of the shell: its dialog template, as setupshell.exe carries it, against the
// form's table (form_tables.txt); the names are those that the running forms give the items.
#include "controls_fixture.h"
#include "form_table.h"
#include "setup/mouse_tab.h"
#include "shell/shell_actions.h"

namespace {

class FormTemplatesTest : public ControlsPageTest {
 protected:
  void SetUp() override {
    ControlsPageTest::SetUp();
    actions.showHelp = ShowHelp;
    shipped_ = LoadLibraryExW((wt::TestProgramDir() + L"setupshell.exe").c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE);
  }
  void TearDown() override {
    if (shipped_) FreeLibrary(shipped_);
    ControlsPageTest::TearDown();
  }
  void Expect(const wchar_t* templateName, const tk::Form* live) {
    wt::ExpectFormMatches(templateName, shipped_, live);
  }
  HMODULE shipped_ = nullptr;
};

TEST_F(FormTemplatesTest, EachFormHasTheItemsOfItsTable) {
  ASSERT_NE(shipped_, nullptr);
  WriteConfig(NoSoundCard);
  ASSERT_TRUE(StartShell());
  ButtonBarForm& bar = main->ButtonBar();
  Expect(L"ID_MainForm", main.get());
  Expect(L"ID_ButtonBarForm", &bar);
  bar.pictbttn_Help.Click();
  Expect(L"ID_HelpForm", &bar.Help());
  bar.Help().Close();
  bar.Logo().Show();
  Expect(L"ID_LogoForm", &bar.Logo());
  bar.Logo().Close();
  auto mouse = [this]() -> MouseTab& { return *Form().FindPage<MouseTab>(); };
  auto chooser = [&]() -> ChooseActivityDialog& { return mouse().Chooser(); };
  ASSERT_TRUE(OpenSetup(
      {WhenOpen(), Do([&] {
         Expect(L"ID_SetupForm", &Form());
         const wchar_t* pages[] = {L"ID_ScreenTab", L"ID_SoundTab",    L"ID_KeyboardTab",
                                   L"ID_MouseTab",  L"ID_JoystickTab", L"ID_SystemTab"};
         for (int i = 0; i < int(std::size(pages)); ++i) Expect(pages[i], Form().Page(i));
       }),
       SelectTab(3), DoubleClickCell([&]() -> tk::Grid& { return mouse().grid_Click; }, 0, 0),
       WhenChooserOpen(chooser), Do([&] {
         Expect(L"ID_ChooseActivityDialog", &chooser());
         chooser().cb_Cancel.Click();
       }),
       WhenChooserClosed(chooser), PressKey(VK_ESCAPE)}));
}

}  // namespace
