// An automatic check box. Checking it from code is not a click: no click event.
#pragma once

#include "control.h"

namespace tk {

class CheckBox : public Control {
 public:
  void SetChecked(bool on) { Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
  bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  // Clicks the box as the player does: it toggles and raises its click.
  void Click() { Send(BM_CLICK); }
};

}  // namespace tk
