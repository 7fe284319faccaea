// The main of the Windows test programs. "--sleep=MS" makes the program a stand-in child
// process that only lives for that long (the busy tests start it as the game).
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--sleep=", 8) == 0) {
      Sleep(DWORD(std::atoi(argv[i] + 8)));
      return 0;
    }
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
