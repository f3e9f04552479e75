add_bench(acctgen_student_pass_bench SOURCES acctgen_student_pass_bench.cpp
          LIBS acctgen_logic runtime_testing)
