// An automatic option (radio) button. Checking it from code is not a click: no click event.
#pragma once

#include "control.h"

namespace tk {

class OptionButton : public Control {
 public:
  void SetChecked(bool on);
  bool IsChecked() const;
  // Clicks the button as the player does: the button checks itself and raises its click.
  void Click();
};

}  // namespace tk
