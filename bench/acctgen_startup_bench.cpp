// Start-up over a directory export of 100,000 students' accounts and 5,000 others: read the export,
// write the intermediate file, sort it, load the names; and the sort alone, to show its share.

#include <benchmark/benchmark.h>

#include <string>

#include "acctgen/logic/startup/existing_accounts.h"
#include "acctgen/logic/startup/startup.h"
#include "acctgen/testing/files_line_sorter.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace {

constexpr int kAccounts = 100000;

// Every user account with its description, as step 1 exports them: the students and a staff
// of one in twenty.
std::string LargeExport() {
  std::string text = "DN,sn,givenName,sAMAccountName,description\r\n";
  // Scrambled so the sort has real work to do.
  for (int i = 0; i < kAccounts + kAccounts / 20; ++i) {
    const int n = (i * 7919) % (kAccounts + kAccounts / 20);
    const std::string given = "Given" + std::to_string(n % 977);
    const std::string surname = "Surname" + std::to_string(n);
    const bool staff = n >= kAccounts;
    const std::string unit = staff ? "Staff" : std::to_string(2026 + n % 6);
    text += "\"," + given + " " + surname + ",OU=" + unit +
            ",OU=Students,OU=School,DC=hillcrest,DC=school,DC=example\"," + surname + "," + given +
            "," + given + "." + surname + (staff ? ",Teacher\r\n" : ",Student\r\n");
  }
  return text;
}

class NullSettings : public acctgen::SettingsTarget {
 public:
  void SetText(acctgen::Field, std::string_view) override {}
  void SetFlag(acctgen::Field, bool) override {}
};

struct Bench {
  rt::testing::TestDrives drives;
  rt::Files files{drives.file_system()};
  acctgen::testing::FilesLineSorter sorter{files};
  rt::testing::RecordingDialogs dialogs;
  rt::testing::FixedClock clock{{2026, 12, 8, 8, 0, 0}};
  NullSettings form;
  rt::testing::RecordingShell shell;
  rt::testing::SequenceRandom random{{0.5}};
  acctgen::SilentProgress progress;
  const acctgen::Services services{files, dialogs, shell, clock, random, progress, sorter};

  Bench() {
    drives.WriteHostFile("C:\\exportad.csv", LargeExport());
    drives.WriteHostFile("A:\\school.txt", std::string(200, 'x'));
  }
};

void BM_Startup100k(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) {
    acctgen::StartupState startup;
    const acctgen::StartupOutcome outcome =
        acctgen::RunStartup(bench.services, bench.form, startup);
    if (outcome.end != acctgen::StartupEnd::kShowForm ||
        startup.ExistingAccounts.size() != kAccounts) {
      state.SkipWithError("start-up did not load every account");
      break;
    }
    bench.files.CloseAll();
  }
  state.SetItemsProcessed(state.iterations() * kAccounts);
}
BENCHMARK(BM_Startup100k)->Unit(benchmark::kMillisecond);

void BM_Sort100k(benchmark::State& state) {
  Bench bench;
  {  // one start-up leaves the intermediate file in place
    acctgen::StartupState startup;
    acctgen::RunStartup(bench.services, bench.form, startup);
    bench.files.CloseAll();
  }
  for (auto _ : state) bench.sorter.SortFile(acctgen::kSortArguments);
  state.SetItemsProcessed(state.iterations() * kAccounts);
}
BENCHMARK(BM_Sort100k)->Unit(benchmark::kMillisecond);

}  // namespace
