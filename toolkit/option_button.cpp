#include "toolkit/option_button.h"

namespace tk {

// BM_SETCHECK alone leaves the group's other buttons checked: unchecking them is ours to do,
// as the automatic button does on a real click.
void OptionButton::SetChecked(bool on) {
  if (on) {
    HWND parent = GetParent(hwnd());
    for (HWND other = GetNextDlgGroupItem(parent, hwnd(), FALSE); other && other != hwnd();
         other = GetNextDlgGroupItem(parent, other, FALSE))
      SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED);
}

bool OptionButton::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

}  // namespace tk
