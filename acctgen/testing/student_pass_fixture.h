#pragma once
// A Create run's student pass on real files: school.txt on A:, the output files opened as the
// run opens them, and their contents read back after the pass.

#include <string>
#include <vector>

#include "acctgen/logic/students/leaving_years.h"
#include "acctgen/logic/students/student_pass.h"
#include "acctgen/testing/recording_progress.h"
#include "acctgen/testing/sample_forms.h"
#include "acctgen/testing/student_accounts.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace acctgen::testing {

struct PassOutput {
  std::string errors, rows, step5, step6;
  std::vector<std::string> logins;
  std::vector<std::string> years;
};

class StudentPassRun {
 public:
  StudentPassRun() : files_(drives_.file_system()) {}

  PassOutput Run(const Options& form, const std::string& school,
                 std::vector<std::string> existing = {}, std::string current_year = "2004") {
    drives_.WriteHostFile("A:\\school.txt", school);
    StartupState startup;
    startup.ExistingAccounts = StudentAccounts(existing, existing_ou_classes);
    startup.OtherAccounts = other_accounts;
    startup.CurrentYear = std::move(current_year);
    startup.StudentExport = files_.OpenInput("A:\\school.txt");
    const auto tools = ChooseToolset(form);
    const OutputFiles out = OpenOutputFiles(files_);
    RunState run;
    if (seed_current_year) AddLeavingYear(form, *tools, startup.CurrentYear, files_, out, run);
    ProcessStudents(form, *tools, startup, files_, out, run, random, progress);
    files_.CloseAll();
    PassOutput output;
    output.errors = drives_.ReadHostFile("A:\\errorlog.txt");
    output.rows = drives_.ReadHostFile("C:\\addusers.csv");
    output.step5 = drives_.ReadHostFile("A:\\step5.bat");
    output.step6 = drives_.ReadHostFile("A:\\step6.bat");
    output.logins = run.CurrentLogins;
    output.years = run.LeavingYearList;
    drives_.RemoveHostFile("C:\\addusers.csv");
    return output;
  }

  bool seed_current_year = false;
  std::vector<std::string> existing_ou_classes;  // beside the existing accounts
  std::vector<std::string> other_accounts;       // staff and the domain's own
  rt::testing::SequenceRandom random{{0.8, 0.35}};
  RecordingProgress progress;

 private:
  rt::testing::TestDrives drives_;
  rt::Files files_;
};

}  // namespace acctgen::testing
