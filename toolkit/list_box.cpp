#include "toolkit/list_box.h"

namespace tk {

int ListBox::AddItem(const std::wstring& text, LPARAM value) {
  const LRESULT index = Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return -1;
  Send(LB_SETITEMDATA, WPARAM(index), value);
  return int(index);
}

std::wstring ListBox::ItemText(int index) const {
  const LRESULT length = Send(LB_GETTEXTLEN, WPARAM(index));
  if (length < 0) return {};
  std::wstring text(size_t(length) + 1, L'\0');
  const LRESULT copied = Send(LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : size_t(copied));
  return text;
}

bool ListBox::SelectByValue(LPARAM value) {
  for (int i = 0, n = Count(); i < n; ++i) {
    if (ItemValue(i) != value) continue;
    Select(i);
    return true;
  }
  Select(-1);
  return false;
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
