// An automatic option (radio) button. Checking it from code is not a click: no click event.
#pragma once

#include "toolkit/button.h"

namespace tk {

class OptionButton : public Button {
 public:
  void SetChecked(bool on);
  bool IsChecked() const;
};

}  // namespace tk
