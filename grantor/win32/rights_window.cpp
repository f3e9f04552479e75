#include "grantor/win32/rights_window.h"

#include <utility>

#include "grantor/logic/support_message.h"
#include "runtime/win32/controls.h"

namespace grantor {

namespace {

using rt::TwipsRect;
using school::LoginFormat;

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
  kTodaysTools = 141,
};

// The form's client area and the frame's origin, in twips.
constexpr int kClientWidth = 5745;
constexpr int kClientHeight = 4110;
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 1440;

// The hints and the example path are darker than the system's grey text.
constexpr COLORREF kHintColour = RGB(0x40, 0x40, 0x40);

// The login formats and their hints, in twips within the frame.
struct FormatOption {
  int id;
  LoginFormat format;
  const char* caption;
  TwipsRect place;
};
struct Hint {
  int id;
  const char* text;
  TwipsRect place;
};

// Option2 first: it heads the group and is the one selected at start.
constexpr FormatOption kOptions[] = {
    {kOption2, LoginFormat::kFirstnameDotSurname, "Firstname.Surname", {240, 360, 1695, 255}},
    {kOption1, LoginFormat::kSurnameDotFirstname, "Surname.Firstname", {2160, 360, 1695, 255}},
    {kOption3, LoginFormat::kSurnameInitial, "SurnameInitial", {3960, 360, 1335, 255}},
    {kOption4, LoginFormat::kFirstnameSurname, "FirstnameSurname", {840, 1080, 1695, 255}},
    {kOption5, LoginFormat::kSurnameFirstname, "SurnameFirstname", {2760, 1080, 1695, 255}},
};
// Each below its option.
constexpr Hint kHints[] = {
    {kLabel5, "eg. tomas.varga", {600, 600, 1335, 255}},
    {kLabel4, "eg. varga.tomas", {2520, 600, 1335, 255}},
    {kLabel6, "eg. vargat", {4320, 600, 855, 255}},
    {kLabel7, "eg. tomasvarga", {1200, 1320, 1335, 255}},
    {kLabel8, "eg. vargatomas", {3120, 1320, 1335, 255}},
};

TwipsRect InFrame(TwipsRect where) {
  return {kFrameLeft + where.left, kFrameTop + where.top, where.width, where.height};
}

// Bold 8.25-point MS Sans Serif at the window's resolution.
HFONT BoldSansSerif(int dots_per_inch) {
  return CreateFontA(-MulDiv(825, dots_per_inch, 7200), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                     ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

}  // namespace

RightsWindow::RightsWindow(HINSTANCE instance, SetRightsHandler on_set_rights)
    : Window(instance), on_set_rights_(std::move(on_set_rights)) {
  Frame frame{"GrantorForm1", kProgramTitle, kClientWidth, kClientHeight};
  frame.extended_style = 0;
  frame.centred = false;
  frame.ends_program = true;
  Create(frame);
  bold_font_ = BoldSansSerif(dots_per_inch());
  CreateControls();
}

RightsWindow::~RightsWindow() {
  Destroy();
  DeleteObject(bold_font_);
}

void RightsWindow::CreateControls() {
  using namespace rt::win32;
  // Creation order is the tab order: the path, the formats, then the buttons.
  CreateLabel(handle(), kLabel1, "Server Path where Ondrel is installed:", {120, 120, 1215, 735});
  path_box_ = CreateEditBox(handle(), kText1, "", {1440, 480, 3615, 375});
  SetTextColour(CreateLabel(handle(), kLabel2, "eg. D:\\INTRANET\\ONDREL", {2040, 960, 2295, 255}),
                kHintColour);
  CreateFrame(handle(), kFrame1,
              "Individual Logon Name Format Used on Server:", {kFrameLeft, kFrameTop, 5415, 1815});
  // The options first, so that they form one group; their hints follow.
  for (const FormatOption& option : kOptions) {
    const bool first = &option == &kOptions[0];
    HWND button =
        CreateOptionButton(handle(), option.id, option.caption, InFrame(option.place), first);
    if (first) SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
  }
  for (const Hint& hint : kHints) {
    SetTextColour(CreateLabel(handle(), hint.id, hint.text, InFrame(hint.place)), kHintColour);
  }
  // Beside the buttons, below the frame: the choice of tool for the rights batch.
  CreateCheckBox(handle(), kTodaysTools, "Use today's icacls, not xcacls", {120, 3420, 2880, 255});
  CreateButton(handle(), kCommand1, "&Quit", {3120, 3360, 975, 375});
  HWND set_rights = CreateButton(handle(), kCommand2, "&Set Rights", {4320, 3360, 1215, 615});
  SendMessageA(set_rights, WM_SETFONT, reinterpret_cast<WPARAM>(bold_font_), FALSE);
}

LoginFormat RightsWindow::SelectedFormat() const {
  for (const FormatOption& option : kOptions) {
    if (IsDlgButtonChecked(handle(), option.id) == BST_CHECKED) return option.format;
  }
  return LoginFormat::kFirstnameDotSurname;
}

int RightsWindow::Run(int show_command) {
  Show(show_command, path_box_);
  return rt::win32::RunMessageLoop(handle());
}

LRESULT RightsWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    if (LOWORD(wparam) == kCommand1) {
      Close();
      return 0;
    }
    if (LOWORD(wparam) == kCommand2) {
      on_set_rights_(rt::win32::GetText(path_box_), SelectedFormat(),
                     IsDlgButtonChecked(handle(), kTodaysTools) == BST_CHECKED);
      return 0;
    }
  }
  return Window::Handle(message, wparam, lparam);
}

}  // namespace grantor
