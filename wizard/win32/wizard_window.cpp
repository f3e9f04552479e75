#include "wizard/win32/wizard_window.h"

#include <new>

#include "runtime/error.h"
#include "runtime/win32/controls.h"
#include "wizard/logic/wizard_form.h"
#include "wizard/win32/resource_ids.h"

namespace wizard {

namespace {
constexpr int kOutOfMemory = 7;
}  // namespace

WizardWindow::WizardWindow(HINSTANCE instance, WizardSteps& steps, FailureHandler on_failure)
    : Window(instance), steps_(steps), on_failure_(std::move(on_failure)) {}

WizardWindow::~WizardWindow() {
  Destroy();
  if (background_ != nullptr) DeleteObject(background_);
}

HWND WizardWindow::Create() {
  background_ = static_cast<HBITMAP>(
      LoadImageA(instance(), MAKEINTRESOURCEA(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, 0));
  Frame frame{"TrellisSetupWizard", kWindowTitle, kClientWidthTwips, kClientHeightTwips};
  frame.icon = LoadIconA(instance(), MAKEINTRESOURCEA(IDI_WIZARD));
  frame.ends_program = true;
  Window::Create(frame);
  CreateButtons();
  return handle();
}

void WizardWindow::CreateButtons() {
  HWND tool_tips = rt::win32::CreateToolTips(handle());
  // Created in tab order: Command1 to Command7.
  for (const ButtonSpec& spec : kButtons) {
    HWND button = rt::win32::CreateControl(handle(), spec.id, "BUTTON", spec.caption,
                                           WS_TABSTOP | BS_PUSHBUTTON, 0, spec.rect);
    rt::win32::AddToolTip(tool_tips, button, spec.tool_tip);
  }
}

void WizardWindow::Show() { Window::Show(SW_SHOWNORMAL, GetDlgItem(handle(), kButtons[0].id)); }

void WizardWindow::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(handle(), &client);
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
    on_failure_(handle(), error.number(), error.description());
    return;
  } catch (const std::bad_alloc&) {
    on_failure_(handle(), kOutOfMemory, rt::DescribeError(kOutOfMemory));
    return;
  }
  if (step == Step::kExit) Destroy();
}

LRESULT WizardWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        if (const ButtonSpec* button = FindButton(LOWORD(wparam)); button != nullptr) {
          Run(button->step);
          return 0;
        }
      }
      break;
    case WM_CLOSE:
      // Closing the window is Exit.
      Run(Step::kExit);
      return 0;
    default:
      break;
  }
  return Window::Handle(message, wparam, lparam);
}

}  // namespace wizard
