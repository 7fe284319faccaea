// The modal setup dialog: six pages in one tab control, the icon of the selected page, and a
// small animated icon sliding along the top. The pages write every change straight into the
// current tables; closing the dialog asks whether to save a changed configuration.
//
// Ownership: the button bar owns the form object, which lives as long as the bar and keeps
// the page icons. The window, its controls and the six page objects are made anew at each
// opening and forgotten when the window is destroyed.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "setup_animation.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/picture_box.h"
#include "toolkit/tab_control.h"

class ScreenTab;
class SoundTab;
class KeyboardTab;
class MouseTab;
class JoystickTab;
class SystemTab;

inline constexpr int kSetupPages = 6;
inline constexpr const wchar_t* kSaveQuestion = L"Конфигурация изменена. Сохранить изменения?";

// The message that tells the player a save failed; it names the file.
std::wstring SaveFailedMessage(const std::string& cfgName);

class SetupForm : public tk::Form {
 public:
  // Loads the page icons and the window icon.
  SetupForm();
  ~SetupForm() override;

  // Runs the dialog modally, owned by `owner`; returns once it has closed.
  void Open(HWND owner);

  tk::TabControl tabctrl_1;
  tk::PictureBox pictb_Animation;
  tk::PictureBox pictb_TabIcon;

  // While the dialog is open: the page of a tab index, and the two pages with controls.
  tk::Form* Page(int index) const { return pages_[size_t(index)]; }
  ScreenTab* Screen() const { return screenTab_.get(); }
  SystemTab* System() const { return systemTab_.get(); }
  HICON PageIcon(int index) const { return pageIcons_[size_t(index)].get(); }
  HICON WindowIcon() const { return windowIcon_.get(); }
  const SetupAnimation& Animation() const { return animation_; }

 private:
  void Register() override;
  void RegisterHandlers();
  void CreatePages();
  void AddPage(int index, tk::Form& page);
  void CentreOnScreen();
  void Closing();
  void AskToSave();
  void ForgetPages();

  std::array<tk::IconHandle, kSetupPages> pageIcons_;
  tk::IconHandle windowIcon_;
  SetupAnimation animation_{pictb_Animation};
  std::unique_ptr<ScreenTab> screenTab_;
  std::unique_ptr<SoundTab> soundTab_;
  std::unique_ptr<KeyboardTab> keyboardTab_;
  std::unique_ptr<MouseTab> mouseTab_;
  std::unique_ptr<JoystickTab> joystickTab_;
  std::unique_ptr<SystemTab> systemTab_;
  std::array<tk::Form*, kSetupPages> pages_{};
};
