# A whole Create run in process, on real files, at the generator's size and far beyond it.
add_bench(acctgen_create_run_bench SOURCES acctgen_create_run_bench.cpp
          LIBS acctgen_testing)

# GCC 12 at -O3 reports overlaps inside std::string that cannot happen (GCC bug 105329); the
# release tree of the benchmarks would otherwise not build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  get_property(acctgen_logic_libraries GLOBAL PROPERTY ACCTGEN_LOGIC_LIBRARIES)
  foreach(target runtime runtime_testing acctgen_sortcore ${acctgen_logic_libraries}
                 acctgen_testing acctgen_create_run_bench)
    if(TARGET ${target})
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endforeach()
endif()
