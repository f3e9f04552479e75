#pragma once
// Form1, the main window. It mirrors the form model: every control's text, tick and enabled
// state come from the model, and every click and keystroke goes to it. Controls are created
// in the tab order, each text box right after its caption label.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "acctgen/ui/form_model.h"

namespace acctgen::ui {

class MainFormView {
 public:
  // on_failure takes an error that escaped a reaction (the default failure path).
  MainFormView(HINSTANCE instance, FormModel& model,
               std::function<void(int number, const std::string& description)> on_failure);
  ~MainFormView();
  MainFormView(const MainFormView&) = delete;
  MainFormView& operator=(const MainFormView&) = delete;

  HWND Create();
  void Show();
  HWND window() const { return window_; }
  // Gives the keyboard focus to the control of this name (the field a Create check refused).
  void Focus(std::string_view name);
  // The window's part of the message loop: Tab, access keys.
  bool HandleDialogMessage(MSG& message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControl(const Control& control);
  void AddToolTip(HWND control, const std::string& text);
  void Mirror(const std::string& name);
  void Forward(const std::function<void()>& change);

  HINSTANCE instance_;
  FormModel& model_;
  std::function<void(int, const std::string&)> on_failure_;
  HWND window_ = nullptr;
  HWND tool_tips_ = nullptr;
  HBRUSH background_ = nullptr;
  HFONT warning_font_ = nullptr;
  std::map<std::string, HWND> handles_;
  std::map<int, std::string> names_by_id_;
  bool mirroring_ = false;
};

}  // namespace acctgen::ui
