#pragma once
// The base of the programs' windows: it registers the window class, routes the window's
// messages to its object (the one window-procedure thunk of the programs), sizes the client
// area from twips at the screen's resolution and answers what every form answers alike: the
// colours of hint labels and the dialog navigation's focus moves; a reaction that fails ends at
// the program shell's failure boundary. A view derives from it and keeps only its control table
// and its handlers.

#include <windows.h>

#include <string_view>

#include "runtime/twips.h"

namespace rt::win32 {

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND handle() const { return window_; }
  HINSTANCE instance() const { return instance_; }
  // The resolution the window is laid out at (dots per inch).
  int dots_per_inch() const { return dots_per_inch_; }
  int Pixels(int twips) const { return TwipsToPixels(twips, dots_per_inch_); }

  // Shows the window, paints it and gives the focus to the control (none: the window keeps it).
  void Show(int show_command, HWND focus);
  void Destroy();

 protected:
  struct Frame {
    const char* class_name;
    std::string_view title;
    int client_width;  // twips
    int client_height;
    HICON icon = nullptr;  // nullptr: the program's icon 1, else the system's application icon
    LPCSTR cursor = IDC_ARROW;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    DWORD extended_style = WS_EX_CONTROLPARENT;
    bool centred = true;        // on the screen; else where the system puts new windows
    bool ends_program = false;  // its end ends the message loop
  };

  explicit Window(HINSTANCE instance) : instance_(instance) {}
  // Registers the class (once) and makes the window; throws std::runtime_error when it cannot.
  HWND Create(const Frame& frame);

  // The window's messages. The base answers WM_CTLCOLORSTATIC for labels with a colour of
  // their own, WM_NEXTDLGCTL and the end of the window, and passes the rest to the system.
  virtual LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  int dots_per_inch_ = 96;
  bool ends_program_ = false;
};

}  // namespace rt::win32
