# GoogleTest from Debian's source package, built with the project's own compiler (native or
# MinGW), so that the same tests build on both sides.
set(VOLTRANE_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${VOLTRANE_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Test code is built without optimisation: it compiles in half the time, and the code it tests
# keeps the flags it ships with. Nor is each of its functions given a section of its own: the
# linker then has a quarter fewer sections to sort (the setup tests link in 12 s instead of 16).
set(VOLTRANE_TEST_CODE_OPTIONS
    "$<$<COMPILE_LANGUAGE:CXX>:-O0;-fno-function-sections;-fno-data-sections>")
foreach(target gtest gtest_main gmock gmock_main)
  target_compile_options(${target} PRIVATE ${VOLTRANE_TEST_CODE_OPTIONS})
endforeach()
include(GoogleTest)
