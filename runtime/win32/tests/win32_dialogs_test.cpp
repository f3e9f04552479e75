// The message box and the input box as the user meets them, answered by the robot from a
// second thread while the dialog waits in this one.

#include "runtime/win32/win32_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "runtime/win32/controls.h"
#include "tools/robot/robot.h"

namespace rt {
namespace {

constexpr DWORD kWait = 10000;

// Runs answer on a second thread while the dialog runs here, and waits for it.
template <typename Answer>
class Answering {
 public:
  explicit Answering(Answer answer) : thread_(std::move(answer)) {}
  ~Answering() { thread_.join(); }

 private:
  std::thread thread_;
};

TEST(Win32DialogsTest, MessageBoxesShowTitleIconAndTextWithOneOkButton) {
  Win32Dialogs dialogs;
  struct Case {
    MessageIcon icon;
    const char* name;
  };
  for (const Case& c :
       {Case{MessageIcon::kCritical, "critical"}, Case{MessageIcon::kWarning, "warning"},
        Case{MessageIcon::kInformation, "information"}, Case{MessageIcon::kNone, "none"}}) {
    std::optional<robot::MessageBoxSeen> seen;
    int buttons = 0;
    {
      Answering answering([&] {
        HWND box = nullptr;
        // Counted once the box shows, with its buttons laid out.
        for (int i = 0; i < 500 && !IsWindowVisible(box); ++i, Sleep(10)) {
          box = FindWindowA("#32770", "Where's the Floppy?");
        }
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          char name[32] = {};
          GetClassNameA(child, name, sizeof name);
          if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child)) ++buttons;
        }
        seen = robot::AnswerMessageBox(kWait, GetCurrentProcessId());
      });
      dialogs.ShowMessage("Please insert the disk\r\nin drive A:", "Where's the Floppy?", c.icon);
    }
    ASSERT_TRUE(seen.has_value()) << c.name;
    EXPECT_EQ(seen->title, "Where's the Floppy?");
    EXPECT_EQ(seen->icon, c.name);
    EXPECT_EQ(seen->text, "Please insert the disk\r\nin drive A:");
    EXPECT_EQ(buttons, 1) << c.name;
  }
}

TEST(Win32DialogsTest, YesNoBoxDefaultsToNoAndTellsWhichWasPressed) {
  Win32Dialogs dialogs;
  for (const char* pressed : {"No", "Yes"}) {
    std::optional<robot::MessageBoxSeen> seen;
    bool yes = false;
    {
      Answering answering(
          [&] { seen = robot::AnswerMessageBox(kWait, GetCurrentProcessId(), pressed); });
      yes = dialogs.AskYesNo("Delete 3 accounts?\r\n\r\nRun it now?", "Please Note",
                             MessageIcon::kWarning);
    }
    ASSERT_TRUE(seen.has_value()) << pressed;
    EXPECT_EQ(seen->title, "Please Note");
    EXPECT_EQ(seen->icon, "warning");
    EXPECT_EQ(seen->text, "Delete 3 accounts?\r\n\r\nRun it now?");
    EXPECT_EQ(seen->buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(seen->default_button, "No");
    EXPECT_EQ(yes, std::string(pressed) == "Yes");
  }
}

TEST(Win32DialogsTest, MessageBoxBelongsToTheOwnerWindow) {
  HWND owner = CreateWindowExA(0, "Static", "Owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  Win32Dialogs dialogs;
  dialogs.set_owner(owner);
  HWND box_owner = nullptr;
  bool owner_enabled_meanwhile = true;
  {
    Answering answering([&] {
      HWND box = nullptr;
      for (int i = 0; i < 500 && box == nullptr; ++i, Sleep(10))
        box = FindWindowA("#32770", "Owned");
      box_owner = GetWindow(box, GW_OWNER);
      owner_enabled_meanwhile = IsWindowEnabled(owner) != FALSE;
      robot::AnswerMessageBox(kWait, GetCurrentProcessId());
    });
    dialogs.ShowMessage("text", "Owned", MessageIcon::kNone);
  }
  EXPECT_EQ(box_owner, owner);
  EXPECT_FALSE(owner_enabled_meanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST(Win32DialogsTest, InputBoxGivesTheTypedTextOnOkAndNothingOnCancelOrClose) {
  Win32Dialogs dialogs;
  std::optional<robot::InputBoxSeen> seen;
  DWORD selection = 0;
  std::string answer;
  {
    Answering answering([&] {
      HWND box = nullptr;
      for (int i = 0; i < 500 && box == nullptr; ++i, Sleep(10)) {
        box = FindWindowA("#32770", "Server Name?");
      }
      selection = static_cast<DWORD>(SendDlgItemMessageA(box, kInputBoxAnswerId, EM_GETSEL, 0, 0));
      seen = robot::AnswerInputBox("Server Name?", "HCSERVER1", kWait, GetCurrentProcessId());
    });
    answer = dialogs.AskText("Please enter the name of your Server - eg. HC1", "Server Name?",
                             "HC1", TwipsPoint{6000, 1500});
  }
  EXPECT_EQ(answer, "HCSERVER1");
  ASSERT_TRUE(seen.has_value());
  EXPECT_EQ(seen->prompt, "Please enter the name of your Server - eg. HC1");
  EXPECT_EQ(seen->default_answer, "HC1");
  // The default answer stands selected, so typing replaces it.
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 3);
  EXPECT_EQ(seen->rect.left, win32::TwipsToPixelsX(6000));
  EXPECT_EQ(seen->rect.top, win32::TwipsToPixelsY(1500));

  {
    Answering answering(
        [&] { robot::AnswerInputBox("Server Name?", std::nullopt, kWait, GetCurrentProcessId()); });
    answer = dialogs.AskText("prompt", "Server Name?", "HC1");
  }
  EXPECT_EQ(answer, "");

  RECT centred{};
  {
    Answering answering([&] {
      HWND box = nullptr;
      for (int i = 0; i < 500 && box == nullptr; ++i, Sleep(10))
        box = FindWindowA("#32770", "Closed");
      GetWindowRect(box, &centred);
      PostMessageA(box, WM_CLOSE, 0, 0);
    });
    answer = dialogs.AskText("prompt", "Closed", "typed but closed");
  }
  EXPECT_EQ(answer, "");
  // Without a position the box stands in the middle of the screen.
  const int middle_x = (centred.left + centred.right) / 2;
  const int middle_y = (centred.top + centred.bottom) / 2;
  EXPECT_NEAR(middle_x, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
  EXPECT_NEAR(middle_y, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
}

TEST(ControlsTest, TwipsArePixelsAtTheScreenResolution) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(win32::TwipsToPixelsX(1440), dpi);
}

}  // namespace
}  // namespace rt
