// The robot against a window of the tests' own (robot_test_window.exe), as the end-to-end
// tests use it against the real programs: listing, clicking, typing, message boxes, the input
// box, tab order, access keys and tool tips.

#include "tools/robot/robot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/robot/e2e_support.h"

namespace robot {
namespace {

constexpr DWORD kWait = 20000;
constexpr char kTitle[] = "Robot Test Window";

class RobotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program = Process::Start(TreeFile("tools/robot/tests/robot_test_window.exe"));
    ASSERT_NE(program.id(), 0u) << TreeFile("tools/robot/tests/robot_test_window.exe");
    window = WaitForWindow(kTitle, kWait, program.id());
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (program.Running()) program.Kill();
  }

  Control ControlOf(std::string_view caption) {
    auto control = FindControl(window, caption);
    EXPECT_TRUE(control.has_value()) << caption;
    return control.value_or(Control{});
  }
  // The status label is the second last control; each reaction writes into it.
  std::string Status() { return ListControls(window).end()[-2].caption; }
  std::string Echo() { return ListControls(window).back().caption; }

  Process program;
  HWND window = nullptr;
};

TEST_F(RobotTest, ListsTheControlsInCreationOrderWithKindAndState) {
  std::vector<std::string> seen;
  for (const Control& c : ListControls(window)) {
    seen.push_back(c.class_name + "|" + c.kind + "|" + c.caption + "|" +
                   (c.enabled ? "on" : "off") + "|" + (c.checked ? "x" : "-"));
  }
  const std::vector<std::string> expected = {
      "Button|button|&Greet|on|-",
      "Button|frame|Size|on|-",
      "Button|option|&Small|on|x",
      "Button|option|&Large|on|-",
      "Button|check|&Verbose|on|-",
      "Static|label|&Name:|on|-",
      "Edit|edit||on|-",
      "Static|label|Code:|on|-",
      "Edit|edit||on|-",
      "Static|label|five letters at most|on|-",
      "Button|button|&Warn|on|-",
      "Button|button|&Boxes|on|-",
      "Button|button|&Ask|on|-",
      "Button|button|&Confirm|on|-",
      "Button|button|Disabled|off|-",
      "Button|button|E&xit|on|-",
      "Static|label||on|-",
      "Static|label||on|-",
  };
  EXPECT_EQ(seen, expected);
  // The frame holds the options: its rectangle contains theirs, in window coordinates.
  const RECT frame = ControlOf("Size").rect;
  const RECT small = ControlOf("Small").rect;
  EXPECT_TRUE(small.left > frame.left && small.top > frame.top && small.right <= frame.right);
  EXPECT_GT(frame.right - frame.left, 100);  // 2400 twips: 160 pixels at 96 DPI
  EXPECT_EQ(ControlOf("Greet").caption, "&Greet");
  EXPECT_EQ(ControlOf("E&xit").caption, "E&xit");
  EXPECT_FALSE(FindControl(window, "Nothing like this").has_value());
  // Longer than the 80 characters of the 8-bit tool tip text.
  EXPECT_EQ(ToolTipOf(window, ControlOf("Verbose").handle),
            "Tell more while working: every step, every file written and every account made, "
            "with the time it took");
  EXPECT_EQ(ToolTipOf(window, ControlOf("Greet").handle), "");
  EXPECT_EQ(TopLevelTitles(program.id()), std::vector<std::string>{kTitle});
  EXPECT_EQ(WaitForWindow("No Such Window", 200, program.id()), nullptr);
}

TEST_F(RobotTest, ClicksRunTheReactionsAndSetOptionsAndChecks) {
  EXPECT_TRUE(Click(window, "Greet"));
  EXPECT_EQ(Status(), "Hello");
  EXPECT_TRUE(Click(window, "&Large"));
  EXPECT_TRUE(ControlOf("Large").checked);
  EXPECT_FALSE(ControlOf("Small").checked);
  EXPECT_TRUE(Click(window, "Verbose"));
  EXPECT_TRUE(ControlOf("Verbose").checked);
  EXPECT_TRUE(Click(window, "Verbose"));
  EXPECT_FALSE(ControlOf("Verbose").checked);
  // Nothing happens for a disabled button, a frame, a label or a caption that is not there.
  EXPECT_FALSE(Click(window, "Disabled"));
  EXPECT_FALSE(Click(window, "Size"));
  EXPECT_FALSE(Click(window, "Code:"));
  EXPECT_FALSE(Click(window, "Nothing like this"));
}

TEST_F(RobotTest, TypingGoesThroughTheBoxRulesAndRunsTheChangeReaction) {
  EXPECT_TRUE(TypeIntoField(window, "Name:", "Tomas Varga"));
  EXPECT_EQ(ReadField(window, "&Name:"), "Tomas Varga");
  EXPECT_EQ(Echo(), "echo:Tomas Varga");
  // Typed over: the old text goes.
  EXPECT_TRUE(TypeIntoField(window, "Name:", "Ana"));
  EXPECT_EQ(ReadField(window, "Name:"), "Ana");
  EXPECT_TRUE(TypeIntoField(window, "Name:", ""));
  EXPECT_EQ(ReadField(window, "Name:"), "");
  EXPECT_EQ(Echo(), "echo:");
  // Upper case and the five-letter limit, as a keyboard meets them.
  EXPECT_TRUE(TypeIntoField(window, "Code:", "abc\xe9xyz"));
  EXPECT_EQ(ReadField(window, "Code:"), "ABC\xc9X");
  EXPECT_TRUE(TypeIntoEdit(window, 0, "by index"));
  EXPECT_EQ(ReadField(window, "Name:"), "by index");
  EXPECT_FALSE(TypeIntoField(window, "No such label:", "x"));
  EXPECT_FALSE(TypeIntoEdit(window, 2, "x"));
  EXPECT_EQ(ReadField(window, "No such label:"), "");
}

TEST_F(RobotTest, ReadsMessageBoxesAndPressesOk) {
  // The click returns although its reaction waits in the box.
  EXPECT_TRUE(Click(window, "Warn"));
  const auto note = AnswerMessageBox(kWait, program.id());
  ASSERT_TRUE(note.has_value());
  EXPECT_EQ(note->title, "Please Note");
  EXPECT_EQ(note->icon, "warning");
  EXPECT_EQ(note->text, "The disk is nearly full.");
  EXPECT_EQ(note->buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(note->default_button, "OK");
  // After OK the reaction goes on.
  for (int i = 0; i < 100 && Status() != "warned"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "warned");

  EXPECT_TRUE(Click(window, "Boxes"));
  std::vector<std::string> boxes;
  for (int i = 0; i < 3; ++i) {
    const auto box = AnswerMessageBox(kWait, program.id());
    ASSERT_TRUE(box.has_value()) << i;
    boxes.push_back(box->title + "|" + box->icon + "|" + box->text);
  }
  EXPECT_EQ(boxes,
            (std::vector<std::string>{"Severe Problem|critical|First",
                                      "Success!|information|Second", "Check Data|none|Third"}));
  for (int i = 0; i < 100 && Status() != "three boxes"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "three boxes");
  EXPECT_FALSE(WaitForMessageBox(300, program.id()).has_value());

  // A timed click leaves the box open for the caller, and finds only enabled buttons.
  const auto timed = TimeClickToMessageBox(window, "Warn", kWait);
  ASSERT_TRUE(timed.has_value());
  EXPECT_GT(timed->seconds, 0.0);
  EXPECT_EQ(timed->box.title, "Please Note");
  EXPECT_TRUE(AnswerMessageBox(kWait, program.id()).has_value());
  EXPECT_FALSE(TimeClickToMessageBox(window, "Disabled", 300).has_value());
}

TEST_F(RobotTest, ReadsAYesNoBoxAndPressesItsButtonsByCaption) {
  EXPECT_TRUE(Click(window, "Confirm"));
  const auto asked = AnswerMessageBox(kWait, program.id(), "No");
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->title, "Please Note");
  EXPECT_EQ(asked->icon, "warning");
  EXPECT_EQ(asked->text, "Delete 3 accounts?");
  EXPECT_EQ(asked->buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(asked->default_button, "No");
  for (int i = 0; i < 100 && Status() != "confirmed:no"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "confirmed:no");

  // A button the box lacks is not pressed, and the box stays for the next answer.
  EXPECT_TRUE(Click(window, "Confirm"));
  EXPECT_FALSE(AnswerMessageBox(kWait, program.id(), "OK").has_value());
  ASSERT_TRUE(AnswerMessageBox(kWait, program.id(), "&Yes").has_value());
  for (int i = 0; i < 100 && Status() != "confirmed:yes"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "confirmed:yes");
}

TEST_F(RobotTest, AnswersTheInputBoxOrCancelsIt) {
  EXPECT_TRUE(Click(window, "Ask"));
  // An input box is not a message box.
  EXPECT_FALSE(WaitForMessageBox(300, program.id()).has_value());
  const auto asked = AnswerInputBox("Server Name?", "HCSERVER1", kWait, program.id());
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->title, "Server Name?");
  EXPECT_EQ(asked->prompt, "Please enter the name of your Server - eg. HC1");
  EXPECT_EQ(asked->default_answer, "HC1");
  // 1500 and 3000 twips from the screen's top-left: 100 and 200 pixels at 96 DPI.
  HDC screen = GetDC(nullptr);
  const int dpi_x = GetDeviceCaps(screen, LOGPIXELSX), dpi_y = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(asked->rect.left, MulDiv(1500, dpi_x, 1440));
  EXPECT_EQ(asked->rect.top, MulDiv(3000, dpi_y, 1440));
  for (int i = 0; i < 100 && Status() != "answer:HCSERVER1"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "answer:HCSERVER1");

  EXPECT_TRUE(Click(window, "Ask"));
  ASSERT_TRUE(AnswerInputBox("Server Name?", std::nullopt, kWait, program.id()).has_value());
  for (int i = 0; i < 100 && Status() != "answer:"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "answer:");
  EXPECT_FALSE(AnswerInputBox("Server Name?", "x", 300, program.id()).has_value());
}

TEST_F(RobotTest, TabFollowsTheCreationOrderAndAccessKeysAct) {
  std::vector<int> order;
  for (int i = 0; i < 12; ++i) {
    order.push_back(GetDlgCtrlID(FocusedControl(window)));
    PressTab(window);
  }
  // Every control that takes the focus, as created: the disabled button is passed over, and
  // after Exit the focus comes round to Greet. (Each option button is a tab stop of its own.)
  EXPECT_EQ(order, (std::vector<int>{100, 102, 103, 104, 106, 108, 110, 111, 112, 113, 115, 100}));

  // Tab only moves the focus: passing over an option does not select it.
  EXPECT_FALSE(ControlOf("Large").checked);
  EXPECT_TRUE(ControlOf("Small").checked);

  PressAccessKey(window, 'n');  // the label's key gives the focus to its edit box
  EXPECT_EQ(FocusedControl(window), GetDlgItem(window, 106));
  PressAccessKey(window, 'g');
  for (int i = 0; i < 100 && Status() != "Hello"; ++i) Sleep(20);
  EXPECT_EQ(Status(), "Hello");
  PressAccessKey(window, 'l');  // the option's key selects it
  for (int i = 0; i < 100 && !ControlOf("Large").checked; ++i) Sleep(20);
  EXPECT_TRUE(ControlOf("Large").checked);
}

TEST_F(RobotTest, ExitEndsTheProgramAndTheClickReturns) {
  EXPECT_TRUE(Click(window, "Exit"));
  const auto code = program.WaitForExit(kWait);
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0u);
  EXPECT_FALSE(program.Running());
  EXPECT_FALSE(Click(window, "Exit"));
}

TEST(RobotProcessTest, AProgramThatIsNotThereDoesNotStart) {
  Process nothing = Process::Start("Z:\\no\\such\\program.exe");
  EXPECT_EQ(nothing.id(), 0u);
  EXPECT_FALSE(nothing.Running());
  EXPECT_FALSE(nothing.WaitForExit(10).has_value());
}

TEST(E2eSupportTest, HostPathsAsWineShowsThem) {
  EXPECT_EQ(WineView("/work/build/windows/acctgen.exe"), "Z:\\work\\build\\windows\\acctgen.exe");
  EXPECT_EQ(TreeFile("acctgen.exe").substr(0, 3), "Z:\\");
  EXPECT_EQ(TreeFile("a/b.exe").substr(TreeFile("a/b.exe").size() - 6), "\\b.exe");
}

}  // namespace
}  // namespace robot
