// A whole Create run in process: checks, every output file, the student pass, the leavers'
// report and the settings, on real files in a temporary folder. Half of the existing accounts
// belong to students of the export, the other half to leavers, so the report deletes half.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "acctgen/logic/create_run.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace {

// A name of letters only, different for every index ("Baaab", "Baaac", ...).
std::string Name(std::size_t index, char first) {
  std::string name(1, first);
  for (int i = 0; i < 5; ++i) {
    name.push_back(static_cast<char>('a' + index % 26));
    index /= 26;
  }
  return name;
}

struct School {
  std::string export_text;
  std::vector<std::string> existing;
};

School MakeSchool(std::size_t students, std::size_t existing) {
  School school;
  school.export_text = "KORU export of the sample school\r\n";
  for (std::size_t i = 0; i < students; ++i) {
    const std::string surname = Name(i, 'S');
    const std::string given = Name(i * 7 + 3, 'G');
    const int year = 7 + static_cast<int>(i % 6);
    school.export_text +=
        surname + "@" + given + "#" + std::to_string(year) + "%" + std::to_string(year) + "A\r\n";
    if (i % 2 == 0 && school.existing.size() < existing / 2) {
      std::string login;
      for (char c : given + "." + surname) login.push_back(c >= 'A' && c <= 'Z' ? c + 32 : c);
      school.existing.push_back(login);
    }
  }
  for (std::size_t i = school.existing.size(); i < existing; ++i) {
    school.existing.push_back("leaver." + Name(i, 'l'));
  }
  return school;
}

acctgen::FormValues SampleForm() {
  acctgen::FormValues form;
  form.Text1 = "lakeside.school.nz";
  form.Text2 = "fileserver";
  form.Text3 = "s_home";
  form.Text4 = "Students.bat";
  form.Text5 = "H";
  form.Text7 = "D";
  form.Text8 = "\\\\fileserver\\profiles";
  form.Text9 = "LAKESIDE";
  form.Check18 = true;
  return form;
}

void BM_CreateRun(benchmark::State& state) {
  const auto students = static_cast<std::size_t>(state.range(0));
  const School school = MakeSchool(students, static_cast<std::size_t>(state.range(1)));
  rt::testing::TestDrives drives;
  drives.WriteHostFile("A:\\school.txt", school.export_text);

  std::uint64_t bytes_written = 0;
  for (auto _ : state) {
    rt::Files files(drives.file_system());
    acctgen::StartupState startup;
    startup.CurrentYear = "2026";
    startup.ExistingAccounts = school.existing;
    startup.ExistingCount = static_cast<std::int64_t>(school.existing.size());
    startup.StudentExport = files.OpenInput("A:\\school.txt");
    acctgen::FormValues form = SampleForm();
    rt::testing::RecordingDialogs dialogs;
    rt::testing::RecordingShell shell;
    rt::testing::FixedClock clock({2026, 12, 8, 10, 15, 42});
    rt::SystemRandomSource random;
    acctgen::SilentProgress progress;
    const acctgen::CreateOutcome outcome =
        acctgen::RunCreate(form, startup, files, dialogs, shell, clock, random, progress);
    if (outcome.end != acctgen::CreateEnd::kSuccess) state.SkipWithError("the run did not succeed");
    state.PauseTiming();
    bytes_written = 0;
    for (const char* path :
         {"A:\\addusers.vbs", "a:\\step4.bat", "a:\\errorlog.txt", "c:\\addusers.csv",
          "a:\\step5.bat", "a:\\step6.bat", "a:\\ou.vbs", "A:\\deleted.txt", "c:\\trellis.ini"}) {
      bytes_written += drives.ReadHostFile(path).size();
    }
    state.ResumeTiming();
  }
  state.counters["students"] = static_cast<double>(students);
  state.counters["bytes_written"] = static_cast<double>(bytes_written);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes_written));
  for (const char* path : {"C:\\addusers.csv", "C:\\trellis.ini"}) drives.RemoveHostFile(path);
}

BENCHMARK(BM_CreateRun)->Args({2000, 2000})->Args({100000, 100000})->Unit(benchmark::kMillisecond);

}  // namespace
