#include "toolkit/label.h"

#include "toolkit/font.h"

namespace tk {

void Label::SetFontText(const std::string& fontText) {
  FontHandle font = CreateFontFromText(fontText);
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);  // the old font is released only once the label no longer uses it
}

}  // namespace tk
