add_fuzzer(acctgen_startup_fuzzer SOURCES acctgen_startup_fuzzer.cpp
           LIBS acctgen_ui acctgen_testing)
# Coverage of the libraries the generator builds on guides the fuzzers, not only the targets' files.
foreach(library school acctgen_logic acctgen_ui acctgen_sortcore acctgen_testing)
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
endforeach()
