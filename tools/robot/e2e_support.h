#pragma once
// Paths for the end-to-end tests, which run under Wine: Wine shows the host's / as drive Z:.

#include <string>
#include <string_view>

namespace robot {

// "Z:\path\to\file" for the host path "/path/to/file".
std::string WineView(std::string_view host_path);
// The Windows path of a file in the build tree the test belongs to ("acctgen.exe",
// "tools/robot/tests/robot_test_window.exe"); the tree comes from TEST_TREE, set by ctest.
std::string TreeFile(std::string_view relative);
// The folder that stands for drive A:, as seen from Windows (from FLOPPY_HOST); empty when the
// test was not started by the Wine helper.
std::string FloppyFolder();

}  // namespace robot
