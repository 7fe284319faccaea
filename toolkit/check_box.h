// An automatic check box. Checking it from code is not a click: no click event.
#pragma once

#include "toolkit/button.h"

namespace tk {

class CheckBox : public Button {
 public:
  void SetChecked(bool on) { Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
  bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
};

}  // namespace tk
