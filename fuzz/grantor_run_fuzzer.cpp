// Feeds arbitrary bytes to the shortcut-file reader and to the whole rights run. The input is
// cut at its first two zero bytes into the student export, the package settings and the
// shortcut file. Whatever happens, the shortcut file must either be replaced with its old
// content kept as the backup, or stay exactly as it was.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "grantor/logic/login_maker.h"
#include "grantor/logic/rights_run.h"
#include "grantor/logic/shortcut_file.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/memory_file_system.h"
#include "runtime/text.h"

namespace {

using rt::testing::MemoryFileSystem;

// The rights tool sees only the floppy disk and the package's folder.
MemoryFileSystem PackageDrives() { return MemoryFileSystem({"a:", "c:\\pkg"}); }

std::string_view NextPart(std::string_view& rest) {
  const std::size_t zero = rest.find('\0');
  const std::string_view part = rest.substr(0, zero);
  rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
  return part;
}

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

// Every record of the file; false when its values run out inside a record.
bool ReadEveryRecord(std::string_view bytes, std::size_t* count = nullptr) {
  MemoryFileSystem memory = PackageDrives();
  memory.files["c:\\pkg\\odshrtct.dat"] = std::string(bytes);
  rt::Files files(memory);
  const rt::FileNumber file = files.OpenInput("C:\\PKG\\odshrtct.dat");
  std::size_t records = 0;
  try {
    while (!files.AtEnd(file)) {
      const grantor::ShortcutRecord record = grantor::ReadShortcutRecord(files, file);
      Check(record.Name == rt::Trim(record.Name) &&
            record.YearFolder == rt::Trim(record.YearFolder));
      ++records;
    }
  } catch (const rt::RuntimeError& error) {
    Check(error.number() == rt::kInputPastEndOfFile);
    return false;
  }
  if (count != nullptr) *count = records;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view students = NextPart(rest);
  const std::string_view settings = NextPart(rest);
  const std::string_view shortcuts = rest;
  std::size_t records_before = 0;
  ReadEveryRecord(shortcuts, &records_before);

  MemoryFileSystem memory = PackageDrives();
  memory.files["a:\\school.txt"] = std::string(students);
  memory.files["c:\\pkg\\odshrtct.ini"] = std::string(settings);
  memory.files["c:\\pkg\\odshrtct.dat"] = std::string(shortcuts);
  rt::testing::RecordingDialogs dialogs;
  rt::testing::RecordingShell shell;
  bool finished = false;
  {
    rt::Files files(memory);
    try {
      const rt::FileNumber student_export = files.OpenInput("A:\\school.txt");
      // The format comes from the input's length, so every format meets every input shape.
      const auto format = static_cast<school::LoginFormat>(size % 5);
      finished =
          grantor::RunSetRights(files, dialogs, shell, "C:\\PKG", student_export,
                                grantor::MakeLoginMaker(format)) == grantor::RunOutcome::kFinished;
    } catch (const rt::RuntimeError&) {
    }
  }
  const auto& now = memory.files;
  if (finished) {
    Check(now.at("c:\\pkg\\odshrtct.org") == shortcuts);
    Check(now.count("c:\\pkg\\odshrtct.new") == 0);
    Check(now.at("c:\\pkg\\odrights.bat").rfind(grantor::ResetRightsLine("C:\\PKG") + "\r\n", 0) ==
          0);
    Check(shell.started.size() == 1);
    // The package must be able to read its rewritten file: every record, each at least once.
    std::size_t records_after = 0;
    Check(ReadEveryRecord(now.at("c:\\pkg\\odshrtct.dat"), &records_after));
    Check(records_after >= records_before);
    // Every line of the batch is one xcacls command and nothing else.
    std::string_view batch = now.at("c:\\pkg\\odrights.bat");
    while (!batch.empty()) {
      const std::size_t end = batch.find("\r\n");
      Check(end != std::string_view::npos);
      const std::string_view line = batch.substr(0, end);
      Check(line.rfind("a:\\xcacls C:\\PKG", 0) == 0);
      Check(line.find_first_of("\r\n&|<>^%\"") == std::string_view::npos);
      batch.remove_prefix(end + 2);
    }
  } else {
    Check(now.at("c:\\pkg\\odshrtct.dat") == shortcuts);
    Check(now.count("c:\\pkg\\odshrtct.org") == 0);
    Check(shell.started.empty());
  }
  return 0;
}
