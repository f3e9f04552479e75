#include "runtime/win32/window.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "runtime/win32/controls.h"
#include "runtime/win32/program_shell.h"

namespace rt::win32 {

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
}

HWND Window::Create(const Frame& frame) {
  WNDCLASSA window_class{};
  if (GetClassInfoA(instance_, frame.class_name, &window_class) == FALSE) {
    window_class = {};
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = instance_;
    window_class.hCursor = LoadCursorA(nullptr, frame.cursor);
    // Each shipped program carries its own icon as resource 1.
    window_class.hIcon =
        frame.icon != nullptr ? frame.icon : LoadIconA(instance_, MAKEINTRESOURCEA(1));
    if (window_class.hIcon == nullptr) window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = frame.class_name;
    RegisterClassA(&window_class);
  }
  ends_program_ = frame.ends_program;
  dots_per_inch_ = DotsPerInch();
  RECT outline{0, 0, Pixels(frame.client_width), Pixels(frame.client_height)};
  AdjustWindowRectEx(&outline, frame.style, FALSE, frame.extended_style);
  const int width = outline.right - outline.left;
  const int height = outline.bottom - outline.top;
  // Centred, but never with the title bar above or left of the screen.
  const int left =
      frame.centred ? std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2) : CW_USEDEFAULT;
  const int top =
      frame.centred ? std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2) : CW_USEDEFAULT;
  const std::string title(frame.title);
  CreateWindowExA(frame.extended_style, frame.class_name, title.c_str(), frame.style, left, top,
                  width, height, nullptr, nullptr, instance_, this);
  if (window_ == nullptr) throw std::runtime_error("the window cannot be made");
  if (frame.icon != nullptr) {
    // Also set on the window itself, where the task bar and other programs ask for it.
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(frame.icon));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(frame.icon));
  }
  return window_;
}

void Window::Show(int show_command, HWND focus) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  if (focus != nullptr) SetFocus(focus);
}

LRESULT Window::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = HandleHintColour(wparam, lparam)) return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_NEXTDLGCTL:
      HandleNextControl(window_, wparam, lparam);
      return 0;
    case WM_DESTROY:
      if (ends_program_) PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ != window) {
    return DefWindowProcA(window, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcA(window, message, wparam, lparam);
  }
  // A reaction that fails ends at the program's failure boundary, never in the system's code.
  ProgramShell* shell = ProgramShell::Current();
  if (shell == nullptr) return self->Handle(message, wparam, lparam);
  LRESULT result = 0;
  shell->Guard([&] { result = self->Handle(message, wparam, lparam); });
  return result;
}

}  // namespace rt::win32
