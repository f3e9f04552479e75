#pragma once
// The rights tool's one window: the server path, the login-name format, the tool with the
// domain it names the students by, and the two buttons.

#include <windows.h>

#include <functional>
#include <string>

#include "grantor/logic/rights_run.h"
#include "runtime/win32/window.h"
#include "school/login_names.h"

namespace grantor {

class RightsWindow : public rt::win32::Window {
 public:
  // Called by "&Set Rights" with the path as typed, the selected format and how the batch is
  // to be written: with xcacls, or with today's icacls and the domain as typed.
  using SetRightsHandler = std::function<void(const std::string& path, school::LoginFormat format,
                                              const RightsBatch& choice)>;

  // saved_domain fills the domain box at start: the domain the account generator last used.
  RightsWindow(HINSTANCE instance, std::string saved_domain, SetRightsHandler on_set_rights);
  ~RightsWindow() override;

  HWND Create();
  // Shows the window with the focus in the path box.
  void Show(int show_command);
  // Ends the program once the current message is handled.
  void Close() { Destroy(); }

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  school::LoginFormat SelectedFormat() const;

  std::string saved_domain_;
  SetRightsHandler on_set_rights_;
};

}  // namespace grantor
