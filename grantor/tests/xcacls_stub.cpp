// Stands in for xcacls in the end-to-end tests: appends its arguments, one call a line, to
// xcacls.log beside itself, and changes no permission.

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  std::string log_path = argv[0];
  const std::size_t slash = log_path.find_last_of("\\/");
  log_path =
      (slash == std::string::npos ? std::string() : log_path.substr(0, slash + 1)) + "xcacls.log";
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  std::FILE* log = std::fopen(log_path.c_str(), "ab");
  if (log == nullptr) return 1;
  std::fprintf(log, "%s\r\n", line.c_str());
  std::fclose(log);
  return 0;
}
