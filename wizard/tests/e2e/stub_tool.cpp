// A stand-in for the outside tools the wizard and the generated batch files start (csvde,
// cscript, net, xcacls, subinacl, rundll32). It appends its command line to the log named by
// STUB_LOG. Run as csvde it also records what the -f file held when it started, then writes an
// export of a small fake directory to it, as csvde writes the user accounts.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void AppendToLog(const std::string& line) {
  const char* log = std::getenv("STUB_LOG");
  if (log == nullptr) return;
  if (FILE* file = std::fopen(log, "ab")) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fclose(file);
  }
}

std::string ReadWhole(const std::string& path) {
  std::string bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
  }
  return bytes;
}

// The file name after "-f " on the command line; empty when there is none.
std::string ExportFileOf(const std::string& line) {
  const std::size_t flag = line.find(" -f ");
  if (flag == std::string::npos) return {};
  const std::size_t start = flag + 4;
  const std::size_t end = line.find(' ', start);
  return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool RunsAsCsvde() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length);
  name = name.substr(name.find_last_of("\\/") + 1);
  for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return name == "csvde.exe";
}

// The user accounts as csvde writes them with "-c CN=  ,": the CN= of every distinguished name
// replaced by a comma, the description last.
constexpr char kFakeDirectory[] =
    "DN,givenName,sAMAccountName,sn,description\r\n"
    "\",Tomas Varga,OU=2029,OU=Students,OU=School,DC=hillcrest\",Tomas,tomas.varga,Varga,"
    "Student\r\n"
    "\",Mere Walker,OU=2027,OU=Students,OU=School,DC=hillcrest\",Mere,mere.walker,Walker,"
    "Student\r\n"
    "\",Old Leaver,OU=2025,OU=Students,OU=School,DC=hillcrest\",Old,old.leaver,Leaver,"
    "Student\r\n";

}  // namespace

int main() {
  const std::string line = GetCommandLineA();
  AppendToLog(line);
  if (!RunsAsCsvde()) return 0;
  const std::string target = ExportFileOf(line);
  if (target.empty()) return 1;
  AppendToLog("found: " + ReadWhole(target));
  if (FILE* file = std::fopen(target.c_str(), "wb")) {
    std::fwrite(kFakeDirectory, 1, sizeof kFakeDirectory - 1, file);
    std::fclose(file);
  }
  return 0;
}
