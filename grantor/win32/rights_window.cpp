#include "grantor/win32/rights_window.h"

#include <utility>

#include "grantor/logic/support_message.h"
#include "runtime/win32/controls.h"

namespace grantor {

namespace {

using rt::win32::TwipsRect;

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

// The hints and the example path are darker than the system's grey text.
constexpr COLORREF kHintColour = RGB(0x40, 0x40, 0x40);

struct Choice {
  int option_id;
  const char* caption;
  TwipsRect option;  // within the frame
  int hint_id;
  const char* hint;
  TwipsRect hint_place;  // within the frame
};

// Option2 first: it heads the group and is the one selected at start.
constexpr Choice kChoices[] = {
    {kOption2,
     "Firstname.Surname",
     {240, 360, 1695, 255},
     kLabel5,
     "eg. tomas.varga",
     {600, 600, 1335, 255}},
    {kOption1,
     "Surname.Firstname",
     {2160, 360, 1695, 255},
     kLabel4,
     "eg. varga.tomas",
     {2520, 600, 1335, 255}},
    {kOption3,
     "SurnameInitial",
     {3960, 360, 1335, 255},
     kLabel6,
     "eg. vargat",
     {4320, 600, 855, 255}},
    {kOption4,
     "FirstnameSurname",
     {840, 1080, 1695, 255},
     kLabel7,
     "eg. tomasvarga",
     {1200, 1320, 1335, 255}},
    {kOption5,
     "SurnameFirstname",
     {2760, 1080, 1695, 255},
     kLabel8,
     "eg. vargatomas",
     {3120, 1320, 1335, 255}},
};

TwipsRect InFrame(TwipsRect where) {
  return {kFrameLeft + where.left, kFrameTop + where.top, where.width, where.height};
}

HFONT BoldSansSerif() {
  // 8.25 points.
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(825, GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

}  // namespace

RightsWindow::RightsWindow(HINSTANCE instance, SetRightsHandler on_set_rights)
    : instance_(instance), on_set_rights_(std::move(on_set_rights)), bold_font_(BoldSansSerif()) {
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
  RECT frame = {0, 0, rt::win32::TwipsToPixelsX(kClientWidth),
                rt::win32::TwipsToPixelsY(kClientHeight)};
  AdjustWindowRect(&frame, style, FALSE);
  CreateWindowExA(0, kClassName, kProgramTitle.data(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_,
                  this);
  CreateControls();
}

RightsWindow::~RightsWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  DeleteObject(bold_font_);
}

void RightsWindow::CreateControls() {
  // Creation order is the tab order: the path, the formats, then the buttons.
  rt::win32::CreateLabel(window_, kLabel1,
                         "Server Path where Ondrel is installed:", {120, 120, 1215, 735});
  path_box_ = rt::win32::CreateEditBox(window_, kText1, "", {1440, 480, 3615, 375});
  rt::win32::CreateHintLabel(window_, kLabel2, "eg. D:\\INTRANET\\ONDREL", {2040, 960, 2295, 255});
  rt::win32::CreateFrame(window_, kFrame1, "Individual Logon Name Format Used on Server:",
                         {kFrameLeft, kFrameTop, 5415, 1815});
  // The options first, so that they form one group; their hints follow.
  bool first = true;
  for (const Choice& choice : kChoices) {
    HWND option = rt::win32::CreateOptionButton(window_, choice.option_id, choice.caption,
                                                InFrame(choice.option), first);
    if (first) SendMessageA(option, BM_SETCHECK, BST_CHECKED, 0);
    first = false;
  }
  for (const Choice& choice : kChoices) {
    rt::win32::CreateHintLabel(window_, choice.hint_id, choice.hint, InFrame(choice.hint_place));
  }
  rt::win32::CreateButton(window_, kCommand1, "&Quit", {3120, 3360, 975, 375});
  HWND set_rights =
      rt::win32::CreateButton(window_, kCommand2, "&Set Rights", {4320, 3360, 1215, 615});
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
  return rt::win32::RunMessageLoop(window_);
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
      if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) == kCommand1) {
        Close();
        return 0;
      }
      if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) == kCommand2) {
        on_set_rights_(rt::win32::GetText(path_box_), SelectedFormat());
        return 0;
      }
      break;
    case WM_NEXTDLGCTL:
      rt::win32::HandleNextControl(window, wparam, lparam);
      return 0;
    case WM_CTLCOLORSTATIC:
      if (rt::win32::IsHint(reinterpret_cast<HWND>(lparam))) {
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
