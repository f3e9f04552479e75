#pragma once
// Form2, "Processing...": two centred labels, the phase above and the current item below,
// repainted at once on every change because long work never yields to the message loop.

#include <windows.h>

#include "acctgen/logic/startup/progress_sink.h"
#include "runtime/win32/window.h"

namespace acctgen::ui {

class ProgressFormView : public rt::win32::Window, public ProgressSink {
 public:
  explicit ProgressFormView(HINSTANCE instance) : Window(instance) {}
  ~ProgressFormView() override;

  // Created on first use; shown without taking the keyboard.
  void Show();
  void Hide();
  void ShowPhase(std::string_view text) override;
  void ShowItem(std::string_view text) override;

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Create();
  void SetLabel(HWND label, std::string_view text);
  void Repaint();

  HWND phase_ = nullptr;  // Label2
  HWND item_ = nullptr;   // Label1
};

}  // namespace acctgen::ui
