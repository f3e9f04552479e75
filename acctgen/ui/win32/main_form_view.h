#pragma once
// Form1, the main window. It mirrors the form model: every control's text, tick and enabled
// state come from the model, and every click and keystroke goes to it. Controls are created
// from the model's table in the tab order, each text box right after its caption label.

#include <windows.h>

#include <string>
#include <string_view>

#include "acctgen/ui/form_model.h"
#include "runtime/win32/window.h"

namespace acctgen::ui {

class MainFormView : public rt::win32::Window {
 public:
  MainFormView(HINSTANCE instance, FormModel& model);
  ~MainFormView() override;

  HWND Create();
  void Show();
  // Gives the keyboard focus to the control of this name (the field a Create check refused).
  void Focus(std::string_view name);

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Mirror(const std::string& name);

  FormModel& model_;
  bool mirroring_ = false;
};

}  // namespace acctgen::ui
