#pragma once
// Starting programs and opening documents. Nothing started is ever waited for.

#include <string>
#include <string_view>

namespace rt {

enum class WindowStyle { kNormalFocus, kMaximizedFocus };

class Shell {
 public:
  virtual ~Shell() = default;
  // Starts a command line and returns at once.
  virtual void Start(std::string_view command_line, WindowStyle style) = 0;
  // Opens a document through the shell with the desktop window as owner; returns the shell's
  // result code (above 32 on success, 31 when no program is associated with the file).
  virtual long OpenDocument(std::string_view file) = 0;
};

}  // namespace rt
