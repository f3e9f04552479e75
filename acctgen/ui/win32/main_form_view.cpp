#include "acctgen/ui/win32/main_form_view.h"

#include <set>

#include "acctgen/ui/product.h"
#include "runtime/error.h"
#include "runtime/win32/controls.h"

namespace acctgen::ui {

namespace {
// Reported for a failure that carries no error number of its own.
constexpr int kInternalError = 51;
constexpr COLORREF kWarningColour = RGB(192, 0, 0);
}  // namespace

MainFormView::MainFormView(HINSTANCE instance, FormModel& model,
                           std::function<void(int, const std::string&)> on_failure)
    : Window(instance), model_(model), on_failure_(std::move(on_failure)) {}

MainFormView::~MainFormView() {
  model_.on_change = nullptr;
  Destroy();
}

HWND MainFormView::Create() {
  Window::Create({"TrellisMainForm", kMainFormTitle, FormModel::kWidth, FormModel::kHeight});
  tool_tips_ = rt::win32::CreateToolTips(handle());

  // Frames first, so they stand behind their controls; then the tab order, each control after
  // its caption label and before its grey example.
  std::set<std::string> created;
  auto create = [&](const std::string& name) {
    if (name.empty() || !created.insert(name).second) return;
    CreateControl(model_.Get(name));
  };
  for (const Control& control : model_.controls()) {
    if (control.kind == ControlKind::kFrame) create(control.name);
  }
  for (const std::string& name : FormModel::TabOrder()) {
    const Control& control = model_.Get(name);
    create(control.label);
    create(name);
    create(control.hint);
  }
  for (const Control& control : model_.controls()) create(control.name);

  model_.on_change = [this](const std::string& name) { Mirror(name); };
  for (const Control& control : model_.controls()) Mirror(control.name);
  return handle();
}

void MainFormView::CreateControl(const Control& control) {
  const char* window_class = "BUTTON";
  DWORD style = 0;
  DWORD extended = 0;
  // Each tab stop is its own group, so the dialog manager neither skips unselected options on
  // Tab nor moves between options with the arrow keys: the model decides what is selected.
  const DWORD tab_stop = WS_TABSTOP | WS_GROUP;
  switch (control.kind) {
    case ControlKind::kText:
      window_class = "EDIT";
      style = tab_stop | ES_AUTOHSCROLL | (control.upper_case ? ES_UPPERCASE : 0);
      extended = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::kOption:
      style = tab_stop | BS_RADIOBUTTON;
      break;
    case ControlKind::kCheck:
      style = tab_stop | BS_CHECKBOX;
      break;
    case ControlKind::kButton:
      style = tab_stop | BS_PUSHBUTTON;
      break;
    case ControlKind::kFrame:
      style = BS_GROUPBOX;
      break;
    case ControlKind::kLabel:
      window_class = "STATIC";
      style = SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
      break;
  }
  const std::string& caption = control.kind == ControlKind::kText ? control.text : control.caption;
  HWND handle = rt::win32::CreateControl(this->handle(), control.id, window_class, caption, style,
                                         extended, control.place);
  if (control.warning_label) {
    SendMessageA(handle, WM_SETFONT,
                 reinterpret_cast<WPARAM>(rt::win32::DialogFont(dots_per_inch(), true)), FALSE);
    rt::win32::SetTextColour(handle, kWarningColour);
  }
  if (control.hint_label) rt::win32::MarkAsHint(handle);
  if (control.max_length > 0) SendMessageA(handle, EM_LIMITTEXT, control.max_length, 0);
  if (!control.tool_tip.empty()) rt::win32::AddToolTip(tool_tips_, handle, control.tool_tip);
}

void MainFormView::Show() {
  Window::Show(SW_SHOWNORMAL, GetDlgItem(handle(), model_.Get(FormModel::TabOrder().front()).id));
  SetForegroundWindow(handle());
}

void MainFormView::Focus(std::string_view name) {
  if (HWND control = GetDlgItem(handle(), model_.Get(name).id)) SetFocus(control);
}

void MainFormView::Mirror(const std::string& name) {
  const Control& control = model_.Get(name);
  HWND handle = GetDlgItem(this->handle(), control.id);
  if (handle == nullptr) return;
  mirroring_ = true;
  if (control.kind == ControlKind::kText) {
    if (rt::win32::GetText(handle) != control.text) rt::win32::SetText(handle, control.text);
  } else if (control.kind == ControlKind::kOption || control.kind == ControlKind::kCheck) {
    SendMessageA(handle, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if ((IsWindowEnabled(handle) != FALSE) != control.enabled) EnableWindow(handle, control.enabled);
  mirroring_ = false;
}

void MainFormView::Forward(const std::function<void()>& change) {
  try {
    change();
  } catch (const rt::RuntimeError& error) {
    on_failure_(error.number(), error.description());
  } catch (const std::exception& error) {
    on_failure_(kInternalError, error.what());
  }
}

LRESULT MainFormView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const Control* control = model_.FindById(LOWORD(wparam));
      if (control == nullptr || mirroring_) break;
      const WORD code = HIWORD(wparam);
      if (control->kind == ControlKind::kText && code == EN_CHANGE) {
        const std::string text = rt::win32::GetText(reinterpret_cast<HWND>(lparam));
        Forward([&] { model_.SetText(control->field, text); });
        return 0;
      }
      if (control->kind != ControlKind::kText && code == BN_CLICKED) {
        Forward([&] { model_.Click(control->id); });
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      // The title bar's close box ends the program as Exit does.
      Forward([&] { model_.Exit(); });
      return 0;
    default:
      break;
  }
  return Window::Handle(message, wparam, lparam);
}

}  // namespace acctgen::ui
