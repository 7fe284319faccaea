# Shared settings of the Windows programs: Unicode, static runtime, embedded manifest
# (cmake/program_resources.cmake).
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                        WINVER=0x0601)

# The media stand-ins are made by the project's generator, built with the host's compiler.
find_program(VOLTRANE_HOST_CXX NAMES g++ c++ REQUIRED)
set(VOLTRANE_MEDIAGEN ${CMAKE_BINARY_DIR}/host/mediagen)
file(GLOB VOLTRANE_MEDIAGEN_FILES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tools/mediagen/*.cpp ${CMAKE_SOURCE_DIR}/tools/mediagen/*.h)
# One object a file, each compiled apart (side by side, and through the compiler cache).
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/host)
set(VOLTRANE_MEDIAGEN_OBJECTS)
foreach(source IN LISTS VOLTRANE_MEDIAGEN_FILES)
  if(source MATCHES "\\.cpp$")
    get_filename_component(name ${source} NAME_WE)
    set(object ${CMAKE_BINARY_DIR}/host/${name}.o)
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} ${VOLTRANE_HOST_CXX} -std=c++20 -O2 -c ${source}
              -o ${object}
      DEPENDS ${VOLTRANE_MEDIAGEN_FILES})
    list(APPEND VOLTRANE_MEDIAGEN_OBJECTS ${object})
  endif()
endforeach()
add_custom_command(
  OUTPUT ${VOLTRANE_MEDIAGEN}
  COMMAND ${VOLTRANE_HOST_CXX} -o ${VOLTRANE_MEDIAGEN} ${VOLTRANE_MEDIAGEN_OBJECTS}
  DEPENDS ${VOLTRANE_MEDIAGEN_OBJECTS}
  COMMENT "Building the media generator for the host")
set(VOLTRANE_MEDIA_STAMP ${VOLTRANE_MEDIA_DIR}/.stamp)
add_custom_command(
  OUTPUT ${VOLTRANE_MEDIA_STAMP}
  COMMAND ${VOLTRANE_MEDIAGEN} ${VOLTRANE_MEDIA_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${VOLTRANE_MEDIA_STAMP}
  DEPENDS ${VOLTRANE_MEDIAGEN}
  COMMENT "Generating the media stand-ins")
add_custom_target(media DEPENDS ${VOLTRANE_MEDIA_STAMP})
add_dependencies(media help_pages)

# A Windows program of the project: static, with the manifest, its resources depending on the
# generated media. A program that ships (or stands in for one) gives its DESCRIPTION for its
# version block.
function(voltrane_windows_program target)
  cmake_parse_arguments(ARG "CONSOLE" "DESCRIPTION;FILE_NAME" "" ${ARGN})
  target_sources(${target} PRIVATE ${VOLTRANE_MANIFEST_RC})
  if(ARG_DESCRIPTION)
    voltrane_version_info(${target} "${ARG_DESCRIPTION}" FILE_NAME "${ARG_FILE_NAME}")
  endif()
  target_link_options(${target} PRIVATE -static -Wl,--gc-sections)
  if(NOT ARG_CONSOLE)
    # The GUI programs ship stripped; the console ones are tests and tools, kept debuggable.
    target_link_options(${target} PRIVATE -municode -mwindows -s)
  endif()
  add_dependencies(${target} media)
  target_include_directories(${target} PRIVATE ${VOLTRANE_MEDIA_DIR})
  # The resource scripts embed generated media: new media, new resources.
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.rc$")
  if(sources)
    set_source_files_properties(${sources} PROPERTIES OBJECT_DEPENDS ${VOLTRANE_MEDIA_STAMP})
  endif()
endfunction()
