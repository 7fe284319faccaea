#include <windows.h>
#include <commctrl.h>

#include "shell/application_class.h"
#include "toolkit/seams_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  tk::InstallWindowsSeams();
  ApplicationClass app(DefaultShellActions(), CommandLineArgumentCount());
  return app.Run();
}
