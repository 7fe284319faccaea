// A standalone scroll bar control. It does not move by itself: its owner moves it on each
// scroll message. This one moves itself by its line and page steps, or to the thumb, within
// its range, and its scroll event carries the position it was moved to. The end of a move
// (SB_ENDSCROLL) raises nothing.
#pragma once

#include "toolkit/control.h"

namespace tk {

class ScrollBar : public Control {
 public:
  void SetRange(int minimum, int maximum);
  void SetSteps(int line, int page) {
    lineStep_ = line;
    pageStep_ = page;
  }
  int Position() const;
  // Moves the thumb from code; no event.
  void SetPosition(int position);

  bool DecodeScroll(int code, int trackPosition) override;

 private:
  int lineStep_ = 1;
  int pageStep_ = 1;
};

}  // namespace tk
