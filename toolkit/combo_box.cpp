#include "toolkit/combo_box.h"

#include "toolkit/item_list.h"

namespace tk {

int ComboBox::AddItem(const std::wstring& text, LPARAM value) {
  return tk::AddItem(*this, kComboItems, text, value);
}

std::wstring ComboBox::ItemText(int index) const { return tk::ItemText(*this, kComboItems, index); }

bool ComboBox::SelectByValue(LPARAM value) {
  const int index = FindItemValue(*this, kComboItems, value);
  Select(index);
  return index >= 0;
}

bool ComboBox::DecodeCommand(int code) {
  switch (code) {
    case CBN_SELCHANGE:
      return RaiseCode<Event::Select>(code);
    case CBN_DBLCLK:
      return RaiseCode<Event::DoubleClick>(code);
    case CBN_EDITCHANGE:
      return RaiseCode<Event::Change>(code);
    case CBN_SETFOCUS:
      return RaiseCode<Event::GotFocus>(code);
    case CBN_KILLFOCUS:
      return RaiseCode<Event::LostFocus>(code);
  }
  return false;  // the list opening or closing, the field updating: no event of ours
}

}  // namespace tk
