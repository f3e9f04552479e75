#include "acctgen/ui/win32/main_form_view.h"

#include <commctrl.h>

#include <set>
#include <stdexcept>

#include "acctgen/ui/product.h"
#include "acctgen/ui/win32/main_form_layout.h"
#include "runtime/error.h"

namespace acctgen::ui {

namespace {
constexpr char kClassName[] = "TrellisMainForm";
constexpr int kFirstControlId = 1000;
// Reported for a failure that carries no error number of its own.
constexpr int kInternalError = 51;

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got));
  return text;
}
}  // namespace

MainFormView::MainFormView(HINSTANCE instance, FormModel& model,
                           std::function<void(int, const std::string&)> on_failure)
    : instance_(instance), model_(model), on_failure_(std::move(on_failure)) {}

MainFormView::~MainFormView() {
  model_.on_change = nullptr;
  if (window_ != nullptr) DestroyWindow(window_);
  if (warning_font_ != nullptr) DeleteObject(warning_font_);
}

HWND MainFormView::Create() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);
  background_ = GetSysColorBrush(COLOR_BTNFACE);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, kMainFormWidth, kMainFormHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const std::string title(kMainFormTitle);
  window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, title.c_str(), style,
                            (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                            nullptr, instance_, this);

  tool_tips_ =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);

  LOGFONTA warning{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof warning, &warning);
  warning.lfWeight = FW_BOLD;
  warning_font_ = CreateFontIndirectA(&warning);

  // Frames first, so they stand behind their controls; then the tab order, each text box
  // after its caption, each example after its control.
  std::set<std::string> created;
  auto create = [&](const std::string& name) {
    if (name.empty() || created.count(name) != 0) return;
    created.insert(name);
    CreateControl(model_.Get(name));
  };
  for (const Control& control : model_.controls()) {
    if (control.kind == ControlKind::kFrame) create(control.name);
  }
  for (const std::string& name : FormModel::TabOrder()) {
    const Control& control = model_.Get(name);
    if (name == "Check18") create("Label19");
    create(control.label);
    create(name);
    create(control.hint);
  }
  for (const Control& control : model_.controls()) create(control.name);

  model_.on_change = [this](const std::string& name) { Mirror(name); };
  for (const Control& control : model_.controls()) Mirror(control.name);
  return window_;
}

void MainFormView::CreateControl(const Control& control) {
  Placement place{};
  if (!PlaceOf(control.name, place)) throw std::logic_error("no place for " + control.name);
  const int id = kFirstControlId + static_cast<int>(names_by_id_.size());
  const char* window_class = "BUTTON";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD extended = 0;
  // Each tab stop is its own group, so the dialog manager neither skips unselected options on
  // Tab nor moves between options with the arrow keys: the model decides what is selected.
  const DWORD tab_stop = WS_TABSTOP | WS_GROUP;
  switch (control.kind) {
    case ControlKind::kText:
      window_class = "EDIT";
      style |= tab_stop | ES_AUTOHSCROLL | (control.upper_case ? ES_UPPERCASE : 0);
      extended = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::kOption:
      style |= tab_stop | BS_RADIOBUTTON;
      break;
    case ControlKind::kCheck:
      style |= tab_stop | BS_CHECKBOX;
      break;
    case ControlKind::kButton:
      style |= tab_stop | BS_PUSHBUTTON;
      break;
    case ControlKind::kFrame:
      style |= BS_GROUPBOX;
      break;
    case ControlKind::kLabel:
      window_class = "STATIC";
      style |= SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
      break;
  }
  const std::string caption = control.kind == ControlKind::kText ? control.text : control.caption;
  HWND handle = CreateWindowExA(
      extended, window_class, caption.c_str(), style, place.x, place.y, place.width, place.height,
      window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  SendMessageA(handle, WM_SETFONT,
               reinterpret_cast<WPARAM>(control.warning_label ? warning_font_
                                                              : GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  if (control.max_length > 0) SendMessageA(handle, EM_LIMITTEXT, control.max_length, 0);
  if (!control.tool_tip.empty()) AddToolTip(handle, control.tool_tip);
  handles_[control.name] = handle;
  names_by_id_[id] = control.name;
}

void MainFormView::AddToolTip(HWND control, const std::string& text) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tool_tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainFormView::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  SetFocus(handles_.at(FormModel::TabOrder().front()));
}

void MainFormView::Focus(std::string_view name) {
  auto found = handles_.find(std::string(name));
  if (found != handles_.end()) SetFocus(found->second);
}

bool MainFormView::HandleDialogMessage(MSG& message) {
  return window_ != nullptr && IsDialogMessageA(window_, &message);
}

void MainFormView::Mirror(const std::string& name) {
  auto found = handles_.find(name);
  if (found == handles_.end()) return;
  HWND handle = found->second;
  const Control& control = model_.Get(name);
  mirroring_ = true;
  if (control.kind == ControlKind::kText) {
    if (WindowText(handle) != control.text) SetWindowTextA(handle, control.text.c_str());
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

LRESULT CALLBACK MainFormView::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* view = reinterpret_cast<MainFormView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (view == nullptr || view->window_ != window) {
    return DefWindowProcA(window, message, wparam, lparam);
  }
  return view->Handle(message, wparam, lparam);
}

LRESULT MainFormView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      auto found = names_by_id_.find(LOWORD(wparam));
      if (found == names_by_id_.end() || mirroring_) break;
      const std::string name = found->second;
      const Control& control = model_.Get(name);
      const WORD code = HIWORD(wparam);
      if (control.kind == ControlKind::kText && code == EN_CHANGE) {
        const std::string text = WindowText(reinterpret_cast<HWND>(lparam));
        Forward([&] { model_.SetText(name, text); });
        return 0;
      }
      if (control.kind != ControlKind::kText && code == BN_CLICKED) {
        Forward([&] { model_.Click(name); });
        return 0;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      HWND child = reinterpret_cast<HWND>(lparam);
      SetBkMode(dc, TRANSPARENT);
      const int id = GetDlgCtrlID(child);
      auto found = names_by_id_.find(id);
      if (found != names_by_id_.end()) {
        const Control& control = model_.Get(found->second);
        if (control.hint_label) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        if (control.warning_label) SetTextColor(dc, RGB(192, 0, 0));
      }
      return reinterpret_cast<LRESULT>(background_);
    }
    case WM_CLOSE:
      // The title bar's close box ends the program as Exit does.
      Forward([&] { model_.Click("Command2"); });
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

}  // namespace acctgen::ui
