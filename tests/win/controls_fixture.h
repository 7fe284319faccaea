// Steps shared by the tests of the Mouse and Joystick pages: their grids open the activity
// chooser, a modal dialog of its own inside the setup dialog. A step must not open it
// synchronously (the script waits for its steps), so keys and clicks that open it are posted
// and go through the message loop, as a player's do.
#pragma once

#include <functional>
#include <string>

#include "config/cp1251.h"
#include "config/setup_section.h"
#include "setup/choose_activity_dialog.h"
#include "setup_fixture.h"
#include "toolkit/grid.h"
#include "toolkit/slider.h"

// The two pages' places on the tab strip.
inline constexpr int kMousePage = 3;
inline constexpr int kJoystickPage = 4;

class ControlsPageTest : public SetupTest {
 protected:
  // The pages exist only while the dialog is open: steps find their controls when they run.
  using GridRef = std::function<tk::Grid&()>;
  using ChooserRef = std::function<ChooseActivityDialog&()>;

  static std::string Text1(const char* key) { return KzSetupSection::GetControlsEntry(key)->text1; }
  static int32_t Value(const char* key) { return KzSetupSection::GetControlsEntry(key)->value; }
  static void SetText1(const char* key, const char* text) {
    SetEntryText(KzSetupSection::GetControlsEntry(key)->text1, text);
  }
  static void SetValue(const char* key, int32_t value) {
    KzSetupSection::GetControlsEntry(key)->value = value;
  }
  // The caption of an activity, as the grids show it.
  static std::wstring Caption(const char* activity) {
    const std::u16string text =
        kz::Cp1251ToUtf16(KzSetupSection::GetKeyDefinitonsEntry(activity)->caption);
    return std::wstring(text.begin(), text.end());
  }

  // As the trackbar does when the player moves it: the new position, then its notice.
  static void MoveSlider(tk::Slider& slider, int position) {
    slider.SetPosition(position);
    SendMessageW(GetParent(slider.hwnd()), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(slider.hwnd()));
  }
  // Makes the cell current as a click does, without a double click.
  static ModalStep SelectCell(GridRef gridOf, int row, int column) {
    return Do([gridOf, row, column] {
      tk::Grid& grid = gridOf();
      grid.Focus();
      const LPARAM at = CellPoint(grid, row, column);
      SendMessageW(grid.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageW(grid.hwnd(), WM_LBUTTONUP, 0, at);
    });
  }
  // A player's double click on the cell (it opens the chooser).
  static ModalStep DoubleClickCell(GridRef gridOf, int row, int column) {
    return Do([gridOf, row, column] {
      tk::Grid& grid = gridOf();
      const LPARAM at = CellPoint(grid, row, column);
      PostMessageW(grid.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(grid.hwnd(), WM_LBUTTONUP, 0, at);
      PostMessageW(grid.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageW(grid.hwnd(), WM_LBUTTONUP, 0, at);
    });
  }
  static ModalStep WhenChooserOpen(ChooserRef chooserOf) {
    return [chooserOf] {
      HWND chooser = chooserOf().hwnd();
      return chooser && IsWindowVisible(chooser);
    };
  }
  static ModalStep WhenChooserClosed(ChooserRef chooserOf) {
    return [chooserOf] { return chooserOf().hwnd() == nullptr; };
  }
  // Selects the item (0 is the empty one) and presses OK.
  static ModalStep AcceptItem(ChooserRef chooserOf, int index) {
    return Do([chooserOf, index] {
      ChooseActivityDialog& chooser = chooserOf();
      chooser.lb_ChooseActivity.Select(index);
      chooser.cb_OK.Click();
    });
  }

 private:
  // Focused first (its keeper then restores its saved cell), then scrolled to show the row.
  static LPARAM CellPoint(tk::Grid& grid, int row, int column) {
    grid.Focus();
    for (int i = 0; i < grid.RowCount() && row >= grid.TopRow() + grid.VisibleRows(); ++i)
      SendMessageW(grid.hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    for (int i = 0; i < grid.RowCount() && row < grid.TopRow(); ++i)
      SendMessageW(grid.hwnd(), WM_VSCROLL, SB_LINEUP, 0);
    const RECT r = grid.CellRect(row, column);
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
};
