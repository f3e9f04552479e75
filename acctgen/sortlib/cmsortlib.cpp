// CMSortLib.dll: SortFile sorts the lines of one text file into another, in ascending byte
// order of the whole line, one output line per input line, each ended by CR LF.
//
//   short SortFile(const char* arguments)   arguments: "/T=TMP <input> <output>"
//
// Returns 0 on success; otherwise an error number (53 the input cannot be read, 61 the output
// cannot be written, 5 the arguments lack a file), and no output file is left behind, so a
// caller never reads a stale or partial result.

#include <windows.h>

#include <algorithm>
#include <string>

#include "acctgen/sortlib/line_sort.h"

namespace {

constexpr short kSorted = 0;
constexpr short kBadArguments = 5;
constexpr short kInputUnreadable = 53;
constexpr short kOutputUnwritable = 61;

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = CloseHandle(file) && ok;
  return ok;
}

}  // namespace

extern "C" short SortFile(const char* arguments) {
  if (arguments == nullptr) return kBadArguments;
  const auto parsed = cmsort::ParseSortArguments(arguments);
  if (!parsed) return kBadArguments;
  std::string bytes;
  if (!ReadWholeFile(parsed->input, bytes)) {
    DeleteFileA(parsed->output.c_str());
    return kInputUnreadable;
  }
  if (!WriteWholeFile(parsed->output, cmsort::SortedText(bytes))) {
    DeleteFileA(parsed->output.c_str());
    return kOutputUnwritable;
  }
  return kSorted;
}
