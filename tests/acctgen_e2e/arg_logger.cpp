// Stands in for an outside tool (xcacls, subinacl) in the batch-file tests: appends its own name
// and its arguments, as the command interpreter passed them, to C:\tools.log.

#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const char* name = std::strrchr(path, '\\');
  name = name != nullptr ? name + 1 : path;
  // The arguments: the command line after the program's own name.
  const char* line = GetCommandLineA();
  if (*line == '"') {
    line = std::strchr(line + 1, '"');
    line = line != nullptr ? line + 1 : "";
  } else {
    while (*line != '\0' && *line != ' ') ++line;
  }
  while (*line == ' ') ++line;
  FILE* log = std::fopen("C:\\tools.log", "ab");
  if (log == nullptr) return 1;
  std::fprintf(log, "%s %s\r\n", name, line);
  std::fclose(log);
  return 0;
}
