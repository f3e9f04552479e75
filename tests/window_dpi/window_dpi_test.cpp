// Each program's window at 144 DPI, as the robot sees it, against the same window at 96 DPI:
// every control one and a half times as large in the same place, and no caption cut off.

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
