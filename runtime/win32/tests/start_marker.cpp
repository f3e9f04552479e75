// A program for the shell tests: writes the file named by its argument, holding how it was
// asked to show its window ("show=1" normal, "show=3" maximised), then ends.

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
  FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr) return 1;
  std::fprintf(file, "show=%d", show);
  std::fclose(file);
  return 0;
}
