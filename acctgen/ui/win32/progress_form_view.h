#pragma once
// Form2, "Processing...": two centred labels, the phase above and the current item below,
// repainted at once on every change because long work never yields to the message loop.

#include <windows.h>

#include "acctgen/logic/run_state.h"

namespace acctgen::ui {

class ProgressFormView : public ProgressSink {
 public:
  explicit ProgressFormView(HINSTANCE instance) : instance_(instance) {}
  ~ProgressFormView() override;
  ProgressFormView(const ProgressFormView&) = delete;
  ProgressFormView& operator=(const ProgressFormView&) = delete;

  // Created on first use; shown without taking the keyboard.
  void Show();
  void Hide();
  void ShowPhase(std::string_view text) override;
  void ShowItem(std::string_view text) override;

 private:
  void Create();
  void SetLabel(HWND label, std::string_view text);
  void Repaint();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND phase_ = nullptr;  // Label2
  HWND item_ = nullptr;   // Label1
};

}  // namespace acctgen::ui
