// Tab 2 of the setup form: the two keys of each of the game's 42 activities, in a grid with one
// row per KeyDefinitions entry (caption, key 1, key 2). The player selects a key cell, presses
// Enter or Space (or double-clicks), and the next key pressed anywhere in the program becomes
// that key: F8 cancels, F9 clears the key, keys without a short name and keys already in use
// are refused. The page writes straight into the current KeyDefinitions entries.
//
// The next key is caught by a key observer on the GUI thread, which sees it whatever window
// has the focus and leaves it to go on to its window. While the page waits, the grid is
// disabled, so it drops the focus: keys then reach the dialog as system keys, and Esc does
// not close it. An Alt taken as the awaited key is the one key whose release goes no further:
// an Alt pressed and let go alone puts the dialog into its menu.
//
// Ownership: the page's window owns the controls' windows; the key observer and the filter of
// Alt releases live from the page's creation to its destruction.
#pragma once

#include <memory>

#include "setup/grid_patch.h"
#include "setup/setup_page.h"
#include "toolkit/button.h"
#include "toolkit/grid.h"
#include "toolkit/key_observer.h"
#include "toolkit/label.h"

inline constexpr const wchar_t* kKeyboardHelp =
    L"Enter, пробел дают\nразрешение изменить\nвыбранную клавишу.\n\nF9 - никакая клавиша,\n"
    L"F8 - отмена.";
inline constexpr const wchar_t* kChangeKey = L"Меняйте клавишу";
inline constexpr const wchar_t* kKeyNotApplicable = L"Клавиша\nнеприменима!";
inline constexpr const wchar_t* kKeyTaken = L"Клавиша занята!";

class KeyboardTab : public SetupPage {
 public:
  // Registers the grid's window class, which the page's template names.
  KeyboardTab();

  tk::Grid grid_Activities;
  tk::Label label_Help;
  tk::Label label_IsAssigned;
  tk::Button cb_DefaultKeys;

  // Waiting for the key of the current cell.
  void BeginKeyChange();
  // Leaves it: the grid is enabled again and takes the focus.
  void EndKeyChange();
  // Takes the pressed key (the virtual key and key data of its message) for the current cell.
  void ApplyKey(UINT virtualKey, LPARAM keyData);
  bool WaitingForKey() const { return waitingForKey_; }
  const KzGridPatch& GridPatch() const { return gridPatch_; }

 private:
  void Register() override;
  void ShownOrHidden(bool shown) override;
  void StopWaiting();
  void RegisterGridHandlers();
  void RegisterButtonHandlers();
  void FillGrid();
  void ObserveKey(const MSG& msg);
  bool TakeAltRelease(const MSG& msg);

  bool waitingForKey_ = false;
  bool altReleaseToTake_ = false;  // an Alt was the awaited key and is still down
  KzGridPatch gridPatch_;
  std::unique_ptr<tk::KeyObserver> keyObserver_;
  std::unique_ptr<tk::KeyFilter> altRelease_;
};
