#include "acctgen/ui/win32/progress_form_view.h"

#include <string>

#include "acctgen/ui/product.h"
#include "runtime/win32/control_builder.h"
#include "runtime/win32/controls.h"

namespace acctgen::ui {

namespace {
// The form and its labels, in twips.
constexpr int kWidth = 5700;
constexpr int kHeight = 2100;
constexpr rt::TwipsRect kPhase{150, 450, 5400, 300};
constexpr rt::TwipsRect kItem{150, 1125, 5400, 300};
}  // namespace

ProgressFormView::~ProgressFormView() { Destroy(); }

void ProgressFormView::Create() {
  Frame frame{"TrellisProgressForm", kProgressFormTitle, kWidth, kHeight};
  frame.cursor = IDC_WAIT;
  frame.style = WS_POPUP | WS_CAPTION | WS_BORDER;
  frame.extended_style = WS_EX_TOPMOST;
  Window::Create(frame);
  rt::win32::ControlBuilder labels(handle());
  phase_ = labels.Add({.id = 2, .place = kPhase, .style = SS_CENTER});
  item_ = labels.Add({.id = 1, .place = kItem, .style = SS_CENTER});
}

LRESULT ProgressFormView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  // The work owns the window's life; closing it by hand would not stop the work.
  if (message == WM_CLOSE) return 0;
  return Window::Handle(message, wparam, lparam);
}

void ProgressFormView::Show() {
  if (handle() == nullptr) Create();
  ShowWindow(handle(), SW_SHOWNOACTIVATE);
  Repaint();
}

void ProgressFormView::Hide() {
  if (handle() != nullptr) ShowWindow(handle(), SW_HIDE);
}

void ProgressFormView::ShowPhase(std::string_view text) {
  if (handle() == nullptr) Create();
  SetLabel(phase_, text);
}

void ProgressFormView::ShowItem(std::string_view text) {
  if (handle() == nullptr) Create();
  SetLabel(item_, text);
}

void ProgressFormView::SetLabel(HWND label, std::string_view text) {
  rt::win32::SetText(label, text);
  Repaint();
}

void ProgressFormView::Repaint() {
  RedrawWindow(handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace acctgen::ui
