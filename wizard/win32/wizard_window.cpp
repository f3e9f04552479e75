#include "wizard/win32/wizard_window.h"

#include <commctrl.h>

#include <new>
#include <stdexcept>

#include "runtime/error.h"
#include "wizard/logic/wizard_form.h"
#include "wizard/win32/resource_ids.h"

namespace wizard {

namespace {

constexpr char kClassName[] = "TrellisSetupWizard";
constexpr int kOutOfMemory = 7;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

WizardWindow::WizardWindow(HINSTANCE instance, WizardSteps& steps, FailureHandler on_failure)
    : instance_(instance), steps_(steps), on_failure_(std::move(on_failure)) {}

WizardWindow::~WizardWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (background_ != nullptr) DeleteObject(background_);
  if (font_ != nullptr) DeleteObject(font_);
}

HWND WizardWindow::Create() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIcon(instance_, MAKEINTRESOURCE(IDI_WIZARD));
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);
  background_ = static_cast<HBITMAP>(
      LoadImageA(instance_, MAKEINTRESOURCEA(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, 0));

  const int dpi = ScreenDpi();
  RECT frame{0, 0, TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const std::string title(kWindowTitle);
  window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, title.c_str(), kStyle,
                            (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                            nullptr, instance_, this);
  if (window_ == nullptr) throw std::runtime_error("the wizard's window cannot be made");
  // Also set on the window itself, where the task bar and other programs ask for it.
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window_class.hIcon));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window_class.hIcon));
  CreateButtons();
  return window_;
}

void WizardWindow::CreateButtons() {
  const int dpi = ScreenDpi();
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectA(&metrics.lfMessageFont);
  tool_tips_ =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
  // Created in tab order: Command1 to Command7.
  for (const ButtonSpec& spec : kButtons) {
    const std::string caption(spec.caption);
    HWND button = CreateWindowExA(
        0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
        TwipsToPixels(spec.rect.left, dpi), TwipsToPixels(spec.rect.top, dpi),
        TwipsToPixels(spec.rect.width, dpi), TwipsToPixels(spec.rect.height, dpi), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance_, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    std::string tip(spec.tool_tip);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = tip.data();
    SendMessageA(tool_tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageA(tool_tips_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void WizardWindow::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(GetDlgItem(window_, kButtons[0].id));
}

bool WizardWindow::HandleDialogMessage(MSG& message) {
  return window_ != nullptr && IsDialogMessageA(window_, &message);
}

void WizardWindow::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  BITMAP picture{};
  if (background_ == nullptr || GetObjectA(background_, sizeof picture, &picture) == 0) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, background_);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, picture.bmWidth, picture.bmHeight,
             SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void WizardWindow::Run(Step step) {
  try {
    steps_.Press(step);
  } catch (const rt::RuntimeError& error) {
    on_failure_(window_, error.number(), error.description());
    return;
  } catch (const std::bad_alloc&) {
    on_failure_(window_, kOutOfMemory, rt::DescribeError(kOutOfMemory));
    return;
  }
  if (step == Step::kExit) DestroyWindow(window_);
}

LRESULT CALLBACK WizardWindow::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(l);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<WizardWindow*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = reinterpret_cast<WizardWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, w, l);
  return self->Handle(window, message, w, l);
}

LRESULT WizardWindow::Handle(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(w));
      return 1;
    case WM_COMMAND:
      if (HIWORD(w) == BN_CLICKED) {
        if (const ButtonSpec* button = FindButton(LOWORD(w)); button != nullptr) {
          Run(button->step);
          return 0;
        }
      }
      break;
    case WM_CLOSE:
      // Closing the window is Exit.
      Run(Step::kExit);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, w, l);
}

}  // namespace wizard
