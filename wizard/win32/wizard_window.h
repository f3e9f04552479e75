#pragma once
// The wizard's one window: seven buttons over a background picture. A click runs the button's
// step.

#include <windows.h>

#include "runtime/win32/window.h"
#include "wizard/logic/wizard_steps.h"

namespace wizard {

class WizardWindow : public rt::win32::Window {
 public:
  WizardWindow(HINSTANCE instance, WizardSteps& steps);
  ~WizardWindow() override;

  HWND Create();
  // Shows the window with the focus on the first step.
  void Show();

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  void PaintBackground(HDC dc);
  void Run(Step step);
  // Sets the tips of steps 3 and 4 for the tools the last run chose.
  void FollowTheChosenTools();

  WizardSteps& steps_;
  HBITMAP background_ = nullptr;
  HWND tool_tips_ = nullptr;
};

}  // namespace wizard
