#include "toolkit/scroll_bar.h"

#include <algorithm>

namespace tk {

namespace {
SCROLLINFO Info(UINT mask) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  return info;
}
}  // namespace

void ScrollBar::SetRange(int minimum, int maximum) {
  SCROLLINFO info = Info(SIF_RANGE);
  info.nMin = minimum;
  info.nMax = maximum;
  SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

int ScrollBar::Position() const {
  SCROLLINFO info = Info(SIF_POS);
  GetScrollInfo(hwnd(), SB_CTL, &info);
  return info.nPos;
}

void ScrollBar::SetPosition(int position) {
  SCROLLINFO info = Info(SIF_POS);
  info.nPos = position;
  SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

bool ScrollBar::DecodeScroll(int code, int trackPosition) {
  SCROLLINFO info = Info(SIF_ALL);
  if (!GetScrollInfo(hwnd(), SB_CTL, &info)) return false;
  int position = info.nPos;
  switch (code) {
    case SB_LINEUP:
      position -= lineStep_;
      break;
    case SB_LINEDOWN:
      position += lineStep_;
      break;
    case SB_PAGEUP:
      position -= pageStep_;
      break;
    case SB_PAGEDOWN:
      position += pageStep_;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      // A real drag leaves the 32-bit position in the bar; a sent message only the word.
      position = info.nTrackPos != info.nPos ? info.nTrackPos : trackPosition;
      break;
    default:
      return false;
  }
  const int last = info.nMax - std::max<int>(int(info.nPage) - 1, 0);
  position = std::clamp(position, info.nMin, std::max(info.nMin, last));
  SetPosition(position);
  ScrollArgs args;
  args.code = code;
  args.position = Position();
  return events_.Raise<Event::Scroll>(args);
}

}  // namespace tk
