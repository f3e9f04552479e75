#include "wizard/win32/wizard_window.h"

#include "runtime/win32/control_builder.h"
#include "wizard/win32/resource_ids.h"
#include "wizard/win32/wizard_layout.h"

namespace wizard {

WizardWindow::WizardWindow(HINSTANCE instance, WizardSteps& steps)
    : Window(instance), steps_(steps) {}

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
  // In tab order, Command1 to Command7; one group, so the arrow keys move among them.
  rt::win32::ControlBuilder buttons(handle());
  for (const ButtonSpec& spec : kButtons) {
    buttons.Add({.kind = rt::ControlKind::kButton,
                 .id = spec.id,
                 .caption = spec.caption,
                 .place = spec.rect,
                 .tool_tip = spec.tool_tip});
  }
  tool_tips_ = buttons.tool_tips();
  FollowTheChosenTools();
  return handle();
}

void WizardWindow::FollowTheChosenTools() {
  const bool todays_tools = steps_.TodaysToolsChosen();
  for (const ButtonSpec& spec : kButtons) {
    if (spec.todays_tool_tip.empty()) continue;
    rt::win32::SetToolTip(tool_tips_, GetDlgItem(handle(), spec.id), ToolTipOf(spec, todays_tools));
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
  steps_.Press(step);
  if (step == Step::kExit) Destroy();
}

LRESULT WizardWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ACTIVATE:
      // Step 2's run may have changed the tools since the tips were last set.
      if (LOWORD(wparam) != WA_INACTIVE) FollowTheChosenTools();
      break;
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
