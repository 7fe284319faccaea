// A static text. It may carry a font of its own, given as a font text.
#pragma once

#include <string>

#include "toolkit/control.h"
#include "toolkit/handles.h"

namespace tk {

class Label : public Control {
 public:
  // "10.MS Sans Serif.Bold.CharSet=204"; the label keeps the font while it lives.
  void SetFontText(const std::string& fontText);

 private:
  FontHandle font_;
};

}  // namespace tk
