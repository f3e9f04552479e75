// One Create run of the real acctgen.exe for the directory tests, which run on the host: puts the
// given school.txt, settings and directory export (or none, "-") in place, presses "&Create!",
// answers what follows, and copies what the run wrote into a host folder. Each further argument
// "+Caption" ticks, "-Caption" unticks a check box or option of the form first, in that order.
// ACCTGEN_EXE (a host path) runs another acctgen.exe, such as an earlier build, instead.
//   school_year_run SCHOOL_TXT TRELLIS_INI EXPORTAD_CSV|- OUT_FOLDER [+|-CAPTION...]
// Exits 0 when acctgen.exe ended normally.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "acctgen/ui/product.h"
#include "runtime/testing/test_drives.h"
#include "tests/acctgen_e2e/e2e_support.h"
#include "tools/robot/robot.h"

using namespace acctgen_e2e;

namespace {

// The state of the check box or option captioned caption; nothing when the form has none.
std::optional<bool> ButtonChecked(HWND form, std::string_view caption) {
  for (const robot::Control& control : robot::ListControls(form)) {
    if ((control.kind == "check" || control.kind == "option") && control.caption == caption) {
      return control.checked;
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(
        stderr,
        "usage: school_year_run SCHOOL_TXT TRELLIS_INI EXPORTAD_CSV|- OUT [+|-CAPTION...]\n");
    return 2;
  }
  rt::testing::TestDrives drives;  // the floppy disk in its drive, empty
  const char* const kCFiles[] = {"C:\\exportad.csv", "C:\\exportad.srt", "C:\\exprtad2.csv",
                                 "C:\\addusers.csv", "C:\\addusers.xls", "C:\\addusers.ldf",
                                 "C:\\undo.ldf"};
  for (const char* path : kCFiles) RemoveFile(path);
  WriteWholeFile("A:\\school.txt", ReadWholeFile(WineView(argv[1])));
  WriteWholeFile("C:\\trellis.ini", ReadWholeFile(WineView(argv[2])));
  if (std::string(argv[3]) != "-") {
    WriteWholeFile("C:\\exportad.csv", ReadWholeFile(WineView(argv[3])));
  }

  const char* other_exe = std::getenv("ACCTGEN_EXE");
  const std::string exe = other_exe != nullptr ? WineView(other_exe) : AcctgenExe();
  robot::Process program = robot::Process::Start("\"" + exe + "\"", "C:\\");
  HWND form = robot::WaitForWindow(std::string(acctgen::ui::kMainFormTitle), 30000, program.id());
  for (int i = 5; form != nullptr && i < argc; ++i) {
    const bool tick = argv[i][0] == '+';
    const std::string_view caption = argv[i] + 1;
    if (ButtonChecked(form, caption) != tick) robot::Click(form, caption);
    if (ButtonChecked(form, caption) != tick) {
      std::fprintf(stderr, "school_year_run: could not %s %s\n", tick ? "tick" : "untick",
                   argv[i] + 1);
      program.Kill();
      return 1;
    }
  }
  if (form == nullptr || !robot::Click(form, "Create!")) {
    std::fprintf(stderr, "school_year_run: no main form to press Create! on (%s, process %lu)\n",
                 AcctgenExe().c_str(), static_cast<unsigned long>(program.id()));
    for (const std::string& title : robot::TopLevelTitles(0)) {
      std::fprintf(stderr, "school_year_run: a window: %s\n", title.c_str());
    }
    if (const auto box = robot::WaitForMessageBox(1000, program.id())) {
      std::fprintf(stderr, "school_year_run: %s: %s\n", box->title.c_str(), box->text.c_str());
    }
    program.Kill();
    return 1;
  }
  const auto ending = robot::WaitForMessageBox(60000, program.id());
  if (!ending) {
    std::fprintf(stderr, "school_year_run: the run showed no ending message\n");
    program.Kill();
    return 1;
  }
  std::fprintf(stderr, "school_year_run: %s\n", ending->title.c_str());
  // The report of leavers opens before the ending's message, the error log after it.
  TakeNotepad("deleted.txt", 3000);
  robot::AnswerMessageBox(5000, program.id());
  TakeNotepad("errorlog.txt", 3000);
  const auto exit_code = program.WaitForExit(20000);
  if (!exit_code) program.Kill();
  CloseEveryNotepad();

  const std::string out = WineView(argv[4]);
  const char* const kWritten[] = {"A:\\addusers.vbs", "A:\\step5.bat",    "A:\\step6.bat",
                                  "A:\\deleted.txt",  "A:\\errorlog.txt", "C:\\addusers.csv",
                                  "C:\\addusers.ldf", "C:\\undo.ldf"};
  for (const std::string path : kWritten) {
    if (FileExists(path)) WriteWholeFile(out + "\\" + path.substr(3), ReadWholeFile(path));
  }
  return exit_code == std::optional<DWORD>(0) ? 0 : 1;
}
