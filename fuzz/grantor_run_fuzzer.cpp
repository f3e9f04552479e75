// Feeds arbitrary bytes to the shortcut-file reader and to the whole rights run, with either
// tool. The input is cut at its first two zero bytes into the student export, the package
// settings and the shortcut file. Whatever happens, the shortcut file must either be replaced
// with its old content kept as the backup, or stay exactly as it was; a finished run starts its
// batch, and Notepad on its report exactly when it left records by hand; every batch line is one
// command of the chosen tool, granting no account by its bare name.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "grantor/logic/icacls_lines.h"
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

// One command and nothing else: no line end or expansion anywhere, and outside the quoted
// arguments nothing the command interpreter would act on.
void CheckOneCommand(std::string_view line) {
  bool quoted = false;
  for (char c : line) {
    Check(static_cast<unsigned char>(c) >= 32 && c != 127 && c != '%');
    if (c == '"') quoted = !quoted;
    if (!quoted) Check(std::string_view("&|<>^").find(c) == std::string_view::npos);
  }
  Check(!quoted);
}

// Every account an icacls grant names is a well-known identifier or a student of the domain.
void CheckIcaclsGrants(std::string_view line) {
  const std::size_t grants = line.find(" /grant:r ");
  if (grants == std::string_view::npos) return;
  for (std::string_view id :
       {"\"*S-1-5-32-544:(OI)(CI)F\"", "\"*S-1-5-18:(OI)(CI)F\"", "\"*S-1-1-0:(OI)(CI)R\""}) {
    Check(line.find(id) != std::string_view::npos);
  }
  for (std::size_t at = line.find(" \"", grants); at != std::string_view::npos;
       at = line.find(" \"", line.find('"', at + 2) + 1)) {
    Check(line.substr(at + 2, 3) == "*S-" || line.substr(at + 2, 10) == "HILLCREST\\");
  }
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
  const bool icacls = size / 5 % 2 == 1;
  bool finished = false;
  {
    rt::Files files(memory);
    try {
      const rt::FileNumber student_export = files.OpenInput("A:\\school.txt");
      // The format and the tool come from the input's length, so each meets every input shape.
      const auto format = static_cast<school::LoginFormat>(size % 5);
      finished =
          grantor::RunSetRights(
              files, dialogs, shell, "C:\\PKG", student_export, grantor::MakeLoginMaker(format),
              {icacls ? grantor::RightsTool::kIcacls : grantor::RightsTool::kXcacls,
               "HILLCREST"}) == grantor::RunOutcome::kFinished;
    } catch (const rt::RuntimeError&) {
    }
  }
  const auto& now = memory.files;
  if (finished) {
    Check(now.at("c:\\pkg\\odshrtct.org") == shortcuts);
    Check(now.count("c:\\pkg\\odshrtct.new") == 0);
    const std::string reset =
        icacls ? grantor::IcaclsResetLines("C:\\PKG")[0] : grantor::ResetRightsLine("C:\\PKG");
    Check(now.at("c:\\pkg\\odrights.bat").rfind(reset + "\r\n", 0) == 0);
    // The batch, then the report of the records left by hand when there is one.
    const bool reported = now.count("c:\\pkg\\odrights.txt") == 1;
    Check(shell.started.size() == (reported ? 2u : 1u));
    Check(shell.started[0].command_line == "C:\\PKG\\odrights.bat");
    if (reported) Check(shell.started[1].command_line == "Notepad \"C:\\PKG\\odrights.txt\"");
    // The package must be able to read its rewritten file: every record, each at least once.
    std::size_t records_after = 0;
    Check(ReadEveryRecord(now.at("c:\\pkg\\odshrtct.dat"), &records_after));
    Check(records_after >= records_before);
    // Every line of the batch is one command of the chosen tool on the package's tree.
    std::string_view batch = now.at("c:\\pkg\\odrights.bat");
    while (!batch.empty()) {
      const std::size_t end = batch.find("\r\n");
      Check(end != std::string_view::npos);
      const std::string_view line = batch.substr(0, end);
      if (icacls) {
        Check(line.rfind("icacls \"C:\\PKG", 0) == 0);
        CheckIcaclsGrants(line);
      } else {
        Check(line.rfind("a:\\xcacls C:\\PKG", 0) == 0 ||
              line.rfind("a:\\xcacls \"C:\\PKG", 0) == 0);
      }
      CheckOneCommand(line);
      batch.remove_prefix(end + 2);
    }
  } else {
    Check(now.at("c:\\pkg\\odshrtct.dat") == shortcuts);
    Check(now.count("c:\\pkg\\odshrtct.org") == 0);
    Check(shell.started.empty());
  }
  return 0;
}
