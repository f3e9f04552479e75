// The student pass over a school of 2,000 students with 2,000 existing accounts, and over
// 100,000 with 100,000: on real files, unique passwords, every OU level and namesakes, half of
// the students already having their account in the unit of their leaving year.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "acctgen/logic/students/leaving_years.h"
#include "acctgen/logic/students/student_pass.h"
#include "acctgen/testing/student_accounts.h"
#include "runtime/concat.h"
#include "runtime/testing/test_drives.h"
#include "runtime/text.h"

namespace {

struct School {
  std::string text;
  std::vector<std::string> existing;
  std::vector<std::string> units;  // each existing account's leaving-year unit
};

School MakeSchool(int students) {
  School school;
  school.text = "KORU student export\r\n\r\n";
  static const char* kYears[] = {"7", "8", "9", "10", "11", "12"};
  for (int i = 0; i < students; ++i) {
    // Every fifth student is a namesake of the one before; the rest are distinct.
    const int n = i % 5 == 4 ? i - 1 : i;
    const std::string surname = rt::Concat({"Surname", std::to_string(n)});
    const std::string given = rt::Concat({"Given", std::to_string(n % 977)});
    const char* year = kYears[n % 6];
    school.text.append(rt::Concat({surname, "@", given, "#", year, "%", year, "B\r\n"}));
    // Existing accounts: the odd half of the school plus as many that have left.
    // Each in the unit of its leaving year, so that namesakes are matched by it.
    if (i % 2 == 1) school.existing.push_back(rt::ToLower1252(rt::Concat({given, ".", surname})));
    if (i % 2 == 0) school.existing.push_back(rt::Concat({"left", std::to_string(i)}));
    school.units.push_back(i % 2 == 1 ? std::to_string(2026 + 12 - std::stoi(year)) : "2025");
  }
  return school;
}

void BM_StudentPass(benchmark::State& state) {
  const int students = static_cast<int>(state.range(0));
  const School school = MakeSchool(students);
  rt::testing::TestDrives drives;
  drives.WriteHostFile("A:\\school.txt", school.text);
  rt::Files files(drives.file_system());
  acctgen::Options form;
  form.server_name = std::string("SERVER1");
  form.home_share = std::string("s_home");
  form.logon_script = std::string("Students.bat");
  form.home_drive_letter = std::string("H");
  form.server_drive_letter = std::string("D");
  form.profile_path = std::string("\\\\SERVER1\\profiles");
  form.netbios_domain = std::string("HILLCREST");
  form.student_owns_home_folder = true;
  rt::SystemRandomSource random;
  acctgen::SilentProgress progress;
  acctgen::StartupState startup;
  startup.CurrentYear = "2026";
  startup.ExistingAccounts = acctgen::testing::StudentAccounts(school.existing, school.units);
  std::size_t logins = 0;
  for (auto _ : state) {
    startup.StudentExport = files.OpenInput("A:\\school.txt");
    const auto tools = acctgen::ChooseToolset(form);
    const acctgen::OutputFiles out = acctgen::OpenOutputFiles(files);
    acctgen::RunState run;
    acctgen::AddLeavingYear(form, *tools, startup.CurrentYear, files, out, run);
    acctgen::ProcessStudents(form, *tools, startup, files, out, run, random, progress);
    files.CloseAll();
    logins = run.CurrentLogins.size();
  }
  if (logins != static_cast<std::size_t>(students)) state.SkipWithError("students were lost");
  state.SetItemsProcessed(state.iterations() * students);
}
BENCHMARK(BM_StudentPass)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
