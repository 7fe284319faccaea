// The modal setup dialog: six pages in one tab control, the icon of the selected page, and a
// small animated icon sliding along the top. The pages write every change straight into the
// current tables; closing the dialog asks whether to save a changed configuration.
//
// Keyboard: Tab and Shift+Tab go through the shown page's controls and the tab control;
// Ctrl+Tab and Ctrl+PgDn select the next page, Ctrl+Shift+Tab and Ctrl+PgUp the previous one,
// wrapping around, whatever control has the focus. The focus then rests on the tab control.
//
// Ownership: the button bar owns the form object, which lives as long as the bar and keeps
// the page icons. The window, its controls and the six page objects are made anew at each
// opening and forgotten when the window is destroyed.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "setup/setup_animation.h"
#include "setup/setup_page.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/key_observer.h"
#include "toolkit/picture_box.h"
#include "toolkit/tab_control.h"

inline constexpr int kSetupPages = 6;
inline constexpr const wchar_t* kSaveQuestion = L"Конфигурация изменена. Сохранить изменения?";

// The message that tells the player a save failed; it names the file.
std::wstring SaveFailedMessage(const std::string& cfgName);

class SetupForm : public tk::Form {
 public:
  // Loads the page icons and the window icon.
  SetupForm();

  // Runs the dialog modally, owned by `owner`; returns once it has closed.
  void Open(HWND owner, const SetupContext& context = {});

  tk::TabControl tabctrl_1;
  tk::PictureBox pictb_Animation;
  tk::PictureBox pictb_TabIcon;

  // While the dialog is open: the page of a tab index, and a page by its kind.
  SetupPage* Page(int index) const { return pages_[size_t(index)].get(); }
  template <typename Tab>
  Tab* FindPage() const {
    for (const auto& page : pages_)
      if (auto* tab = dynamic_cast<Tab*>(page.get())) return tab;
    return nullptr;
  }
  HICON PageIcon(int index) const { return pageIcons_[size_t(index)].get(); }
  // For the tests.
  HICON WindowIcon() const { return windowIcon_.get(); }
  const SetupAnimation& Animation() const { return animation_; }
  // Selects a page as a click on its tab does: the page shows and the icon follows.
  void SelectPage(int index);

 private:
  void Register() override;
  void RegisterHandlers();
  void CreatePages();
  void CentreOnScreen();
  bool PageKey(const MSG& msg);
  bool KeepsOpenForAPage();
  void Closing();
  void AskToSave();
  void ForgetPages();

  SetupContext context_;
  std::array<tk::IconHandle, kSetupPages> pageIcons_;
  tk::IconHandle windowIcon_;
  SetupAnimation animation_{pictb_Animation};
  std::array<std::unique_ptr<SetupPage>, kSetupPages> pages_;
  std::unique_ptr<tk::KeyFilter> pageKeys_;
};
