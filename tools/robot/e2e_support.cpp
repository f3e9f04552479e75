#include "tools/robot/e2e_support.h"

#include <cstdlib>

namespace robot {

std::string WineView(std::string_view host_path) {
  std::string path = "Z:";
  for (char c : host_path) path.push_back(c == '/' ? '\\' : c);
  return path;
}

std::string TreeFile(std::string_view relative) {
  const char* tree = std::getenv("TEST_TREE");
  std::string path = tree != nullptr ? tree : "";
  if (!path.empty() && path.back() != '/') path.push_back('/');
  path.append(relative);
  return WineView(path);
}

std::string FloppyFolder() {
  const char* floppy = std::getenv("FLOPPY_HOST");
  return floppy != nullptr && *floppy != 0 ? WineView(floppy) : std::string();
}

}  // namespace robot
