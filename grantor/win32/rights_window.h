#pragma once
// The rights tool's one window: the server path, the login-name format and the two buttons.

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/win32/window.h"
#include "school/login_names.h"

namespace grantor {

class RightsWindow : public rt::win32::Window {
 public:
  // Called by "&Set Rights" with the path as typed, the selected format and whether the batch
  // is to call today's icacls instead of xcacls.
  using SetRightsHandler =
      std::function<void(const std::string& path, school::LoginFormat format, bool todays_tools)>;

  RightsWindow(HINSTANCE instance, SetRightsHandler on_set_rights);
  ~RightsWindow() override;

  HWND Create();
  // Shows the window with the focus in the path box.
  void Show(int show_command);
  // Ends the program once the current message is handled.
  void Close() { Destroy(); }

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  school::LoginFormat SelectedFormat() const;

  SetRightsHandler on_set_rights_;
};

}  // namespace grantor
