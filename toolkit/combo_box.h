// A drop-down list whose items each carry a value beside their text. Selecting from code
// raises no event; the player's choice raises the select event. Opening and closing the list
// raise nothing: the focus events come only when the focus really comes or goes.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

class ComboBox : public Control {
 public:
  // Appends an item; returns its index, or -1 when the list refused it.
  int AddItem(const std::wstring& text, LPARAM value);
  void Clear() { Send(CB_RESETCONTENT); }
  int Count() const { return int(Send(CB_GETCOUNT)); }
  // The selected index; -1 when none is selected.
  int Selected() const { return int(Send(CB_GETCURSEL)); }
  void Select(int index) { Send(CB_SETCURSEL, WPARAM(index)); }
  LPARAM ItemValue(int index) const { return LPARAM(Send(CB_GETITEMDATA, WPARAM(index))); }
  std::wstring ItemText(int index) const;
  // Selects the first item that carries the value; false (and no selection) when none does.
  bool SelectByValue(LPARAM value);

  bool DecodeCommand(int code) override;
};

}  // namespace tk
