#pragma once
// The wizard's one window: seven buttons over a background picture. A click runs the button's
// step; a step that fails reports the error and ends the program.

#include <windows.h>

#include <functional>
#include <string>

#include "wizard/logic/wizard_steps.h"

namespace wizard {

class WizardWindow {
 public:
  using FailureHandler = std::function<void(HWND owner, int number, const std::string& text)>;

  WizardWindow(HINSTANCE instance, WizardSteps& steps, FailureHandler on_failure);
  ~WizardWindow();
  WizardWindow(const WizardWindow&) = delete;
  WizardWindow& operator=(const WizardWindow&) = delete;

  HWND Create();
  void Show();
  // Tab and the access keys move between and press the buttons.
  bool HandleDialogMessage(MSG& message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(HWND window, UINT message, WPARAM w, LPARAM l);
  void CreateButtons();
  void PaintBackground(HDC dc);
  void Run(Step step);

  HINSTANCE instance_;
  WizardSteps& steps_;
  FailureHandler on_failure_;
  HWND window_ = nullptr;
  HWND tool_tips_ = nullptr;
  HBITMAP background_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace wizard
