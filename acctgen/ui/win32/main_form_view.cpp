#include "acctgen/ui/win32/main_form_view.h"

#include <set>

#include "acctgen/ui/product.h"
#include "runtime/win32/control_builder.h"
#include "runtime/win32/controls.h"

namespace acctgen::ui {

namespace {

constexpr COLORREF kWarningColour = RGB(192, 0, 0);

// The builder's row of a control of the form.
rt::win32::ControlRow RowOf(const Control& control) {
  // Each tab stop is its own group, so the dialog manager neither skips unselected options on
  // Tab nor moves between options with the arrow keys: the model decides what is selected.
  rt::win32::ControlRow row{.kind = control.row.kind,
                            .id = control.row.id,
                            .caption = control.row.caption,
                            .place = control.row.place,
                            .style = WS_GROUP,
                            .tool_tip = control.row.tool_tip,
                            .hint = control.row.hint_label,
                            .max_length = control.row.max_length};
  switch (control.row.kind) {
    case ControlKind::kText:
      row.caption = control.text;
      if (control.row.reaction == Reaction::kUpperCase) row.style |= ES_UPPERCASE;
      break;
    case ControlKind::kFrame:
      row.style = 0;
      break;
    case ControlKind::kLabel:
      row.style = SS_NOTIFY | SS_NOPREFIX;
      break;
    case ControlKind::kOption:
    case ControlKind::kCheck:
    case ControlKind::kButton:
      break;
  }
  if (control.row.warning_label) {
    row.font.bold = true;
    row.colour = kWarningColour;
  }
  return row;
}

}  // namespace

MainFormView::MainFormView(HINSTANCE instance, FormModel& model)
    : Window(instance), model_(model) {}

MainFormView::~MainFormView() {
  model_.on_change = nullptr;
  Destroy();
}

HWND MainFormView::Create() {
  Window::Create({"TrellisMainForm", kMainFormTitle, FormModel::kWidth, FormModel::kHeight});
  rt::win32::ControlBuilder builder(handle(), rt::win32::Marks::kByProgram);

  // Frames first, so they stand behind their controls; then the tab order, each control after
  // its caption label and before its grey example.
  std::set<std::string> created;
  auto create = [&](const std::string& name) {
    if (name.empty() || !created.insert(name).second) return;
    builder.Add(RowOf(model_.Get(name)));
  };
  for (const Control& control : model_.controls()) {
    if (control.row.kind == ControlKind::kFrame) create(control.row.name);
  }
  for (const std::string& name : FormModel::TabOrder()) {
    const Control& control = model_.Get(name);
    create(control.row.label);
    create(name);
    create(control.row.hint);
  }
  for (const Control& control : model_.controls()) create(control.row.name);

  model_.on_change = [this](const std::string& name) { Mirror(name); };
  for (const Control& control : model_.controls()) Mirror(control.row.name);
  return handle();
}

void MainFormView::Show() {
  Window::Show(SW_SHOWNORMAL,
               GetDlgItem(handle(), model_.Get(FormModel::TabOrder().front()).row.id));
  SetForegroundWindow(handle());
}

void MainFormView::Focus(std::string_view name) {
  if (HWND control = GetDlgItem(handle(), model_.Get(name).row.id)) SetFocus(control);
}

void MainFormView::Mirror(const std::string& name) {
  const Control& control = model_.Get(name);
  HWND handle = GetDlgItem(this->handle(), control.row.id);
  if (handle == nullptr) return;
  mirroring_ = true;
  if (control.row.kind == ControlKind::kText) {
    if (rt::win32::GetText(handle) != control.text) rt::win32::SetText(handle, control.text);
  } else if (control.row.kind == ControlKind::kOption || control.row.kind == ControlKind::kCheck) {
    SendMessageA(handle, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if ((IsWindowEnabled(handle) != FALSE) != control.enabled) EnableWindow(handle, control.enabled);
  mirroring_ = false;
}

LRESULT MainFormView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const Control* control = model_.FindById(LOWORD(wparam));
      if (control == nullptr || mirroring_) break;
      const WORD code = HIWORD(wparam);
      if (control->row.kind == ControlKind::kText && code == EN_CHANGE) {
        const std::string text = rt::win32::GetText(reinterpret_cast<HWND>(lparam));
        model_.SetText(control->row.field, text);
        return 0;
      }
      if (control->row.kind != ControlKind::kText && code == BN_CLICKED) {
        model_.Click(control->row.id);
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      // The title bar's close box ends the program as Exit does.
      model_.Exit();
      return 0;
    default:
      break;
  }
  return Window::Handle(message, wparam, lparam);
}

}  // namespace acctgen::ui
