#include "acctgen/ui/win32/progress_form_view.h"

#include <string>

#include "acctgen/ui/product.h"

namespace acctgen::ui {

namespace {
constexpr char kClassName[] = "TrellisProgressForm";
constexpr int kWidth = 380;
constexpr int kHeight = 140;

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // The work owns the window's life; closing it by hand would not stop the work.
  if (message == WM_CLOSE) return 0;
  return DefWindowProcA(window, message, wparam, lparam);
}
}  // namespace

ProgressFormView::~ProgressFormView() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void ProgressFormView::Create() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = ProgressProc;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursor(nullptr, IDC_WAIT);
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);

  RECT frame{0, 0, kWidth, kHeight};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_BORDER;
  AdjustWindowRect(&frame, style, FALSE);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const std::string title(kProgressFormTitle);
  window_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, title.c_str(), style,
                            (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                            nullptr, instance_, nullptr);
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  phase_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 30, kWidth - 20,
                           20, window_, reinterpret_cast<HMENU>(2), instance_, nullptr);
  item_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 75, kWidth - 20,
                          20, window_, reinterpret_cast<HMENU>(1), instance_, nullptr);
  SendMessageA(phase_, WM_SETFONT, font, FALSE);
  SendMessageA(item_, WM_SETFONT, font, FALSE);
}

void ProgressFormView::Show() {
  if (window_ == nullptr) Create();
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  Repaint();
}

void ProgressFormView::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

void ProgressFormView::ShowPhase(std::string_view text) {
  if (window_ == nullptr) Create();
  SetLabel(phase_, text);
}

void ProgressFormView::ShowItem(std::string_view text) {
  if (window_ == nullptr) Create();
  SetLabel(item_, text);
}

void ProgressFormView::SetLabel(HWND label, std::string_view text) {
  const std::string value(text);
  SetWindowTextA(label, value.c_str());
  Repaint();
}

void ProgressFormView::Repaint() {
  RedrawWindow(window_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace acctgen::ui
