// Each program's window at 144 DPI, as the robot sees it, against the same window at 96 DPI:
// every control and its font one and a half times as large in the same place, and no caption
// cut off in the font the control draws with. The tests have a screen the largest window fits.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/testing/test_drives.h"
#include "tools/robot/e2e_support.h"
#include "tools/robot/layout_check.h"
#include "tools/robot/robot.h"

namespace {

constexpr DWORD kWait = 20000;

class WindowDpiTest : public ::testing::Test {
 protected:
  ~WindowDpiTest() override {
    if (program_.Running()) program_.Kill();
    robot::SetScreenDotsPerInch(96);
  }

  // The window's layout at each resolution: the program is started, looked at and closed.
  std::vector<robot::Layout> Layouts(const std::string& program, const std::string& title,
                                     const std::string& close_button) {
    std::vector<robot::Layout> layouts;
    for (int dots_per_inch : {96, 144}) {
      EXPECT_TRUE(robot::SetScreenDotsPerInch(dots_per_inch));
      program_ = robot::Process::Start(robot::TreeFile(program));
      HWND window = robot::WaitForWindow(title, kWait, program_.id());
      if (window == nullptr) {
        ADD_FAILURE() << "no window " << title << " at " << dots_per_inch << " DPI";
        return {};
      }
      layouts.push_back(robot::LayoutOf(window, dots_per_inch));
      EXPECT_TRUE(robot::Click(window, close_button));
      EXPECT_TRUE(program_.WaitForExit(kWait).has_value());
    }
    return layouts;
  }

  void ExpectScaled(const std::vector<robot::Layout>& layouts) {
    ASSERT_EQ(layouts.size(), 2u);
    ASSERT_FALSE(layouts[0].controls.empty());
    // At 96 DPI too every caption fits.
    EXPECT_EQ(robot::ScalingFaults(layouts[0], layouts[0]), std::vector<std::string>{});
    EXPECT_EQ(robot::ScalingFaults(layouts[0], layouts[1]), std::vector<std::string>{});
  }

  std::string SchoolText() const {
    std::string text = "HILLCREST COLLEGE - STUDENT LIST\r\n";
    while (text.size() < 200) text += "Varga@Tomas#9%9KW\r\n";
    return text;
  }

  rt::testing::TestDrives drives_;
  robot::Process program_;
};

// The check itself sees a fault in the last control, a font that keeps its size and a window
// that is not wholly on the screen.
TEST(ScalingFaultsTest, SeesTheLastControlAFixedFontAndAWindowOffTheScreen) {
  auto layout = [](int dots_per_inch) {
    auto at = [&](LONG pixels) { return static_cast<LONG>(pixels * dots_per_inch / 96); };
    robot::Layout made{
        dots_per_inch, {0, 0, at(200), at(100)}, {0, 0, at(210), at(130)}, {1600, 1200}, {}, {}};
    for (LONG left : {10, 100}) {
      robot::Control button{};
      button.caption = left == 10 ? "A" : "B";
      button.kind = "button";
      button.rect = {at(left), at(10), at(left + 60), at(35)};
      made.controls.push_back(button);
      LOGFONTA font{};
      font.lfHeight = -MulDiv(8, dots_per_inch, 72);
      lstrcpynA(font.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
      made.fonts.push_back(font);
    }
    return made;
  };
  const robot::Layout base = layout(96);
  EXPECT_EQ(robot::ScalingFaults(base, layout(144)), std::vector<std::string>{});
  robot::Layout moved = layout(144);
  moved.controls.back().rect.right += 3;
  robot::Layout fixed_font = layout(144);
  fixed_font.fonts.back().lfHeight = base.fonts.back().lfHeight;
  robot::Layout off_screen = layout(144);
  OffsetRect(&off_screen.outline, 1500, 0);
  for (const robot::Layout& faulty : {moved, fixed_font, off_screen}) {
    EXPECT_EQ(robot::ScalingFaults(base, faulty).size(), 1u);
  }
}

TEST_F(WindowDpiTest, TheGeneratorsFormScalesWithTheScreen) {
  drives_.WriteHostFile("A:\\school.txt", SchoolText());
  ExpectScaled(Layouts("acctgen.exe", "Trellis Student Account Generator 1.0.0", "Exit"));
}

TEST_F(WindowDpiTest, TheWizardScalesWithTheScreen) {
  ExpectScaled(Layouts("wizard.exe", "Trellis Student Accounts Setup Wizard", "Exit"));
}

TEST_F(WindowDpiTest, TheRightsToolScalesWithTheScreen) {
  drives_.WriteHostFile("A:\\school.txt", SchoolText());
  ExpectScaled(Layouts("grantor/grantor.exe", "Ondrel Intranet Rights", "Quit"));
}

}  // namespace
