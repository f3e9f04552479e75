#pragma once
// The rights tool's one window: the server path, the login-name format and the two buttons.

#include <windows.h>

#include <functional>
#include <string>

#include "grantor/logic/login_format.h"

namespace grantor {

class RightsWindow {
 public:
  // Called by "&Set Rights" with the path as typed and the selected format.
  using SetRightsHandler = std::function<void(const std::string& path, LoginFormat format)>;

  RightsWindow(HINSTANCE instance, SetRightsHandler on_set_rights);
  ~RightsWindow();
  RightsWindow(const RightsWindow&) = delete;
  RightsWindow& operator=(const RightsWindow&) = delete;

  HWND handle() const { return window_; }
  // Shows the window with the focus in the path box and runs its messages until it closes.
  int Run(int show_command);
  // Ends the program once the current message is handled.
  void Close();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls();
  LoginFormat SelectedFormat() const;

  HINSTANCE instance_;
  SetRightsHandler on_set_rights_;
  HWND window_ = nullptr;
  HWND path_box_ = nullptr;
  HFONT bold_font_ = nullptr;
};

}  // namespace grantor
