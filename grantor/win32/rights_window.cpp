#include "grantor/win32/rights_window.h"

#include "grantor/logic/support_message.h"

namespace grantor {

namespace {

constexpr char kClassName[] = "GrantorForm1";

enum ControlId : int {
  kLabel1 = 101,
  kText1,
  kLabel2,
  kFrame1,
  kOption1 = 111,
  kOption2,
  kOption3,
  kOption4,
  kOption5,
  kLabel4 = 124,
  kLabel5,
  kLabel6,
  kLabel7,
  kLabel8,
  kCommand1 = 131,
  kCommand2,
};

// The form's client area and the frame's origin, in twips.
constexpr int kClientWidth = 5745;
constexpr int kClientHeight = 4110;
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 1440;

constexpr COLORREF kHintColour = RGB(0x40, 0x40, 0x40);

bool IsHint(int id) { return id == kLabel2 || (id >= kLabel4 && id <= kLabel8); }

HFONT MakeFont(int dpi_y, int weight) {
  // 8.25 points, as the classic dialog font.
  const int height = -MulDiv(825, dpi_y, 7200);
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                     "MS Sans Serif");
}

}  // namespace

RightsWindow::RightsWindow(HINSTANCE instance, SetRightsHandler on_set_rights)
    : instance_(instance), on_set_rights_(std::move(on_set_rights)) {
  HDC screen = GetDC(nullptr);
  dpi_x_ = GetDeviceCaps(screen, LOGPIXELSX);
  dpi_y_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font_ = MakeFont(dpi_y_, FW_NORMAL);
  bold_font_ = MakeFont(dpi_y_, FW_BOLD);

  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance_;
  window_class.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  RegisterClassExA(&window_class);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame = {0, 0, Pixels(kClientWidth, true), Pixels(kClientHeight, false)};
  AdjustWindowRect(&frame, style, FALSE);
  window_ = CreateWindowExA(0, kClassName, kProgramTitle.data(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, instance_, this);
  CreateControls();
}

RightsWindow::~RightsWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  DeleteObject(font_);
  DeleteObject(bold_font_);
}

int RightsWindow::Pixels(int twips, bool horizontal) const {
  return MulDiv(twips, horizontal ? dpi_x_ : dpi_y_, 1440);
}

HWND RightsWindow::AddControl(const char* class_name, const char* caption, DWORD style, int id,
                              int left, int top, int width, int height) {
  HWND control =
      CreateWindowExA(0, class_name, caption, WS_CHILD | WS_VISIBLE | style, Pixels(left, true),
                      Pixels(top, false), Pixels(width, true), Pixels(height, false), window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

void RightsWindow::CreateControls() {
  // Creation order is the tab order.
  AddControl("STATIC", "Server Path where Ondrel is installed:", SS_LEFT, kLabel1, 120, 120, 1215,
             735);
  path_box_ =
      AddControl("EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kText1, 1440, 480, 3615, 375);
  AddControl("STATIC", "eg. D:\\INTRANET\\ONDREL", SS_LEFT, kLabel2, 2040, 960, 2295, 255);
  AddControl("BUTTON", "Individual Logon Name Format Used on Server:", BS_GROUPBOX, kFrame1,
             kFrameLeft, kFrameTop, 5415, 1815);

  struct Choice {
    int option_id;
    const char* caption;
    int left, top, width;
    int hint_id;
    const char* hint;
    int hint_left, hint_top, hint_width;
  };
  const Choice choices[] = {
      {kOption2, "Firstname.Surname", 240, 360, 1695, kLabel5, "eg. tomas.varga", 600, 600, 1335},
      {kOption1, "Surname.Firstname", 2160, 360, 1695, kLabel4, "eg. varga.tomas", 2520, 600, 1335},
      {kOption3, "SurnameInitial", 3960, 360, 1335, kLabel6, "eg. vargat", 4320, 600, 855},
      {kOption4, "FirstnameSurname", 840, 1080, 1695, kLabel7, "eg. tomasvarga", 1200, 1320, 1335},
      {kOption5, "SurnameFirstname", 2760, 1080, 1695, kLabel8, "eg. vargatomas", 3120, 1320, 1335},
  };
  bool first = true;
  for (const Choice& choice : choices) {
    // The first option starts the group and holds its tab stop; the arrows move within it.
    const DWORD group = first ? WS_GROUP | WS_TABSTOP : 0;
    HWND option = AddControl("BUTTON", choice.caption, BS_AUTORADIOBUTTON | group, choice.option_id,
                             kFrameLeft + choice.left, kFrameTop + choice.top, choice.width, 255);
    if (first) SendMessageA(option, BM_SETCHECK, BST_CHECKED, 0);
    AddControl("STATIC", choice.hint, SS_LEFT, choice.hint_id, kFrameLeft + choice.hint_left,
               kFrameTop + choice.hint_top, choice.hint_width, 255);
    first = false;
  }

  AddControl("BUTTON", "&Quit", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kCommand1, 3120, 3360, 975,
             375);
  HWND set_rights = AddControl("BUTTON", "&Set Rights", BS_PUSHBUTTON | WS_TABSTOP, kCommand2, 4320,
                               3360, 1215, 615);
  SendMessageA(set_rights, WM_SETFONT, reinterpret_cast<WPARAM>(bold_font_), FALSE);
}

LoginFormat RightsWindow::SelectedFormat() const {
  const std::pair<int, LoginFormat> options[] = {
      {kOption1, LoginFormat::kSurnameDotFirstname}, {kOption2, LoginFormat::kFirstnameDotSurname},
      {kOption3, LoginFormat::kSurnameInitial},      {kOption4, LoginFormat::kFirstnameSurname},
      {kOption5, LoginFormat::kSurnameFirstname},
  };
  for (const auto& [id, format] : options) {
    if (IsDlgButtonChecked(window_, id) == BST_CHECKED) return format;
  }
  return LoginFormat::kFirstnameDotSurname;
}

int RightsWindow::Run(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  SetFocus(path_box_);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window_ != nullptr && IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void RightsWindow::Close() {
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK RightsWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<RightsWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<RightsWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return self->Handle(window, message, wparam, lparam);
}

LRESULT RightsWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        if (LOWORD(wparam) == kCommand1) {
          Close();
          return 0;
        }
        if (LOWORD(wparam) == kCommand2) {
          std::string path(GetWindowTextLengthA(path_box_) + 1, '\0');
          path.resize(GetWindowTextA(path_box_, path.data(), static_cast<int>(path.size())));
          on_set_rights_(path, SelectedFormat());
          return 0;
        }
      }
      break;
    case WM_CTLCOLORSTATIC:
      if (IsHint(GetDlgCtrlID(reinterpret_cast<HWND>(lparam)))) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, kHintColour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace grantor
