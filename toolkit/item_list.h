// What combo boxes and list boxes share: items with a value beside their text. The two classes
// speak the same language with different message numbers.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

struct ItemMessages {
  UINT add, setData, getData, count, textLength, text;
};
inline constexpr ItemMessages kComboItems{CB_ADDSTRING, CB_SETITEMDATA,  CB_GETITEMDATA,
                                          CB_GETCOUNT,  CB_GETLBTEXTLEN, CB_GETLBTEXT};
inline constexpr ItemMessages kListItems{LB_ADDSTRING, LB_SETITEMDATA, LB_GETITEMDATA,
                                         LB_GETCOUNT,  LB_GETTEXTLEN,  LB_GETTEXT};

// Appends an item; returns its index, or -1 when the control refused it.
int AddItem(const Control& control, const ItemMessages& m, const std::wstring& text, LPARAM value);
std::wstring ItemText(const Control& control, const ItemMessages& m, int index);
// The first item that carries the value; -1 when none does.
int FindItemValue(const Control& control, const ItemMessages& m, LPARAM value);

}  // namespace tk
