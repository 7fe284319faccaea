#include <windows.h>
#include <commctrl.h>

#include "autorun/autorun_application.h"
#include "toolkit/seams_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  tk::InstallWindowsSeams();
  AutorunApplication app;
  return app.Run();
}
