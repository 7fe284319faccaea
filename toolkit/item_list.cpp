#include "toolkit/item_list.h"

namespace tk {

int AddItem(const Control& control, const ItemMessages& m, const std::wstring& text, LPARAM value) {
  const LRESULT index = control.Send(m.add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return -1;
  control.Send(m.setData, WPARAM(index), value);
  return int(index);
}

std::wstring ItemText(const Control& control, const ItemMessages& m, int index) {
  const LRESULT length = control.Send(m.textLength, WPARAM(index));
  if (length < 0) return {};
  std::wstring text(size_t(length) + 1, L'\0');
  const LRESULT copied = control.Send(m.text, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : size_t(copied));
  return text;
}

int FindItemValue(const Control& control, const ItemMessages& m, LPARAM value) {
  for (int i = 0, n = int(control.Send(m.count)); i < n; ++i)
    if (LPARAM(control.Send(m.getData, WPARAM(i))) == value) return i;
  return -1;
}

}  // namespace tk
