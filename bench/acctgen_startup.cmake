add_bench(acctgen_startup_bench SOURCES acctgen_startup_bench.cpp
          LIBS acctgen_testing)
