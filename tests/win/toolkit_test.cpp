// The toolkit's forms, events, timers, handles and the Windows side of the seams.
#include <gmock/gmock.h>

#include <stdexcept>

#include "config/install_settings.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/caption_face.h"
#include "toolkit/canvas.h"
#include "toolkit/form.h"
#include "toolkit/moment.h"
#include "toolkit/registry.h"
#include "toolkit/seams_win.h"
#include "toolkit/text_box.h"
#include "toolkit/text.h"
#include "toolkit/timer.h"
#include "win_harness.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class ProbeForm : public tk::Form {
 public:
  ProbeForm() : tk::Form(L"ID_ProbeForm") {}
  std::vector<std::string> log;
  tk::Button cb_Probe;
  tk::TextBox textb_Probe;

 private:
  void Register() override {
    log.push_back("register");
    Bind(cb_Probe, 101, "cb_Probe");
    Bind(textb_Probe, 102, "textb_Probe");
    On<tk::Event::Create>([this] { return Note("form create"); });
    On<tk::Event::Destroy>([this] { return Note("form destroy"); });
    cb_Probe.On<tk::Event::Create>([this] { return Note("button create"); });
    // The first click handler declines, so the second one runs.
    cb_Probe.On<tk::Event::Click>([this] {
      log.push_back("click declined");
      return false;
    });
    cb_Probe.On<tk::Event::Click>([this] { return Note("click"); });
    cb_Probe.On<tk::Event::Click>([this] { return Note("never"); });
    textb_Probe.On<tk::Event::Create>([this] { return Note("edit create"); });
    textb_Probe.On<tk::Event::Change>([this] { return Note("change"); });
    textb_Probe.On<tk::Event::Destroy>([this] { return Note("edit destroy"); });
  }
  void Created() override { log.push_back("created"); }
  bool Note(const char* entry) {
    log.push_back(entry);
    return true;
  }
};

TEST(FormTest, CreatesFromItsTemplateAndDecodesEventsInOnePlace) {
  // The test prefix is not Russian: the template's Russian caption must come through anyway.
  EXPECT_NE(GetACP(), 1251u);
  ProbeForm form;
  ASSERT_TRUE(form.Create(nullptr));
  EXPECT_THAT(form.log,
              ElementsAre("register", "form create", "button create", "edit create", "created"));
  EXPECT_EQ(form.cb_Probe.Text(), L"Кнопка");
  EXPECT_EQ(form.FindControl(102), &form.textb_Probe);

  form.log.clear();
  SendMessageW(form.cb_Probe.hwnd(), BM_CLICK, 0, 0);
  form.textb_Probe.SetText(L"Тест");
  EXPECT_THAT(form.log, ElementsAre("click declined", "click", "change"));

  form.log.clear();
  HWND button = form.cb_Probe.hwnd();
  form.Destroy();
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(form.hwnd(), nullptr);
  EXPECT_THAT(form.log, ElementsAre("form destroy", "edit destroy"));
  // The handlers went with the window; a new window registers them anew.
  EXPECT_TRUE(form.events().Empty());
  EXPECT_TRUE(form.cb_Probe.events().Empty());
  ASSERT_TRUE(form.Create(nullptr));
  EXPECT_FALSE(form.cb_Probe.events().Empty());
}

TEST(FormTest, EscClosesTheFormOnlyWhenItAsksForThatAndACloseHandlerCanKeepItOpen) {
  ProbeForm form;
  int cancels = 0, closes = 0;
  bool keepOpen = true;
  ASSERT_TRUE(form.Create(nullptr));
  form.On<tk::Event::Cancel>([&] {
    ++cancels;
    return false;
  });
  form.On<tk::Event::Close>([&](tk::CancelArgs& a) {
    ++closes;
    a.cancel = keepOpen;
    return true;
  });
  form.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_NE(form.hwnd(), nullptr);
  keepOpen = false;
  SendMessageW(form.hwnd(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(cancels, 1);
  EXPECT_NE(form.hwnd(), nullptr);
  form.SetCloseOnCancel(true);
  SendMessageW(form.hwnd(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(cancels, 2);
  EXPECT_EQ(closes, 2);
  EXPECT_EQ(form.hwnd(), nullptr);
}

// OutputDebugStringW raises DBG_PRINTEXCEPTION_C with the text, which a vectored handler sees.
std::vector<std::string> debugOutput;

LONG CALLBACK NoteDebugOutput(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2)
    debugOutput.push_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
  return EXCEPTION_CONTINUE_SEARCH;
}

TEST(FormTest, AnExceptionFromAHandlerStopsAtTheFormAndIsReported) {
  ProbeForm form;
  ASSERT_TRUE(form.Create(nullptr));
  form.On<tk::Event::User>([]() -> bool { throw std::runtime_error("no such page"); });
  PVOID watcher = AddVectoredExceptionHandler(1, NoteDebugOutput);
  SendMessageW(form.hwnd(), tk::kUserEventMessage, 0, 0);
  RemoveVectoredExceptionHandler(watcher);
  EXPECT_THAT(debugOutput, ElementsAre(HasSubstr("dialog procedure: no such page")));
}

TEST(TimerTest, FiresTheGivenNumberOfTimes) {
  ProbeForm form;
  ASSERT_TRUE(form.Create(nullptr));
  tk::Timer timer(form);
  int fired = 0;
  timer.On<tk::Event::Timer>([&] { return ++fired, true; });
  timer.Start(10, 3);
  EXPECT_TRUE(wt::PumpUntil([&] { return !timer.Running(); }, 5000));
  wt::PumpFor(100);  // shows that no fourth tick comes
  EXPECT_EQ(fired, 3);
  timer.Start(10);  // no count: until stopped
  EXPECT_TRUE(wt::PumpUntil([&] { return fired >= 8; }, 5000));
  timer.Stop();
  const int stopped = fired;
  wt::PumpFor(100);  // shows that a stopped timer does not fire
  EXPECT_EQ(fired, stopped);
}

TEST(ApplicationTest, ACancelledStartEndsWithMinusOne) {
  tk::Application app;
  std::vector<std::string> log;
  app.On<tk::Event::Start>([&](tk::CancelArgs& a) {
    log.push_back("start");
    a.cancel = true;
    return true;
  });
  app.On<tk::Event::Run>([&] { return log.push_back("run"), true; });
  app.On<tk::Event::End>([&] { return log.push_back("end"), true; });
  EXPECT_EQ(app.Run(), -1);
  EXPECT_THAT(log, ElementsAre("start", "end"));
}

TEST(HandlesTest, CanvasesAndFacesCountTheirObjectsAndReleaseThem) {
  const long gdi = tk::LiveObjects::Gdi().load();
  {
    tk::Canvas canvas;
    ASSERT_TRUE(canvas.CreateBlank(40, 30, RGB(0, 0, 0)));
    EXPECT_EQ(tk::LiveObjects::Gdi().load(), gdi + 2);  // its DC and its bitmap
    tk::BitmapHandle face = tk::MakeCaptionFace(L"Выход", nullptr, 100, RGB(255, 255, 0));
    ASSERT_TRUE(face);
    BITMAP info{};
    GetObjectW(face.get(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 100);
    EXPECT_EQ(info.bmHeight, 73);
    // Yellow caption in the middle rows, black corners.
    tk::MemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.get(), face.get());
    int yellow = 0;
    for (int y = 30; y < 43; ++y)
      for (int x = 0; x < 100; ++x) yellow += GetPixel(dc.get(), x, y) == RGB(255, 255, 0);
    EXPECT_GT(yellow, 10);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc.get(), 99, 72), RGB(0, 0, 0));
    SelectObject(dc.get(), old);
  }
  EXPECT_EQ(tk::LiveObjects::Gdi().load(), gdi);
}

TEST(HandlesTest, PredefinedRootKeysAreNeverClosed) {
  tk::KeyHandle root(HKEY_CURRENT_USER);
  EXPECT_FALSE(root);
  root.reset();
  tk::RegistryKey software = tk::RegistryKey::Open(HKEY_CURRENT_USER, L"Software", KEY_READ);
  EXPECT_TRUE(software);
  EXPECT_TRUE(tk::RegistryKey::Open(HKEY_CURRENT_USER, L"Software", KEY_READ));
}

// The installation key of the Windows seams: opened, never created.
class InstallKeyTest : public ::testing::Test {
 protected:
  std::optional<std::wstring> savedName, savedFolder;
  bool existed = false;
  void SetUp() override {
    tk::InstallWindowsSeams();
    tk::RegistryKey key = tk::RegistryKey::Open(HKEY_CURRENT_USER, wt::kInstallKey, KEY_READ);
    existed = bool(key);
    savedName = key.ReadString(L"Cfg Name");
    savedFolder = key.ReadString(L"Main Folder");
    RegDeleteKeyW(HKEY_CURRENT_USER, wt::kInstallKey);
  }
  void TearDown() override {
    RegDeleteKeyW(HKEY_CURRENT_USER, wt::kInstallKey);
    if (!existed) return;
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, wt::kInstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegCloseKey(key);
    if (savedName) wt::WriteInstallValue(L"Cfg Name", *savedName);
    if (savedFolder) wt::WriteInstallValue(L"Main Folder", *savedFolder);
  }
  bool KeyExists() const {
    return bool(tk::RegistryKey::Open(HKEY_CURRENT_USER, wt::kInstallKey, KEY_READ));
  }
};

TEST_F(InstallKeyTest, WithoutTheKeyNothingIsReadAndNothingCreatedAndNamesTravelAsUnicode) {
  StoreCfgName("новый.cfg");
  EXPECT_EQ(CurrentCfgName(), "новый.cfg");
  LoadCfgName();
  EXPECT_EQ(CurrentCfgName(), "новый.cfg");
  EXPECT_FALSE(InstallKeyOpens());
  EXPECT_EQ(ReadInstallValue("Main Folder"), "");
  EXPECT_FALSE(KeyExists());

  // Names travel as Unicode whatever the code page.
  wt::WriteInstallValue(L"Main Folder", L"C:\\Игры\\Вольтран");
  EXPECT_EQ(ReadInstallValue("Main Folder"), "C:\\Игры\\Вольтран");
  EXPECT_EQ(ReadInstallValue("Cfg Name"), "");
  StoreCfgName("игрок.cfg");
  EXPECT_EQ(wt::ReadInstallValue(L"Cfg Name"), L"игрок.cfg");
  StoreCfgName("");
  LoadCfgName();
  EXPECT_EQ(CurrentCfgName(), "");
}

// Moments for a timing harness: each test case runs in a process of its own, so the variable
// is read fresh.
tk::KernelHandle MomentEvent(const wchar_t* name) {
  return tk::KernelHandle(CreateEventW(nullptr, TRUE, FALSE, name));
}

bool IsSet(const tk::KernelHandle& event) {
  return WaitForSingleObject(event.get(), 0) == WAIT_OBJECT_0;
}

TEST(MomentTest, WithThePrefixSetOnlyTheNamedMomentsEventIsSet) {
  SetEnvironmentVariableW(tk::kMomentsVariable, L"MomentTest1");
  tk::KernelHandle painted = MomentEvent(L"MomentTest1.first-paint");
  tk::KernelHandle idle = MomentEvent(L"MomentTest1.dialog-idle");
  tk::KernelHandle otherRun = MomentEvent(L"MomentTest2.first-paint");
  tk::MarkMoment(L"first-paint");
  tk::MarkMoment(L"no-one-waits-for-this");
  EXPECT_TRUE(IsSet(painted));
  EXPECT_FALSE(IsSet(idle));
  EXPECT_FALSE(IsSet(otherRun));
}

TEST(MomentTest, WithoutThePrefixNothingIsSignalled) {
  SetEnvironmentVariableW(tk::kMomentsVariable, nullptr);
  tk::KernelHandle unprefixed = MomentEvent(L".first-paint");
  tk::KernelHandle bare = MomentEvent(L"first-paint");
  tk::MarkMoment(L"first-paint");
  EXPECT_FALSE(IsSet(unprefixed));
  EXPECT_FALSE(IsSet(bare));
}

}  // namespace
