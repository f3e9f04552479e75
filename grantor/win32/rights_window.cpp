#include "grantor/win32/rights_window.h"

#include <utility>

#include "grantor/logic/support_message.h"
#include "runtime/win32/control_builder.h"
#include "runtime/win32/controls.h"

namespace grantor {

namespace {

using rt::ControlKind;
using rt::TwipsRect;
using rt::win32::ControlRow;
using school::LoginFormat;

// The control identifiers: the hundred of the form, then the form designer's order.
constexpr int kPathBox = 102;
constexpr int kQuit = 131;
constexpr int kSetRights = 132;
constexpr int kTodaysTools = 141;
constexpr int kDomainLabel = 142;
constexpr int kDomainBox = 143;

// The form's client area and the frame's origin, in twips.
constexpr int kClientWidth = 5745;
constexpr int kClientHeight = 4110;
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 1440;

// The hints and the example path are darker than the system's grey text.
constexpr COLORREF kHintColour = RGB(0x40, 0x40, 0x40);

constexpr TwipsRect InFrame(TwipsRect where) {
  return {kFrameLeft + where.left, kFrameTop + where.top, where.width, where.height};
}

constexpr ControlRow Hint(int id, std::string_view text, TwipsRect place) {
  return {.kind = ControlKind::kLabel,
          .id = id,
          .caption = text,
          .place = place,
          .style = WS_GROUP,
          .colour = kHintColour};
}

// The login formats, Option2 first: it heads the group and is the one selected at start.
struct FormatOption {
  int id;
  LoginFormat format;
};
constexpr FormatOption kFormats[] = {
    {112, LoginFormat::kFirstnameDotSurname}, {111, LoginFormat::kSurnameDotFirstname},
    {113, LoginFormat::kSurnameInitial},      {114, LoginFormat::kFirstnameSurname},
    {115, LoginFormat::kSurnameFirstname},
};

// Creation order is the tab order: the path, the formats (so that they form one group), their
// hints, then the buttons.
const ControlRow kRows[] = {
    {ControlKind::kLabel,
     101,
     "Server Path where Ondrel is installed:",
     {120, 120, 1215, 735},
     WS_GROUP},
    {ControlKind::kText, kPathBox, "", {1440, 480, 3615, 375}, WS_GROUP},
    Hint(103, "eg. D:\\INTRANET\\ONDREL", {2040, 960, 2295, 255}),
    {ControlKind::kFrame,
     104,
     "Individual Logon Name Format Used on Server:",
     {kFrameLeft, kFrameTop, 5415, 1815},
     WS_GROUP},
    {ControlKind::kOption, 112, "Firstname.Surname", InFrame({240, 360, 1695, 255}), WS_GROUP},
    {ControlKind::kOption, 111, "Surname.Firstname", InFrame({2160, 360, 1695, 255})},
    {ControlKind::kOption, 113, "SurnameInitial", InFrame({3960, 360, 1335, 255})},
    {ControlKind::kOption, 114, "FirstnameSurname", InFrame({840, 1080, 1695, 255})},
    {ControlKind::kOption, 115, "SurnameFirstname", InFrame({2760, 1080, 1695, 255})},
    Hint(125, "eg. tomas.varga", InFrame({600, 600, 1335, 255})),
    Hint(124, "eg. varga.tomas", InFrame({2520, 600, 1335, 255})),
    Hint(126, "eg. vargat", InFrame({4320, 600, 855, 255})),
    Hint(127, "eg. tomasvarga", InFrame({1200, 1320, 1335, 255})),
    Hint(128, "eg. vargatomas", InFrame({3120, 1320, 1335, 255})),
    // Beside the buttons, below the frame: the choice of tool for the rights batch, and the
    // domain by which icacls names each student, open only while icacls is chosen.
    {ControlKind::kCheck,
     kTodaysTools,
     "Use today's icacls, not xcacls",
     {120, 3360, 2880, 255},
     WS_GROUP},
    {ControlKind::kLabel,
     kDomainLabel,
     "NetBIOS Domain Name:",
     {120, 3750, 1785, 255},
     WS_GROUP | WS_DISABLED},
    {.kind = ControlKind::kText,
     .id = kDomainBox,
     .place = {1920, 3705, 1080, 315},
     .style = WS_GROUP | WS_DISABLED,
     .max_length = 15},  // the longest NetBIOS name
    {ControlKind::kButton, kQuit, "&Quit", {3120, 3360, 975, 375}, WS_GROUP},
    {.kind = ControlKind::kButton,
     .id = kSetRights,
     .caption = "&Set Rights",
     .place = {4320, 3360, 1215, 615},
     .style = WS_GROUP,
     .font = {.face = "MS Sans Serif", .centipoints = 825, .bold = true}},
};

}  // namespace

RightsWindow::RightsWindow(HINSTANCE instance, std::string saved_domain,
                           SetRightsHandler on_set_rights)
    : Window(instance),
      saved_domain_(std::move(saved_domain)),
      on_set_rights_(std::move(on_set_rights)) {}

RightsWindow::~RightsWindow() { Destroy(); }

HWND RightsWindow::Create() {
  Frame frame{"GrantorForm1", kProgramTitle, kClientWidth, kClientHeight};
  frame.extended_style = 0;
  frame.centred = false;
  frame.ends_program = true;
  Window::Create(frame);
  rt::win32::ControlBuilder(handle()).AddAll(kRows);
  CheckDlgButton(handle(), kFormats[0].id, BST_CHECKED);
  SetDlgItemTextA(handle(), kDomainBox, saved_domain_.c_str());
  return handle();
}

void RightsWindow::Show(int show_command) {
  Window::Show(show_command, GetDlgItem(handle(), kPathBox));
}

LoginFormat RightsWindow::SelectedFormat() const {
  for (const FormatOption& option : kFormats) {
    if (IsDlgButtonChecked(handle(), option.id) == BST_CHECKED) return option.format;
  }
  return LoginFormat::kFirstnameDotSurname;
}

LRESULT RightsWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    if (LOWORD(wparam) == kQuit) {
      Close();
      return 0;
    }
    if (LOWORD(wparam) == kTodaysTools) {
      const BOOL icacls = IsDlgButtonChecked(handle(), kTodaysTools) == BST_CHECKED;
      EnableWindow(GetDlgItem(handle(), kDomainLabel), icacls);
      EnableWindow(GetDlgItem(handle(), kDomainBox), icacls);
      return 0;
    }
    if (LOWORD(wparam) == kSetRights) {
      RightsBatch choice;
      if (IsDlgButtonChecked(handle(), kTodaysTools) == BST_CHECKED) {
        choice.Tool = RightsTool::kIcacls;
        choice.Domain = rt::win32::GetText(GetDlgItem(handle(), kDomainBox));
      }
      on_set_rights_(rt::win32::GetText(GetDlgItem(handle(), kPathBox)), SelectedFormat(), choice);
      return 0;
    }
  }
  return Window::Handle(message, wparam, lparam);
}

}  // namespace grantor
