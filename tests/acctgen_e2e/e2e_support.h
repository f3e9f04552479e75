#pragma once
// What the account generator's end-to-end tests share: the real acctgen.exe started on the test
// floppy, the Notepad windows it opens, and golden files compared byte for byte, with the parts
// that differ from run to run (random passwords, the archive name's date) matched by pattern.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace acctgen_e2e {

// A host path as Wine shows it: "/work/x" is "Z:\work\x".
std::string WineView(std::string_view host_path);

std::string ReadWholeFile(const std::string& path);  // empty when missing
void WriteWholeFile(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);

// The bundled sample school: "floppy\school.txt", "c\exportad.csv", "c\trellis.ini".
std::string ExampleFile(std::string_view relative);
std::string AcctgenExe();
// Copies the kit's files onto drive A: when the test runs what ships (KIT_FILES).
void PutKitOnFloppy();

// The sample's settings with some of its 45 fields (counted from 1) replaced.
std::string SampleSettingsWith(const std::vector<std::pair<int, std::string>>& fields);

// A Notepad window that a run opened: its title and the text it shows.
struct NotepadSeen {
  std::string title;
  std::string text;
};
// Waits for a Notepad window whose title names file_name, reads it and closes it.
std::optional<NotepadSeen> TakeNotepad(std::string_view file_name, DWORD timeout_ms);
// Titles of every Notepad window open now.
std::vector<std::string> NotepadTitles();
// Closes every Notepad window (left over by a failed test).
void CloseEveryNotepad();

// Golden files: the text with its variable parts replaced by markers.
std::string Normalized(std::string_view file_name, std::string_view text);
// "<source>\tests\acctgen_e2e\golden\<case>\<file_name>", as Wine shows it.
std::string GoldenPath(std::string_view case_name, std::string_view file_name);
// Set UPDATE_GOLDEN=1 to write what the run wrote as the new golden files (review them!).
bool UpdatingGoldenFiles();

}  // namespace acctgen_e2e
