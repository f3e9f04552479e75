#include "tests/acctgen_e2e/e2e_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>

namespace acctgen_e2e {

std::string WineView(std::string_view host_path) {
  std::string path = "Z:";
  for (char c : host_path) path.push_back(c == '/' ? '\\' : c);
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::string bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
  }
  return bytes;
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

std::string ExampleFile(std::string_view relative) {
  return ReadWholeFile(WineView(EXAMPLES_HOST) + "\\" + std::string(relative));
}

// KIT_FILES names the folder of the files copied out of the kit's floppy image: the test then
// runs them from drive A:, as the administrator does.
std::string AcctgenExe() {
  return std::getenv("KIT_FILES") != nullptr ? "A:\\acctgen.exe" : WineView(ACCTGEN_EXE_HOST);
}

void PutKitOnFloppy() {
  const char* kit = std::getenv("KIT_FILES");
  if (kit == nullptr) return;
  for (const auto& file : std::filesystem::directory_iterator(WineView(kit))) {
    const std::string to = "A:\\" + file.path().filename().string();
    ASSERT_TRUE(CopyFileA(file.path().string().c_str(), to.c_str(), FALSE)) << to;
  }
}

std::string SampleSettingsWith(const std::vector<std::pair<int, std::string>>& fields) {
  // Fields end at commas, but field 43 (the NetBIOS name) ends the first line.
  const std::string text = ExampleFile("c\\trellis.ini");
  std::vector<std::string> values;
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',') {
      values.push_back(value);
      value.clear();
    } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      values.push_back(value);
      value.clear();
      ++i;
    } else {
      value.push_back(text[i]);
    }
  }
  for (const auto& [number, replacement] : fields) values.at(number - 1) = replacement;
  std::string result;
  for (std::size_t i = 0; i < values.size(); ++i) result += values[i] + (i == 42 ? "\r\n" : ",");
  return result;
}

namespace {

struct Found {
  HWND window;
  std::string title;
};

std::vector<Found> NotepadWindows() {
  std::vector<Found> found;
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        char title[512] = {};
        GetWindowTextA(window, title, sizeof title);
        if (IsWindowVisible(window) && std::strstr(title, "Notepad") != nullptr) {
          reinterpret_cast<std::vector<Found>*>(param)->push_back({window, title});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string EditText(HWND notepad) {
  HWND edit = FindWindowExA(notepad, nullptr, "Edit", nullptr);
  if (edit == nullptr) return {};
  const int length = static_cast<int>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

void Close(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process_id);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (process != nullptr) {
    if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    CloseHandle(process);
  }
}

}  // namespace

std::optional<NotepadSeen> TakeNotepad(std::string_view file_name, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  do {
    for (const Found& window : NotepadWindows()) {
      if (window.title.find(file_name) == std::string::npos) continue;
      // Notepad fills its edit box right after its window appears.
      Sleep(300);
      NotepadSeen seen{window.title, EditText(window.window)};
      Close(window.window);
      return seen;
    }
    Sleep(50);
  } while (GetTickCount() - start < timeout_ms);
  return std::nullopt;
}

std::vector<std::string> NotepadTitles() {
  std::vector<std::string> titles;
  for (const Found& window : NotepadWindows()) titles.push_back(window.title);
  return titles;
}

void CloseEveryNotepad() {
  for (const Found& window : NotepadWindows()) Close(window.window);
}

namespace {

// The fields of one account row; the first, the quoted OU path, holds commas of its own.
std::vector<std::string> RowFields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) {
      fields.push_back(field);
      field.clear();
    } else {
      field.push_back(c);
    }
  }
  fields.push_back(field);
  return fields;
}

std::string NormalizedRows(std::string_view text) {
  static const std::regex unique_password("[a-z]{3}[0-9]{3}");
  std::string result;
  std::size_t start = 0;
  int line_number = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    const bool ended = end != std::string_view::npos;
    if (!ended) end = text.size();
    std::string line(text.substr(start, end - start));
    if (++line_number >= 3) {
      std::vector<std::string> fields = RowFields(line);
      if (fields.size() >= 7 && std::regex_match(fields[6], unique_password)) {
        fields[6] = "<abc123>";
        line.clear();
        for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
      }
    }
    result += line;
    if (ended) result += "\r\n";
    start = end + 2;
  }
  return result;
}

std::string DecodedBase64(std::string_view text) {
  static const std::string digits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  unsigned bits = 0, count = 0;
  for (char c : text) {
    const std::size_t value = digits.find(c);
    if (value == std::string::npos) break;
    bits = (bits << 6) | static_cast<unsigned>(value);
    if ((count += 6) >= 8) bytes += static_cast<char>((bits >> (count -= 8)) & 0xFF);
  }
  return bytes;
}

// The unicodePwd lines of a unique password, as "unicodePwd:: <abc123>".
std::string NormalizedLdif(std::string_view text) {
  static const std::regex password_line("unicodePwd:: ([A-Za-z0-9+/=]+)\r\n");
  static const std::regex unique_password("\"[a-z]{3}[0-9]{3}\"");
  std::string result;
  std::string rest(text);
  std::smatch match;
  while (std::regex_search(rest, match, password_line)) {
    result += match.prefix();
    const std::string utf16 = DecodedBase64(match[1].str());
    std::string narrow;  // the low bytes of UTF-16LE
    for (std::size_t i = 0; i < utf16.size(); i += 2) narrow += utf16[i];
    const bool unique = std::regex_match(narrow, unique_password);
    result += unique ? std::string("unicodePwd:: <abc123>\r\n") : match[0].str();
    rest = match.suffix();
  }
  return result + rest;
}

}  // namespace

std::string Normalized(std::string_view file_name, std::string_view text) {
  if (file_name == "addusers.csv") return NormalizedRows(text);
  if (file_name == "addusers.ldf") return NormalizedLdif(text);
  if (file_name == "step4.bat") {
    static const std::regex archive("accounts[0-9]{4}-[0-9]{2}-[0-9]{2}-[0-9]{2}\\.xls");
    return std::regex_replace(std::string(text), archive, "accounts<yyyy-mm-dd-ss>.xls");
  }
  return std::string(text);
}

std::string GoldenPath(std::string_view case_name, std::string_view file_name) {
  return WineView(GOLDEN_DIR_HOST) + "\\" + std::string(case_name) + "\\" + std::string(file_name);
}

bool UpdatingGoldenFiles() {
  const char* update = std::getenv("UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

}  // namespace acctgen_e2e
