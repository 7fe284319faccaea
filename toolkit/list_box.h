// A list box (with LBS_NOTIFY) whose items each carry a value beside their text. Selecting
// from code raises no event; the player's choice raises the select event, a double click the
// double-click event.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

class ListBox : public Control {
 public:
  // Appends an item; returns its index, or -1 when the list refused it.
  int AddItem(const std::wstring& text, LPARAM value);
  void Clear() { Send(LB_RESETCONTENT); }
  int Count() const { return int(Send(LB_GETCOUNT)); }
  // The selected index; -1 when none is selected.
  int Selected() const { return int(Send(LB_GETCURSEL)); }
  void Select(int index) { Send(LB_SETCURSEL, WPARAM(index)); }
  LPARAM ItemValue(int index) const { return LPARAM(Send(LB_GETITEMDATA, WPARAM(index))); }
  std::wstring ItemText(int index) const;
  // Selects the first item that carries the value; false (and no selection) when none does.
  bool SelectByValue(LPARAM value);

  bool DecodeCommand(int code) override;
};

}  // namespace tk
