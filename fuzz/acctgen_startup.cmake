add_fuzzer(acctgen_startup_fuzzer SOURCES acctgen_startup_fuzzer.cpp
           LIBS acctgen_ui runtime_testing)
# Coverage of the generator's own libraries guides the fuzzer, not only the target's file.
foreach(library acctgen_logic acctgen_ui acctgen_sortcore)
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
endforeach()
