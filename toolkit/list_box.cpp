#include "toolkit/list_box.h"

#include "toolkit/item_list.h"

namespace tk {

int ListBox::AddItem(const std::wstring& text, LPARAM value) {
  return tk::AddItem(*this, kListItems, text, value);
}

std::wstring ListBox::ItemText(int index) const { return tk::ItemText(*this, kListItems, index); }

bool ListBox::SelectByValue(LPARAM value) {
  const int index = FindItemValue(*this, kListItems, value);
  Select(index);
  return index >= 0;
}

bool ListBox::DecodeCommand(int code) {
  switch (code) {
    case LBN_SELCHANGE:
      return RaiseCode<Event::Select>(code);
    case LBN_DBLCLK:
      return RaiseCode<Event::DoubleClick>(code);
    case LBN_SETFOCUS:
      return RaiseCode<Event::GotFocus>(code);
    case LBN_KILLFOCUS:
      return RaiseCode<Event::LostFocus>(code);
  }
  return false;  // LBN_SELCANCEL and LBN_ERRSPACE: no event of ours
}

}  // namespace tk
