add_fuzzer(acctgen_startup_fuzzer SOURCES acctgen_startup_fuzzer.cpp
           LIBS acctgen_ui acctgen_testing)
# Coverage of the libraries the generator builds on guides the fuzzers, not only the targets' files.
get_property(acctgen_logic_libraries GLOBAL PROPERTY ACCTGEN_LOGIC_LIBRARIES)
foreach(library school ${acctgen_logic_libraries} acctgen_ui acctgen_sortcore acctgen_testing)
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
endforeach()
