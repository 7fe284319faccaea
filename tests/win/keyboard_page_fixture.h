// The Keyboard page of the setup dialog, opened through the Setup button, with steps that click
// its grid and press keys through the dialog's message loop, so that the page's key observer
// sees them as it sees a player's keys.
#pragma once

#include <string>
#include <vector>

#include "config/setup_section.h"
#include "setup/keyboard_tab.h"
#include "setup_fixture.h"

inline constexpr int kKeyboardPage = 2;
inline constexpr int kActivities = 42;

// The key data of a key message: repeat count 1, the scan code, the extended-key flag, and
// bit 30 for an auto-repeat.
inline LPARAM KeyData(WORD key, bool extended = false, bool repeat = false, UINT scan = 0) {
  if (!scan) scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  return LPARAM(1 | (scan << 16) | (extended ? 1u << 24 : 0u) | (repeat ? 1u << 30 : 0u));
}

class KeyboardPageTest : public SetupTest {
 protected:
  KeyboardTab& Page() { return *Form().FindPage<KeyboardTab>(); }
  tk::Grid& Grid() { return Page().grid_Activities; }
  std::wstring Status() { return Page().label_IsAssigned.Text(); }

  // The page shown, the grid focused as a click on it would leave it.
  std::vector<ModalStep> OpenPage() {
    return {WhenOpen(), SelectTab(kKeyboardPage), Do([this] { Grid().Focus(); })};
  }
  // A key press as the keyboard delivers it: to the focused window, or as a system key to the
  // active window when nothing has the focus. Without the release, a lone Alt does not open
  // the window's menu.
  ModalStep Key(WORD key, LPARAM data, bool release = true) {
    return [this, key, data, release] {
      HWND target = KeyTarget();
      if (!target) return false;
      const bool system = !GetFocus();
      PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, data);
      if (release) PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, key, data | 0xC0000000);
      return true;
    };
  }
  ModalStep Key(WORD key) { return Key(key, KeyData(key)); }
  // Selects a key cell with the mouse, then asks for its change with Enter.
  std::vector<ModalStep> Change(int row, int column) {
    return {Do([this, row, column] { Click(row, column, false); }), Key(VK_RETURN)};
  }
  void Click(int row, int column, bool twice) {
    const RECT r = Grid().CellRect(row, column);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(Grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Grid().hwnd(), WM_LBUTTONUP, 0, at);
    if (!twice) return;
    SendMessageW(Grid().hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(Grid().hwnd(), WM_LBUTTONUP, 0, at);
  }
  std::string Key1(int row) { return KzSetupSection::GetKeyDefinitionsRow(row)->text1; }
  std::string Key2(int row) { return KzSetupSection::GetKeyDefinitionsRow(row)->text2; }
};
