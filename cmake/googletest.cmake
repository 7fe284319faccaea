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
# A test program's files are compiled in batches of up to eight, one translation unit a batch
# (a unity build): each batch reads the precompiled headers once and instantiates GoogleTest's
# templates once. The native tests compile in 12 s of processor time instead of 42, the setup
# tests in 27 instead of 60. Names at file scope must therefore differ between the files of
# one program (a clash is a compile error). A batch names its files by paths relative to
# itself, not by CMake's absolute ones, so that it reads the same in every checkout and the
# compiler cache (CMakeLists.txt) knows it again. The batches are written once the folder's
# CMakeLists.txt has added all the program's files.
function(voltrane_test_batches target)
  # A deferred call reads its arguments when it runs: the target's name goes in now.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL voltrane_write_test_batches [[${target}]])")
endfunction()
macro(voltrane_write_test_batch)
  list(LENGTH batches index)
  file(CONFIGURE OUTPUT ${dir}/batch${index}.cpp CONTENT "${text}" @ONLY)
  list(APPEND batches ${dir}/batch${index}.cpp)
  set(text)
  set(count 0)
endmacro()
function(voltrane_write_test_batches target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}.batches)
  set(kept)
  set(batches)
  set(text)
  set(count 0)
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.cpp$")
      list(APPEND kept ${source})
      continue()
    endif()
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${source_dir})
    file(RELATIVE_PATH path ${dir} ${path})
    string(APPEND text "#include \"${path}\"\n")
    math(EXPR count "${count} + 1")
    if(count EQUAL 8)
      voltrane_write_test_batch()
    endif()
  endforeach()
  if(count GREATER 0)
    voltrane_write_test_batch()
  endif()
  set_property(TARGET ${target} PROPERTY SOURCES ${kept} ${batches})
endfunction()
# The Windows test programs are linked by LLVM's lld: binutils' PE linker takes 12 s for the
# setup tests and about 45 s for all of them, one after another at the end of the build; lld
# takes half a second. MinGW's gcc always runs binutils' linker (-fuse-ld=lld is not heard), so
# gcc's -wrapper runs lld in place of collect2. The programs that players get are linked as
# before.
set(VOLTRANE_TEST_LINK_OPTIONS)
if(MINGW)
  find_program(VOLTRANE_LLD ld.lld)
  if(VOLTRANE_LLD)
    set(VOLTRANE_TEST_LINK_OPTIONS "SHELL:-wrapper ${PROJECT_SOURCE_DIR}/cmake/collect2-to-lld,${VOLTRANE_LLD}")
  endif()
endif()
include(GoogleTest)
