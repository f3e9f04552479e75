add_fuzzer(acctgen_student_pass_fuzzer SOURCES acctgen_student_pass_fuzzer.cpp
           LIBS acctgen_testing)
