#pragma once
// Starting programs on Windows without waiting for them, and opening documents through the shell.

#include "runtime/shell.h"

namespace rt {

class ShellStarter : public Shell {
 public:
  // Starts the command line as it stands (the program is looked up on the search path), in a
  // window of the given style. A program that cannot be started: error 53.
  void Start(std::string_view command_line, WindowStyle style) override;
  long OpenDocument(std::string_view file) override;
};

}  // namespace rt
