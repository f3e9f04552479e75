// A window program has no console to print an uncaught exception's name on, so it ends at once.
// Defining the handler here keeps the run-time library's own out of the program, and with it the
// symbol demangler and the formatted printing it needs: over 70 KB of each binary.

#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
