#include "acctgen/logic/startup/throttled_progress.h"

#include <gtest/gtest.h>

#include "acctgen/testing/recording_progress.h"

namespace acctgen {
namespace {

using std::chrono::milliseconds;

TEST(ThrottledProgressTest, PaintsPhasesAndTheEdgesOfEachPhaseAndAtMostOneItemPer20Ms) {
  testing::RecordingProgress form;
  milliseconds now{1000};
  ThrottledProgress progress(form, [&] { return now; });

  progress.Show();
  progress.ShowPhase("Defining New User Account for:");
  progress.ShowItem("first");                            // the first of a phase, at once
  progress.ShowPhase("Defining New User Account for:");  // unchanged: nothing to repaint
  for (int i = 0; i < 30; ++i) {
    now += milliseconds(1);
    progress.ShowItem("student " + std::to_string(i));
  }
  // The leavers' phase shows the last student before it, then its own first item.
  progress.ShowPhase("Checking for Obsolete Accounts");
  progress.ShowItem("leaver a");
  progress.ShowItem("leaver b");
  progress.Hide();

  EXPECT_EQ(form.phases, (std::vector<std::string>{"Defining New User Account for:",
                                                   "Checking for Obsolete Accounts"}));
  EXPECT_EQ(form.items, (std::vector<std::string>{"first", "student 19", "student 29", "leaver a",
                                                  "leaver b"}));
  EXPECT_EQ(form.shown, 1);
  EXPECT_FALSE(form.visible);
}

TEST(ThrottledProgressTest, WithoutAClockTheSteadyClockStillLetsTheEdgesThrough) {
  testing::RecordingProgress form;
  ThrottledProgress progress(form);
  progress.ShowPhase("Checking for Obsolete Accounts");
  progress.ShowItem("one");
  progress.ShowItem("two");
  progress.Hide();
  ASSERT_EQ(form.items.size(), 2u);
  EXPECT_EQ(form.items.back(), "two");
}

}  // namespace
}  // namespace acctgen
