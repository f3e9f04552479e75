// Stands in for an outside tool (xcacls, subinacl) in the batch-file tests: appends its own name
// and its arguments, as the command interpreter passed them, to C:\tools.log.

#include <windows.h>

#include <cstring>
#include <string>

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
  const std::string entry = std::string(name) + " " + line + "\r\n";
  // Appends go to the end whoever else holds the log; a moment's lock by the previous call is
  // waited out rather than losing the line.
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE log = CreateFileA("C:\\tools.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      const BOOL ok =
          WriteFile(log, entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
      CloseHandle(log);
      return ok && written == entry.size() ? 0 : 1;
    }
    Sleep(50);
  }
  return 1;
}
