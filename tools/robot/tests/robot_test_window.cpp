// A small window of the robot's own tests: a few buttons, an option group in a frame, a check
// box, edit boxes after labels, a grey hint, a tool tip, and buttons that open message boxes
// (OK, or Yes and No) and an input box. Every reaction writes what it saw into the status
// label, so a test can read it back.

#include <windows.h>

#include <string>

#include "runtime/win32/control_builder.h"
#include "runtime/win32/controls.h"
#include "runtime/win32/program_shell.h"
#include "runtime/win32/win32_dialogs.h"

namespace {

using rt::ControlKind;
using rt::win32::ControlRow;

constexpr char kTitle[] = "Robot Test Window";

enum ControlId {
  kGreet = 100,
  kFrame,
  kSmall,
  kLarge,
  kVerbose,
  kNameLabel,
  kName,
  kCodeLabel,
  kCode,
  kHint,
  kWarn,
  kBoxes,
  kAsk,
  kConfirm,
  kDisabled,
  kExit,
  kStatus,
  kEcho,
};

HWND g_form = nullptr;

void SetStatus(const std::string& text) { rt::win32::SetText(GetDlgItem(g_form, kStatus), text); }

void OnCommand(int id, int code) {
  rt::Win32Dialogs dialogs;
  switch (id) {
    case kGreet:
      SetStatus("Hello");
      break;
    case kName:
      if (code == EN_CHANGE) {
        rt::win32::SetText(GetDlgItem(g_form, kEcho),
                           "echo:" + rt::win32::GetText(GetDlgItem(g_form, kName)));
      }
      break;
    case kWarn:
      dialogs.ShowMessage("The disk is nearly full.", "Please Note", rt::MessageIcon::kWarning);
      SetStatus("warned");
      break;
    case kBoxes:
      dialogs.ShowMessage("First", "Severe Problem", rt::MessageIcon::kCritical);
      dialogs.ShowMessage("Second", "Success!", rt::MessageIcon::kInformation);
      dialogs.ShowMessage("Third", "Check Data", rt::MessageIcon::kNone);
      SetStatus("three boxes");
      break;
    case kAsk:
      SetStatus("answer:" + dialogs.AskText("Please enter the name of your Server - eg. HC1",
                                            "Server Name?", "HC1", rt::TwipsPoint{1500, 3000}));
      break;
    case kConfirm:
      SetStatus(dialogs.AskYesNo("Delete 3 accounts?", "Please Note", rt::MessageIcon::kWarning)
                    ? "confirmed:yes"
                    : "confirmed:no");
      break;
    case kExit:
      DestroyWindow(g_form);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = rt::win32::HandleHintColour(wparam, lparam)) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_NEXTDLGCTL:
      rt::win32::HandleNextControl(window, wparam, lparam);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// In tab order. Every control but the second option starts a group of its own.
const ControlRow kRows[] = {
    {ControlKind::kButton, kGreet, "&Greet", {120, 120, 1200, 375}, WS_GROUP | BS_DEFPUSHBUTTON},
    {ControlKind::kFrame, kFrame, "Size", {120, 600, 2400, 1000}, WS_GROUP},
    {ControlKind::kOption, kSmall, "&Small", {240, 840, 2000, 300}, WS_GROUP},
    {ControlKind::kOption, kLarge, "&Large", {240, 1200, 2000, 300}},
    {ControlKind::kCheck,
     kVerbose,
     "&Verbose",
     {120, 1700, 2000, 300},
     WS_GROUP,
     "Tell more while working: every step, every file written and every account made, with the "
     "time it took"},
    {ControlKind::kLabel, kNameLabel, "&Name:", {120, 2100, 1000, 300}, WS_GROUP},
    {ControlKind::kText, kName, "", {1200, 2100, 2000, 300}, WS_GROUP},
    {ControlKind::kLabel, kCodeLabel, "Code:", {120, 2500, 1000, 300}, WS_GROUP},
    {.kind = ControlKind::kText,
     .id = kCode,
     .place = {1200, 2500, 2000, 300},
     .style = WS_GROUP | ES_UPPERCASE,
     .max_length = 5},
    {.kind = ControlKind::kLabel,
     .id = kHint,
     .caption = "five letters at most",
     .place = {3300, 2500, 2000, 300},
     .style = WS_GROUP,
     .hint = true},
    {ControlKind::kButton, kWarn, "&Warn", {120, 2900, 1200, 375}, WS_GROUP},
    {ControlKind::kButton, kBoxes, "&Boxes", {1400, 2900, 1200, 375}, WS_GROUP},
    {ControlKind::kButton, kAsk, "&Ask", {2680, 2900, 1200, 375}, WS_GROUP},
    {ControlKind::kButton, kConfirm, "&Confirm", {3400, 2050, 1200, 375}, WS_GROUP},
    {ControlKind::kButton, kDisabled, "Disabled", {3960, 2900, 1200, 375}, WS_GROUP | WS_DISABLED},
    {ControlKind::kButton, kExit, "E&xit", {5240, 2900, 1200, 375}, WS_GROUP},
    {ControlKind::kLabel, kStatus, "", {120, 3400, 4000, 300}, WS_GROUP},
    {ControlKind::kLabel, kEcho, "", {120, 3800, 4000, 300}, WS_GROUP},
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA form_class{};
  form_class.lpfnWndProc = FormProc;
  form_class.hInstance = instance;
  form_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  form_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  form_class.lpszClassName = "RobotTestWindow";
  RegisterClassA(&form_class);
  g_form = CreateWindowExA(WS_EX_CONTROLPARENT, form_class.lpszClassName, kTitle,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                           rt::win32::TwipsToPixelsX(6800), rt::win32::TwipsToPixelsY(4800),
                           nullptr, nullptr, instance, nullptr);
  if (g_form == nullptr) return 1;
  rt::win32::ControlBuilder(g_form).AddAll(kRows);
  CheckDlgButton(g_form, kSmall, BST_CHECKED);
  ShowWindow(g_form, show);
  SetFocus(GetDlgItem(g_form, kGreet));
  return rt::win32::RunMessageLoop();
}
