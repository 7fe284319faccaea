// The shell's full-screen main window: background picture, caption lines, waiting text and
// sounds. It owns the button bar.
#pragma once

#include <memory>
#include <string>

#include "shell/shell_actions.h"
#include "toolkit/canvas.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

class ButtonBarForm;
struct ButtonBarActions;

inline constexpr const wchar_t* kWaitingText = L"ПОДОЖДИТЕ  НЕМНОГО...";
inline constexpr const wchar_t* kOrganisationLine = L"Студия «Кестрелвуд»";
inline constexpr const wchar_t* kPlaceAndYearLine = L"Новосибирск, 1999";

class MainForm : public tk::Form {
 public:
  explicit MainForm(ShellActions actions = DefaultShellActions(), int argumentCount = 1);
  ~MainForm() override;

  void SetWaiting();
  void StartWaitTimer();

  // For the tests.
  bool IsWaiting() const { return waiting_; }
  ButtonBarForm& ButtonBar() { return *buttonBar_; }

 private:
  void PlayButtonSounds();
  bool SoundCardFound() const { return !soundCardNotFound_; }
  void Register() override;
  // The bar's buttons, each operation handed what it works on.
  ButtonBarActions BarActions();
  void Launch();
  void ResolveSounds();
  bool Paint(tk::PaintArgs& args);
  bool FirstPaintTask();

  ShellActions actions_;
  int argumentCount_;
  std::unique_ptr<ButtonBarForm> buttonBar_;
  std::unique_ptr<tk::Timer> waitTimer_;
  tk::Canvas background_;
  std::wstring switchSound_;
  std::wstring loopSound_;
  std::wstring startSound_;
  bool waiting_ = false;
  bool soundCardNotFound_ = true;
};
