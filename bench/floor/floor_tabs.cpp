// The floor for opening the setup dialog: an owner window with one button, which opens a bare
// modal dialog with a tab control and six empty child pages. The owner marks the first moment
// the dialog's queue is empty, as the shell's button bar does.
//   floor_tabs [pages]
// With "pages" the six pages are the setup dialog's own templates, their controls created by
// the dialog manager alone: what the platform costs for those controls, without our code.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

#include "bench/floor/floor_tabs_ids.h"
#include "toolkit/moment.h"

namespace {

constexpr int kPages = 6;
const wchar_t* const kEmptyPages[kPages] = {L"ID_FloorPage", L"ID_FloorPage", L"ID_FloorPage",
                                            L"ID_FloorPage", L"ID_FloorPage", L"ID_FloorPage"};
const wchar_t* const kSetupPages[kPages] = {L"ID_ScreenTab", L"ID_SoundTab",    L"ID_KeyboardTab",
                                            L"ID_MouseTab",  L"ID_JoystickTab", L"ID_SystemTab"};
const wchar_t* const* pageTemplates = kEmptyPages;

// The setup pages' grid is a window class of our own: here a plain window stands in for it.
void RegisterGridStandIn() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VoltraneGrid";
  RegisterClassW(&windowClass);
}

void PlacePage(HWND tabs, HWND page) {
  RECT area;
  GetWindowRect(tabs, &area);
  MapWindowPoints(nullptr, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               0);
}

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

INT_PTR CALLBACK TabsProc(HWND dialog, UINT message, WPARAM w, LPARAM) {
  if (message == WM_INITDIALOG) {
    HWND tabs = GetDlgItem(dialog, IDC_FloorTabs);
    for (int i = 0; i < kPages; ++i) {
      wchar_t caption[] = L"Page 0";
      caption[5] = wchar_t(L'1' + i);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption;
      TabCtrl_InsertItem(tabs, i, &item);
      HWND page =
          CreateDialogParamW(GetModuleHandleW(nullptr), pageTemplates[i], dialog, PageProc, 0);
      PlacePage(tabs, page);
      ShowWindow(page, i == 0 ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(w) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK OwnerProc(HWND owner, UINT message, WPARAM w, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_PAINT: {
      static bool marked = false;
      if (!marked) tk::MarkMoment(L"first-paint");
      marked = true;
      return FALSE;
    }
    case WM_ENTERIDLE:
      tk::MarkMoment(L"dialog-idle");
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(w) == IDC_FloorOpen)
        DialogBoxParamW(GetModuleHandleW(nullptr), L"ID_FloorTabs", owner, TabsProc, 0);
      if (LOWORD(w) == IDCANCEL) DestroyWindow(owner);
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (wcsstr(commandLine, L"pages")) {
    RegisterGridStandIn();
    pageTemplates = kSetupPages;
  }
  HWND owner = CreateDialogParamW(instance, L"ID_FloorOwner", nullptr, OwnerProc, 0);
  if (!owner) return -1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(owner, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}
