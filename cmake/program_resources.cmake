# What every shipped Windows program carries in its resources: the manifest (resource 1 of
# type 24) and a version block. The version comes from the project's version, in one place.
set(VOLTRANE_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/app.manifest)
set(VOLTRANE_MANIFEST_RC ${CMAKE_BINARY_DIR}/manifest.rc)
file(WRITE ${VOLTRANE_MANIFEST_RC} "1 24 \"${VOLTRANE_MANIFEST}\"\n")

# The company as the shell's caption line names it.
set(VOLTRANE_COMPANY "Студия «Кестрелвуд»")

# A VERSIONINFO block for the program: product "Voltrane", the given description, Russian
# language with code page 1251 in the translation. FILE_NAME when the program's file is not
# named after its target.
function(voltrane_version_info target description)
  cmake_parse_arguments(ARG "" "FILE_NAME" "" ${ARGN})
  set(VOLTRANE_DESCRIPTION "${description}")
  set(VOLTRANE_FILE_NAME ${target}.exe)
  if(ARG_FILE_NAME)
    set(VOLTRANE_FILE_NAME ${ARG_FILE_NAME})
  endif()
  set(VOLTRANE_VERSION_COMMAS
      "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
