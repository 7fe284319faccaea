// Each kind of control decodes its own notifications, on real controls: codes that mean one
// thing to a button mean another to a combo box or a list box. Sliders and scroll bars report
// the position they stand at; a control of our own class gets the keys it asks for inside a
// dialog; the key observer sees keys in modal loops. A form and its parts may go in any order.
#include <gmock/gmock.h>

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "toolkit/custom_control.h"
#include "toolkit/editable_combo_box.h"
#include "toolkit/form.h"
#include "toolkit/key_observer.h"
#include "toolkit/list_box.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/slider.h"
#include "toolkit/text_box.h"
#include "toolkit/timer.h"
#include "win_harness.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const wchar_t* kProbeClass = L"VoltraneProbe";

// Takes Enter and Space for itself; Esc and Tab stay the dialog's.
class ProbeControl : public tk::CustomControl {
 protected:
  bool WantsKey(UINT key) const override { return key == VK_RETURN || key == VK_SPACE; }
};

class EventsForm : public tk::Form {
 public:
  EventsForm() : tk::Form(L"ID_EventsForm") { tk::CustomControl::RegisterClass(kProbeClass); }
  tk::EditableComboBox combo_Name;
  tk::ListBox lb_Items;
  tk::Slider slider_Volume;
  tk::ScrollBar vscroll_Pages;
  tk::TextBox textb_Other;
  ProbeControl grid_Probe;
  std::vector<std::string> log;
  std::function<void()> whenCreated;

 private:
  void Register() override {
    Bind(combo_Name, 101, "combo_Name");
    Bind(lb_Items, 102, "lb_Items");
    Bind(slider_Volume, 103, "slider_Volume");
    Bind(vscroll_Pages, 104, "vscroll_Pages");
    Bind(textb_Other, 105, "textb_Other");
    Bind(grid_Probe, 106, "grid_Probe");
    for (tk::Control* c : std::initializer_list<tk::Control*>{&combo_Name, &lb_Items}) {
      c->On<tk::Event::Select>([this, c] { return Note(c, "select"); });
      c->On<tk::Event::Change>([this, c] { return Note(c, "change"); });
      c->On<tk::Event::DoubleClick>([this, c] { return Note(c, "double click"); });
      c->On<tk::Event::GotFocus>([this, c] { return Note(c, "got focus"); });
      c->On<tk::Event::LostFocus>([this, c] { return Note(c, "lost focus"); });
      c->On<tk::Event::Click>([this, c] { return Note(c, "click"); });
    }
    for (tk::Control* c : std::initializer_list<tk::Control*>{&slider_Volume, &vscroll_Pages})
      c->On<tk::Event::Scroll>([this, c](tk::ScrollArgs& a) {
        log.push_back(c->name() + " " + std::to_string(a.position));
        return true;
      });
    grid_Probe.On<tk::Event::KeyDown>([this](tk::KeyArgs& a) {
      log.push_back("probe key " + std::to_string(a.key));
      return true;
    });
    On<tk::Event::Create>([this] {
      combo_Name.AddItem(L"Первый", 1);
      combo_Name.AddItem(L"Второй", 2);
      for (int i = 0; i < 4; ++i) lb_Items.AddItem(L"Строка " + std::to_wstring(i), 10 + i);
      slider_Volume.SetRange(0, 100);
      slider_Volume.SetPageSize(10);
      slider_Volume.SetLineSize(1);
      slider_Volume.SetTickFrequency(10);
      slider_Volume.SetPosition(50);
      vscroll_Pages.SetRange(0, 7);
      vscroll_Pages.SetSteps(1, 3);
      if (whenCreated) whenCreated();
      return false;
    });
  }
  bool Note(tk::Control* c, const char* what) {
    log.push_back(c->name() + " " + what);
    return true;
  }
};

HWND ComboField(const tk::ComboBox& combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo.hwnd(), &info);
  return info.hwndItem;
}

void PressKey(HWND target, UINT key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  wt::PumpFor(30);
}

class ControlEventsTest : public ::testing::Test {
 protected:
  // Created and shown, with the dialog's first focus given out and forgotten.
  void Open() {
    ASSERT_TRUE(form.Create(nullptr));
    ShowWindow(form.hwnd(), SW_SHOW);
    FocusOn(form.textb_Other);
    form.log.clear();
  }
  // The focus taken and what it posted handled (the pump dispatches before it looks).
  void FocusOn(tk::Control& control) {
    control.Focus();
    ASSERT_TRUE(wt::PumpUntil([&] { return control.HasFocus(); }, 5000));
  }
  EventsForm form;
};

TEST_F(ControlEventsTest, AnEditableComboBoxChangesOnEachKeystrokeAndItsListOpensQuietly) {
  ASSERT_NO_FATAL_FAILURE(Open());
  FocusOn(form.combo_Name);
  EXPECT_THAT(form.log, ElementsAre("combo_Name got focus"));
  form.log.clear();
  for (wchar_t c : std::wstring(L"Иг1")) PostMessageW(ComboField(form.combo_Name), WM_CHAR, c, 1);
  wt::PumpFor(50);
  EXPECT_EQ(form.combo_Name.FieldText(), L"Иг1");
  EXPECT_THAT(form.log, ElementsAre("combo_Name change", "combo_Name change", "combo_Name change"));

  // Opening and closing the list: CBN_DROPDOWN (7) and CBN_CLOSEUP (8) are no button codes here.
  form.log.clear();
  form.combo_Name.Send(CB_SHOWDROPDOWN, TRUE);
  wt::PumpFor(50);
  form.combo_Name.Send(CB_SHOWDROPDOWN, FALSE);
  wt::PumpFor(50);
  EXPECT_THAT(form.log, IsEmpty());
  // Setting the field from code is not typing.
  form.combo_Name.SetFieldText(L"Задано");
  EXPECT_THAT(form.log, IsEmpty());

  FocusOn(form.textb_Other);
  EXPECT_THAT(form.log, ElementsAre("combo_Name lost focus"));
}

TEST_F(ControlEventsTest, AListBoxRaisesSelectDoubleClickAndLostFocusEachOnItsOwn) {
  ASSERT_NO_FATAL_FAILURE(Open());
  FocusOn(form.lb_Items);
  form.log.clear();
  PressKey(form.lb_Items.hwnd(), VK_DOWN);
  EXPECT_THAT(form.log, ElementsAre("lb_Items select"));
  EXPECT_EQ(form.lb_Items.ItemValue(form.lb_Items.Selected()), 10);

  form.log.clear();
  const LRESULT height = form.lb_Items.Send(LB_GETITEMHEIGHT);
  const LPARAM third = MAKELPARAM(5, height * 2 + height / 2);
  form.lb_Items.Send(WM_LBUTTONDOWN, MK_LBUTTON, third);
  form.lb_Items.Send(WM_LBUTTONUP, 0, third);
  form.lb_Items.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, third);
  form.lb_Items.Send(WM_LBUTTONUP, 0, third);
  wt::PumpFor(30);
  EXPECT_THAT(form.log, ElementsAre("lb_Items select", "lb_Items double click"));
  EXPECT_EQ(form.lb_Items.ItemValue(form.lb_Items.Selected()), 12);

  // LBN_KILLFOCUS is 5, a button's double click: here it is the loss of focus alone.
  form.log.clear();
  FocusOn(form.textb_Other);
  EXPECT_THAT(form.log, ElementsAre("lb_Items lost focus"));
  // Choosing from code raises nothing.
  form.log.clear();
  EXPECT_TRUE(form.lb_Items.SelectByValue(11));
  EXPECT_EQ(form.lb_Items.Selected(), 1);
  EXPECT_THAT(form.log, IsEmpty());
}

// A scroll bar moves by its steps within its range.
TEST_F(ControlEventsTest, ASliderAndAScrollBarReportThePositionTheyNowStandAt) {
  ASSERT_NO_FATAL_FAILURE(Open());
  FocusOn(form.slider_Volume);
  for (UINT key : {VK_RIGHT, VK_NEXT, VK_END}) PressKey(form.slider_Volume.hwnd(), key);
  EXPECT_THAT(form.log, ElementsAre("slider_Volume 51", "slider_Volume 61", "slider_Volume 100"));
  EXPECT_EQ(form.slider_Volume.Position(), 100);

  // Moved from code, then told as the player's move would tell it: the word in wParam is 0.
  form.log.clear();
  form.slider_Volume.SetPosition(37);
  EXPECT_THAT(form.log, IsEmpty());
  SendMessageW(form.hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
               reinterpret_cast<LPARAM>(form.slider_Volume.hwnd()));
  EXPECT_THAT(form.log, ElementsAre("slider_Volume 37"));

  form.log.clear();
  const auto scroll = [&](int code, int thumb = 0) {
    SendMessageW(form.hwnd(), WM_VSCROLL, MAKEWPARAM(code, thumb),
                 reinterpret_cast<LPARAM>(form.vscroll_Pages.hwnd()));
  };
  scroll(SB_LINEDOWN);
  scroll(SB_PAGEDOWN);
  scroll(SB_THUMBPOSITION, 6);
  scroll(SB_PAGEDOWN);   // stops at the end of the range
  scroll(SB_ENDSCROLL);  // the end of a move: nothing new
  scroll(SB_LINEUP);
  scroll(SB_TOP);
  scroll(SB_LINEUP);
  EXPECT_THAT(form.log, ElementsAre("vscroll_Pages 1", "vscroll_Pages 4", "vscroll_Pages 6",
                                    "vscroll_Pages 7", "vscroll_Pages 6", "vscroll_Pages 0",
                                    "vscroll_Pages 0"));
  EXPECT_EQ(form.vscroll_Pages.Position(), 0);
}

// Enter and Space reach the control as key-down events inside a modal dialog; Esc still
// closes the dialog. The key observer sees the keys of the dialog's own loop.
TEST_F(ControlEventsTest, AControlOfOurOwnTakesEnterAndSpaceWhileEscClosesTheDialog) {
  std::vector<std::pair<HWND, WPARAM>> observed;
  tk::KeyObserver observer([&](const MSG& msg) { observed.emplace_back(msg.hwnd, msg.wParam); });
  HWND probe = nullptr;
  form.whenCreated = [&] {
    probe = form.grid_Probe.hwnd();
    PostMessageW(form.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(probe), TRUE);
    PostMessageW(probe, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(probe, WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(probe, WM_KEYDOWN, VK_ESCAPE, 1);
  };
  int cancels = 0;
  form.On<tk::Event::Cancel>([&] { return ++cancels, false; });
  const INT_PTR result = form.RunModal(nullptr);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(cancels, 1);
  std::erase_if(form.log,
                [](const std::string& entry) { return entry.find("focus") != entry.npos; });
  EXPECT_THAT(form.log, ElementsAre("probe key " + std::to_string(VK_RETURN),
                                    "probe key " + std::to_string(VK_SPACE)));
  EXPECT_THAT(observed,
              ElementsAre(std::pair{probe, WPARAM(VK_RETURN)}, std::pair{probe, WPARAM(VK_SPACE)},
                          std::pair{probe, WPARAM(VK_ESCAPE)}));
}

// Two observers each see a key once, the control still gets it, and the hook goes with the
// last observer.
TEST_F(ControlEventsTest, KeyObserversEachSeeAKeyOnceAndLeaveItToTheControl) {
  ASSERT_NO_FATAL_FAILURE(Open());
  form.grid_Probe.Focus();
  std::vector<WPARAM> observed;
  {
    tk::KeyObserver first([&](const MSG& msg) { observed.push_back(msg.wParam); });
    tk::KeyObserver second([&](const MSG& msg) { observed.push_back(msg.wParam + 1000); });
    EXPECT_TRUE(first.Active());
    PressKey(form.grid_Probe.hwnd(), 'Q');
  }
  PressKey(form.grid_Probe.hwnd(), 'W');  // no observer left: the hook is gone
  EXPECT_THAT(observed, ElementsAre(WPARAM('Q'), WPARAM('Q' + 1000)));
  EXPECT_THAT(form.log, ElementsAre("probe key 81", "probe key 87"));
}

// Handlers that ran after the form they reach had begun to go.
struct Afterlife {
  bool formGone = false;
  int calls = 0;
  std::vector<std::string> late;
};

// Its last member goes first and says so; every handler notes whether it ran after that.
class MortalForm : public tk::Form {
 public:
  explicit MortalForm(Afterlife& afterlife) : tk::Form(L"ID_EventsForm"), marker_{afterlife} {
    tk::CustomControl::RegisterClass(kProbeClass);
  }
  tk::ListBox lb_Items;
  tk::Timer timer{*this};

  std::function<bool()> Handler(const char* what) {
    return [&afterlife = marker_.afterlife, what] {
      ++afterlife.calls;
      if (afterlife.formGone) afterlife.late.push_back(what);
      return false;
    };
  }

 private:
  struct Marker {
    Afterlife& afterlife;
    ~Marker() { afterlife.formGone = true; }
  } marker_;
  void Register() override {
    Bind(lb_Items, 102, "lb_Items");
    On<tk::Event::Destroy>(Handler("form destroy"));
    lb_Items.On<tk::Event::Destroy>(Handler("list destroy"));
    timer.On<tk::Event::Timer>(Handler("timer"));
  }
};

// No Destroy first: the window goes from the base class, after the members, with a timer
// running and a control of our own class that outlives the form.
TEST(FormLifetimeTest, AFormGoingWithItsWindowOpenRunsNoHandlerOnWhatIsGone) {
  Afterlife afterlife;
  ProbeControl grid_Probe;
  std::optional<MortalForm> form(std::in_place, afterlife);
  ASSERT_TRUE(form->Create(nullptr));
  form->Bind(grid_Probe, 106, "grid_Probe");
  grid_Probe.On<tk::Event::Destroy>(form->Handler("probe destroy"));
  form->timer.Start(10);
  ASSERT_TRUE(wt::PumpUntil([&] { return afterlife.calls > 0; }));  // the timer has ticked
  const HWND window = form->hwnd();
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_THAT(afterlife.late, IsEmpty());
  EXPECT_TRUE(grid_Probe.events().Empty());
}

// A control of our own class from the template goes while its form stays: neither the form
// nor the control's window leads to the dead object any more.
TEST(FormLifetimeTest, AControlGoingBeforeItsFormLeavesNothingThatLeadsToIt) {
  Afterlife afterlife;
  MortalForm form(afterlife);
  ASSERT_TRUE(form.Create(nullptr));
  auto probe = std::make_optional<ProbeControl>();
  form.Bind(*probe, 106, "grid_Probe");
  const HWND window = probe->hwnd();
  probe.reset();
  EXPECT_EQ(form.FindControl(106), nullptr);
  // Read and cleared at once, so that the window's last messages cannot reach a dead object.
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, 0), 0);
}

}  // namespace
