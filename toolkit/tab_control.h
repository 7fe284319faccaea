// A tab control that hosts one page window per tab: the page of the selected tab fills the
// display area and every other page is hidden. The pages are child windows of the control's
// parent; the control does not own them. Choosing a tab raises the select event.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

class TabControl : public Control {
 public:
  void SetItemSize(int width, int height);
  void InsertTab(int index, const std::wstring& caption);
  int Selected() const;
  // Selects a tab as a click does, without the notification, and shows its page.
  void Select(int index);
  // The page window of the tab; shown at once when the tab is the selected one.
  void AttachPage(int index, HWND page);
  // Places the selected tab's page over the display area and hides the other pages.
  void ShowSelectedPage();
  // The display area in the client coordinates of the parent window.
  RECT DisplayArea() const;
  void DetachPages() { pages_.clear(); }

  // For the tests.
  int Count() const;
  std::wstring Caption(int index) const;
  HWND Page(int index) const;

  // TCN_SELCHANGE: the player chose a tab, by mouse or keyboard.
  bool DecodeNotify(const NMHDR& header, LRESULT& result) override;

 private:
  std::vector<HWND> pages_;
};

}  // namespace tk
