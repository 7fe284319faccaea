#include "shell/main_form.h"

#include "config/default_path.h"
#include "shell/button_bar_form.h"
#include "config/seams.h"
#include "toolkit/application.h"
#include "toolkit/moment.h"
#include "toolkit/paths.h"
#include "shell/shutdown.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

// The first paint's task runs once per process.
bool firstPaintPosted = false;

constexpr int kBackgroundBitmap = 101;
constexpr int kWindowIcon = 100;

void SetWindowIcon(HWND hwnd, int id) {
  // Shared icons from LoadIconW belong to the system: nothing to release.
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

MainForm::MainForm(ShellActions actions, int argumentCount)
    : tk::Form(L"ID_MainForm"), actions_(std::move(actions)), argumentCount_(argumentCount) {}

MainForm::~MainForm() {
  // The bar goes first, while this window still exists to own it.
  buttonBar_.reset();
  waitTimer_.reset();
}

void MainForm::Register() {
  buttonBar_ = std::make_unique<ButtonBarForm>(hwnd(), BarActions());
  waitTimer_ = std::make_unique<tk::Timer>(*this);

  SetWindowIcon(hwnd(), kWindowIcon);
  SetFont("12.Courier.CharSet=204");
  SetBackground(RGB(0, 0, 0));
  SetTextColour(RGB(192, 192, 192));
  SetName("MainForm");

  On<tk::Event::Paint>([this](tk::PaintArgs& a) { return Paint(a); });
  On<tk::Event::User>([this] { return FirstPaintTask(); });
  On<tk::Event::Close>([] {
    tk::Application::Quit(0);
    return true;
  });
  waitTimer_->On<tk::Event::Timer>([this] {
    waiting_ = false;
    waitTimer_->Stop();
    return true;
  });

  SetCurrentDirectoryW(tk::Widen(kz::InstalledSeams().files->ProgramDir()).c_str());
  background_.LoadBitmapResource(kBackgroundBitmap);
  ResolveSounds();

  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, w, h, SWP_NOACTIVATE);
  ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
}

void MainForm::ResolveSounds() {
  KzDefaultPath lookup("..\\");
  auto resolve = [&lookup](const char* name) { return tk::Widen(lookup.FindOrComplain(name)); };
  loopSound_ = resolve("KzR\\logo.wav");
  switchSound_ = resolve("KzR\\swith.wav");
  startSound_ = resolve("KzR\\flag.wav");
}

bool MainForm::Paint(tk::PaintArgs& args) {
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  RECT client;
  GetClientRect(hwnd(), &client);
  tk::TextPen pen(args.dc, Font(), TextColour(), RGB(0, 0, 0));
  if (!waiting_) {
    background_.StretchTo(args.dc, 0, 0, client.right, client.bottom);
  } else {
    SIZE text = pen.Extent(kWaitingText);
    pen.Draw((w - text.cx) / 2, h * 25 / 100, kWaitingText);
  }
  const int captionTop = h * 95 / 100;
  pen.Draw(10, captionTop, kOrganisationLine);
  pen.Draw(w - pen.Extent(kPlaceAndYearLine).cx - 10, captionTop, kPlaceAndYearLine);
  if (!firstPaintPosted) {
    firstPaintPosted = true;
    tk::MarkMoment(L"first-paint");
    // The start sound begins with the first picture: opening the sound device takes tens of
    // milliseconds under Wine, which would otherwise keep the screen blank that much longer.
    tk::PlaySoundLooping(startSound_);
    PostUserEvent();
  }
  return true;
}

bool MainForm::FirstPaintTask() {
  soundCardNotFound_ = !actions_.detectSoundCard();
  actions_.checkStartupConfig();
  Sleep(500);
  buttonBar_->Create(hwnd());
  PlayButtonSounds();
  if (argumentCount_ > 1) Launch();
  return true;
}

ButtonBarActions MainForm::BarActions() {
  return {
      [this] { PlayButtonSounds(); }, [this] { Launch(); },
      [this] { actions_.showHelp(buttonBar_->Help(), buttonBar_->hwnd()); },
      [this] { actions_.showSetup(buttonBar_->Setup(), buttonBar_->hwnd(), SoundCardFound()); }};
}

void MainForm::Launch() {
  actions_.launchGame({*this, buttonBar_->hwnd(), buttonBar_->Logo(), buttonBar_->GameProcess()});
}

void MainForm::SetWaiting() { waiting_ = true; }

void MainForm::StartWaitTimer() { waitTimer_->Start(15000); }

void MainForm::PlayButtonSounds() {
  tk::PlaySoundSync(switchSound_);
  tk::PlaySoundLooping(loopSound_);
}
