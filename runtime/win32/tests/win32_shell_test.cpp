// Starting programs without waiting, in the asked window state, and opening documents.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/error.h"
#include "runtime/win32/shell_starter.h"
#include "tools/robot/e2e_support.h"

namespace rt {
namespace {

std::string Marker() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "rt_shell_marker.txt";
}

// The marker's content once the started program wrote it; empty after timeout.
std::string WaitForMarker(DWORD timeout_ms) {
  for (DWORD waited = 0; waited < timeout_ms; waited += 20, Sleep(20)) {
    if (FILE* file = std::fopen(Marker().c_str(), "rb")) {
      char text[32] = {};
      const std::size_t got = std::fread(text, 1, sizeof text - 1, file);
      std::fclose(file);
      if (got > 0) return std::string(text, got);
    }
  }
  return {};
}

TEST(Win32ShellTest, StartsACommandLineInTheAskedWindowState) {
  const std::string program = robot::TreeFile("runtime/win32/tests/rt_start_marker.exe");
  ShellStarter shell;
  for (auto [style, expected] : {std::pair{WindowStyle::kNormalFocus, "show=1"},
                                 std::pair{WindowStyle::kMaximizedFocus, "show=3"}}) {
    DeleteFileA(Marker().c_str());
    shell.Start("\"" + program + "\" " + Marker(), style);
    EXPECT_EQ(WaitForMarker(10000), expected);
  }
  DeleteFileA(Marker().c_str());
}

TEST(Win32ShellTest, AProgramThatCannotStartIsFileNotFound) {
  ShellStarter shell;
  try {
    shell.Start("Z:\\no\\such\\folder\\program.exe", WindowStyle::kNormalFocus);
    FAIL() << "started";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), kFileNotFound);
  }
}

TEST(Win32ShellTest, OpeningAMissingDocumentIsAFailureCode) {
  ShellStarter shell;
  const long result = shell.OpenDocument("Z:\\no\\such\\folder\\koru.txt");
  EXPECT_LE(result, 32);
  EXPECT_GE(result, 0);
}

}  // namespace
}  // namespace rt
