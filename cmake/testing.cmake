# Nothing of the tests is configured in a tree that does not build them (the benchmarks' and
# the fuzzers'): the rooms add their tests' folders only when BUILD_TESTS is on.
if(NOT BUILD_TESTS)
  return()
endif()

# GoogleTest for both trees: the system's natively, built from /usr/src/googletest for Windows.
# Windows test programs run under Wine through the emulator (scripts/wine), one prefix per tree.
if(WIN32)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    # GoogleTest's own sources do not build warning-free under -Werror with MinGW.
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock gmock_main)
      target_compile_options(${t} PRIVATE -Wno-error)
    endforeach()
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/scripts/wine;run;--tree;${CMAKE_BINARY_DIR};--)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# add_gtest(name SOURCES ... LIBS ... [EMULATOR command...] [TIMEOUT seconds]): one test program;
# every test case is a ctest test, stopped after TIMEOUT seconds (120 unless told). EMULATOR replaces the Wine helper for a Windows program that needs more set up
# (it must be known here: test discovery takes the emulator when the tests are declared).
function(add_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;EMULATOR" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  if(WIN32)
    if(ARG_EMULATOR)
      set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${ARG_EMULATOR}")
    else()
      set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
                                               "${CMAKE_CROSSCOMPILING_EMULATOR}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "TEST_TREE=${CMAKE_BINARY_DIR}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "TEST_TREE=${CMAKE_BINARY_DIR}")
  endif()
endfunction()
