#pragma once
// The wizard's one window: seven buttons over a background picture. A click runs the button's
// step; a step that fails reports the error and ends the program.

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/win32/window.h"
#include "wizard/logic/wizard_steps.h"

namespace wizard {

class WizardWindow : public rt::win32::Window {
 public:
  using FailureHandler = std::function<void(HWND owner, int number, const std::string& text)>;

  WizardWindow(HINSTANCE instance, WizardSteps& steps, FailureHandler on_failure);
  ~WizardWindow() override;

  HWND Create();
  // Shows the window with the focus on the first step.
  void Show();

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  void CreateButtons();
  void PaintBackground(HDC dc);
  void Run(Step step);

  WizardSteps& steps_;
  FailureHandler on_failure_;
  HBITMAP background_ = nullptr;
};

}  // namespace wizard
