# What each shipped Windows binary carries besides its own code: its identity (version
# information from the project's version, an icon and the application manifest, compiled by
# windres) and the quiet terminate handler that keeps it small.
if(NOT WIN32)
  return()
endif()
enable_language(RC)

# trellis_ship(target DESCRIPTION text [ICON file] [MANIFEST]): ICON is left out where the
# program's own resource script already carries its icon (as resource 1).
function(trellis_ship target)
  cmake_parse_arguments(ARG "MANIFEST" "DESCRIPTION;ICON" "" ${ARGN})
  if(NOT TARGET ${target})
    message(FATAL_ERROR "trellis_ship: there is no target ${target} to ship")
  endif()
  set(PROGRAM ${target})
  set(DESCRIPTION "${ARG_DESCRIPTION}")
  set(TRELLIS_FILE_VERSION "${PROJECT_VERSION}.0")
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(FILE_NAME ${target}.dll)
    set(FILE_TYPE VFT_DLL)
  else()
    set(FILE_NAME ${target}.exe)
    set(FILE_TYPE VFT_APP)
  endif()
  set(ICON_LINE "")
  set(MANIFEST_LINE "")
  set(MANIFEST "")
  if(ARG_ICON)
    set(ICON_LINE "1 ICON \"${ARG_ICON}\"")
  endif()
  if(ARG_MANIFEST)
    set(MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/identity/${target}.manifest")
    configure_file(${PROJECT_SOURCE_DIR}/packaging/trellis.manifest ${MANIFEST} @ONLY)
    # 1 is the manifest Windows reads when it starts a program; 24 is RT_MANIFEST.
    set(MANIFEST_LINE "1 24 \"${MANIFEST}\"")
  endif()
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/identity/${target}.rc")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/identity.rc.in ${rc} @ONLY)
  # windres reports no dependencies: a changed icon or manifest must rebuild the resources.
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
                              PROPERTIES OBJECT_DEPENDS "${ARG_ICON};${MANIFEST}")
  target_sources(${target} PRIVATE ${rc} ${PROJECT_SOURCE_DIR}/packaging/quiet_terminate.cpp)
endfunction()

