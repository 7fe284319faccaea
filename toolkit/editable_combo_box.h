// A drop-down combo box with a field of its own to type in: every keystroke that changes the
// field raises the change event; choosing from the list raises the select event.
#pragma once

#include "toolkit/combo_box.h"

namespace tk {

class EditableComboBox : public ComboBox {
 public:
  std::wstring FieldText() const { return Text(); }
  // Setting the field from code is not typing: no change event.
  void SetFieldText(const std::wstring& text) { SetText(text); }
  void SetLimit(int characters) { Send(CB_LIMITTEXT, WPARAM(characters)); }
};

}  // namespace tk
