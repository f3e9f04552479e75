#include "acctgen/logic/create_run.h"

#include "acctgen/logic/addusers_script.h"
#include "acctgen/logic/archive_name.h"
#include "acctgen/logic/batch_heads.h"
#include "acctgen/logic/completion.h"
#include "acctgen/logic/ds_root.h"
#include "acctgen/logic/form_checks.h"
#include "acctgen/logic/handout_sheet.h"
#include "acctgen/logic/leaving_years.h"
#include "acctgen/logic/obsolete_accounts.h"
#include "acctgen/logic/ou_script.h"
#include "acctgen/logic/settings_file.h"
#include "acctgen/logic/student_pass.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

namespace {

struct Services {
  rt::Files& files;
  rt::Dialogs& dialogs;
  rt::Shell& shell;
  rt::Clock& clock;
  rt::RandomSource& random;
  ProgressSink& progress;
};

// The workbook of the previous run would be archived again by step 4; a missing one is fine.
void DeleteStaleWorkbook(rt::Files& files) {
  try {
    files.Delete(school::kWorkbookPath);
  } catch (const rt::RuntimeError& error) {
    if (error.number() != rt::kFileNotFound) throw;
  }
}

// Creates the files that stay open through the student pass, in their order, with their heads.
OutputFiles OpenOutputFiles(rt::Files& files, const Options& options, std::string_view ds_root,
                            std::string_view ldap_binding) {
  OutputFiles out;
  out.ErrorLog = files.OpenOutput(kErrorLogPath);
  out.AddUsersCsv = files.OpenOutput(school::kAccountRowsPath);
  out.Step5 = files.OpenOutput(kStep5Path);
  PrintLines(files, out.Step5, Step5HeadLines(options));
  out.Step6 = files.OpenOutput(kStep6Path);
  out.OuVbs = files.OpenOutput(kOuScriptPath);
  PrintLines(files, out.AddUsersCsv, AccountRowsHeadLines(options, ds_root));
  PrintLines(files, out.OuVbs, OuScriptHeadLines(options, ldap_binding));
  return out;
}

CreateEnd WriteEverything(const Options& options, const StartupState& startup,
                          const Services& services) {
  rt::Files& files = services.files;
  const auto components = DomainComponents(options.domain_dns_name);
  const std::string ds_root = DsRoot(components);
  const std::string ldap_binding = LdapBindingText(components);

  services.progress.Show();
  WriteAddUsersScript(files, options);
  DeleteStaleWorkbook(files);
  WriteStep4(files, ArchiveName(services.clock.Now()), startup.ExistingCount);

  const OutputFiles out = OpenOutputFiles(files, options, ds_root, ldap_binding);
  RunState run;
  // With the Students unit the current year always has its unit and its year folder, even when
  // nobody leaves this year.
  if (options.students_ou) AddLeavingYear(options, startup.CurrentYear, files, out, run);

  ProcessStudents(options, startup, files, out, run, services.random, services.progress);

  PrintLines(files, out.Step6, Step6CleanUpLines());
  if (options.leaving_year_ous)
    PrintLines(files, out.OuVbs, CalendarYearLines(options, run.LeavingYearList));
  if (options.delete_leavers) {
    WriteObsoleteAccountsReport(files, out.Step5, startup.ExistingAccounts, run.Logins,
                                services.progress, services.shell);
  }
  // The sheet of new passwords comes once every row is written, before the run ends.
  WriteHandoutSheet(files, options.domain_dns_name, services.clock.Now(), run.NewAccounts);
  SaveSettings(files, options);
  const RunEnding ending =
      CompleteRun(files, out, services.dialogs, services.shell, services.progress);
  return ending == RunEnding::kSuccess ? CreateEnd::kSuccess : CreateEnd::kDataErrors;
}

}  // namespace

CreateOutcome RunCreate(const Options& options, const StartupState& startup, rt::Files& files,
                        rt::Dialogs& dialogs, rt::Shell& shell, rt::Clock& clock,
                        rt::RandomSource& random, ProgressSink& progress) {
  if (const auto failure = CheckForm(options)) {
    dialogs.ShowMessage(failure->text, failure->title, failure->icon);
    return {CreateEnd::kRefused, failure->field, 0, {}};
  }

  const Services services{files, dialogs, shell, clock, random, progress};
  try {
    return {WriteEverything(options, startup, services), {}, 0, {}};
  } catch (const rt::RuntimeError& error) {
    progress.Hide();
    CloseAfterFailure(files);
    return {CreateEnd::kFailed, Field::kNone, error.number(), error.description()};
  }
}

}  // namespace acctgen
