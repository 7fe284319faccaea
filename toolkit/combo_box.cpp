#include "toolkit/combo_box.h"

namespace tk {

int ComboBox::AddItem(const std::wstring& text, LPARAM value) {
  const LRESULT index = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return -1;
  Send(CB_SETITEMDATA, WPARAM(index), value);
  return int(index);
}

std::wstring ComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, WPARAM(index));
  if (length < 0) return {};
  std::wstring text(size_t(length) + 1, L'\0');
  const LRESULT copied = Send(CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : size_t(copied));
  return text;
}

bool ComboBox::SelectByValue(LPARAM value) {
  for (int i = 0, n = Count(); i < n; ++i) {
    if (ItemValue(i) != value) continue;
    Select(i);
    return true;
  }
  Select(-1);
  return false;
}

}  // namespace tk

namespace tk {

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
