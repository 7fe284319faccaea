// A slider (trackbar). Its scroll event carries the position the slider stands at after the
// move, whether the mouse, a key or a notification moved it. Setting the position from code
// raises nothing.
#pragma once

#include <commctrl.h>

#include "toolkit/control.h"

namespace tk {

class Slider : public Control {
 public:
  void SetRange(int minimum, int maximum) {
    Send(TBM_SETRANGEMIN, FALSE, minimum);
    Send(TBM_SETRANGEMAX, TRUE, maximum);
  }
  void SetPageSize(int size) { Send(TBM_SETPAGESIZE, 0, size); }
  void SetTickFrequency(int every) { Send(TBM_SETTICFREQ, WPARAM(every)); }
  void SetPosition(int position) { Send(TBM_SETPOS, TRUE, position); }
  int Position() const { return int(Send(TBM_GETPOS)); }

  // For the tests: the range and the page size as set, and a line size of their own.
  int Minimum() const { return int(Send(TBM_GETRANGEMIN)); }
  int Maximum() const { return int(Send(TBM_GETRANGEMAX)); }
  int PageSize() const { return int(Send(TBM_GETPAGESIZE)); }
  void SetLineSize(int size) { Send(TBM_SETLINESIZE, 0, size); }

  // The word in wParam holds the thumb's position only while it is dragged: ask the slider.
  bool DecodeScroll(int code, int) override {
    ScrollArgs args;
    args.code = code;
    args.position = Position();
    return events_.Raise<Event::Scroll>(args);
  }
};

}  // namespace tk
