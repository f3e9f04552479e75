// Stands in for xcacls or icacls in the end-to-end tests: appends its arguments, one call a line,
// to a log named after itself (xcacls.log, icacls.log) beside itself, and changes no permission.
// An argument holding a blank or one of ( ) & ^ is logged in double quotes, as a batch line
// must quote it, so the log shows whether the command interpreter kept it whole. It ends with
// the code in the environment variable named after it (SUBST_EXIT for subst.exe), else 0.

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  char program[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string log_path(program, length);
  const std::size_t dot = log_path.find_last_of('.');
  log_path = log_path.substr(0, dot) + ".log";
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    const std::string argument = argv[i];
    const bool quoted = argument.find_first_of(" ()&^") != std::string::npos;
    if (quoted) line += '"';
    line += argument;
    if (quoted) line += '"';
  }
  std::FILE* log = std::fopen(log_path.c_str(), "ab");
  if (log == nullptr) return 1;
  std::fprintf(log, "%s\r\n", line.c_str());
  std::fclose(log);
  std::string exit_variable = log_path.substr(log_path.find_last_of("\\/") + 1);
  exit_variable.resize(exit_variable.size() - 4);  // ".log"
  for (char& c : exit_variable) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const char* code = std::getenv((exit_variable + "_EXIT").c_str());
  return code != nullptr ? std::atoi(code) : 0;
}
