// A whole Create run in process with today's tools: checks, every output file, the student pass,
// the leavers' changes in the LDIF file, the undo file, the leavers' report and the settings, on
// real files in a temporary folder. Half of the existing accounts belong to students of the
// export, the other half to leavers: three in four of these are disabled and moved, the fourth
// stand in an earlier year's Leavers unit and are deleted. Beside it, the reference: cat copying
// the same bytes from one file to another.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "acctgen/logic/run/create_run.h"
#include "acctgen/testing/files_line_sorter.h"
#include "acctgen/testing/sample_forms.h"
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
  std::vector<acctgen::ExistingAccount> existing;  // as start-up reads them from the export
};

constexpr const char* kUnits = ",OU=Students,OU=School,DC=lakeside,DC=school,DC=nz";

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
      const std::string unit = std::to_string(2026 + 12 - year);
      school.existing.push_back(
          {login, unit, "," + given + " " + surname + ",OU=" + unit + kUnits, "66048", ""});
    }
  }
  for (std::size_t i = school.existing.size(); i < existing; ++i) {
    const std::string name = Name(i, 'L');
    const bool old = i % 4 == 0;
    school.existing.push_back(
        {"leaver." + Name(i, 'l'), old ? "2025" : "2027",
         ",Leaver " + name + (old ? ",OU=2025,OU=Leavers" : ",OU=2027") + kUnits, "66048", ""});
  }
  return school;
}

acctgen::Options SampleForm() {
  acctgen::Options form = acctgen::testing::FileServerForm();
  form.todays_tools = true;
  form.delete_leavers = true;
  return form;
}

bool CreateRun(const School& school, rt::testing::TestDrives& drives) {
  rt::Files files(drives.file_system());
  acctgen::StartupState startup;
  startup.CurrentYear = "2026";
  startup.ExistingAccounts = school.existing;
  startup.ExistingCount = static_cast<std::int64_t>(school.existing.size());
  startup.StudentExport = files.OpenInput("A:\\school.txt");
  acctgen::Options form = SampleForm();
  rt::testing::RecordingDialogs dialogs;
  rt::testing::RecordingShell shell;
  rt::testing::FixedClock clock({2026, 12, 8, 10, 15, 42});
  rt::SystemRandomSource random;
  acctgen::SilentProgress progress;
  acctgen::testing::FilesLineSorter sorter(files);
  return acctgen::RunCreate(form, startup, {files, dialogs, shell, clock, random, progress, sorter})
             .end == acctgen::CreateEnd::kSuccess;
}

// Every byte a Create run wrote, in one string: every file on both drives but the student
// export it read.
std::string WrittenBytes(const rt::testing::TestDrives& drives) {
  std::string bytes;
  for (const char* drive : {"A:\\", "C:\\"}) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(drives.HostPath(drive))) {
      if (entry.is_regular_file() && entry.path().filename() != "school.txt") {
        files.push_back(entry.path());
      }
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      std::ifstream in(file, std::ios::binary);
      bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  return bytes;
}

// Everything the run wrote goes, so that the next run and the reference start from the export.
void RemoveWrittenFiles(const rt::testing::TestDrives& drives) {
  for (const char* drive : {"A:\\", "C:\\"}) {
    for (const auto& entry : std::filesystem::directory_iterator(drives.HostPath(drive))) {
      if (entry.is_regular_file() && entry.path().filename() != "school.txt") {
        std::filesystem::remove(entry.path());
      }
    }
  }
}

void BM_CreateRun(benchmark::State& state) {
  const auto students = static_cast<std::size_t>(state.range(0));
  const School school = MakeSchool(students, static_cast<std::size_t>(state.range(1)));
  rt::testing::TestDrives drives;
  drives.WriteHostFile("A:\\school.txt", school.export_text);
  for (auto _ : state) {
    if (!CreateRun(school, drives)) state.SkipWithError("the run did not succeed");
  }
  const std::size_t bytes_written = WrittenBytes(drives).size();
  state.counters["bytes_written"] = static_cast<double>(bytes_written);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes_written));
  RemoveWrittenFiles(drives);
}
BENCHMARK(BM_CreateRun)->Args({2000, 2000})->Args({100000, 100000})->Unit(benchmark::kMillisecond);

// The reference: the cat program, started afresh each time, copying the bytes of the same run.
void BM_CatOfTheRunsBytes(benchmark::State& state) {
  const School school = MakeSchool(static_cast<std::size_t>(state.range(0)),
                                   static_cast<std::size_t>(state.range(1)));
  rt::testing::TestDrives drives;
  drives.WriteHostFile("A:\\school.txt", school.export_text);
  if (!CreateRun(school, drives)) state.SkipWithError("the run did not succeed");
  const std::string bytes = WrittenBytes(drives);
  RemoveWrittenFiles(drives);
  drives.WriteHostFile("A:\\written.all", bytes);
  const std::string source = drives.HostPath("A:\\written.all");
  const std::string copy = drives.HostPath("A:\\copy.all");

  double cat_cpu_seconds = 0;
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char cat[] = "cat";
    std::string source_argument = source;
    char* argv[] = {cat, source_argument.data(), nullptr};
    pid_t pid = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawnp(&pid, "cat", &actions, nullptr, argv, environ) != 0 ||
        wait4(pid, &status, 0, &usage) != pid || status != 0) {
      state.SkipWithError("cat failed");
    }
    posix_spawn_file_actions_destroy(&actions);
    cat_cpu_seconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  // The child's processor time, which the CPU column (this process's own) leaves out.
  state.counters["cat_cpu_ms"] =
      benchmark::Counter(cat_cpu_seconds * 1000, benchmark::Counter::kAvgIterations);
  state.counters["bytes_written"] = static_cast<double>(bytes.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CatOfTheRunsBytes)
    ->Args({2000, 2000})
    ->Args({100000, 100000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
