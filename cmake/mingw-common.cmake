# MinGW-w64 with the posix thread model. Tests run under Wine through the emulator script,
# which owns the project's Wine prefix and display.
set(CMAKE_C_COMPILER ${VOLTRANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOLTRANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VOLTRANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VOLTRANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run)
