#include "acctgen/logic/create_run.h"

#include "acctgen/logic/addusers_script.h"
#include "acctgen/logic/archive_name.h"
#include "acctgen/logic/batch_heads.h"
#include "acctgen/logic/completion.h"
#include "acctgen/logic/ds_root.h"
#include "acctgen/logic/form_checks.h"
#include "acctgen/logic/handout_sheet.h"
#include "acctgen/logic/ldif_file.h"
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

// A missing file is fine.
void DeleteIfThere(rt::Files& files, std::string_view path) {
  try {
    files.Delete(path);
  } catch (const rt::RuntimeError& error) {
    if (error.number() != rt::kFileNotFound) throw;
  }
}

// Opens the files that stay open through the student pass, with their heads.
OutputFiles OpenHeadedOutputFiles(rt::Files& files, const Options& options,
                                  std::string_view ds_root, std::string_view ldap_binding) {
  const OutputFiles out = OpenOutputFiles(files, Step5HeadLines(options), !options.todays_tools);
  PrintLines(files, out.AddUsersCsv, AccountRowsHeadLines(options, ds_root));
  if (out.OuVbs != 0) PrintLines(files, out.OuVbs, OuScriptHeadLines(options, ldap_binding));
  return out;
}

LdifRunTexts LdifTextsOf(const Options& options, std::string ds_root) {
  LdifRunTexts texts;
  texts.ds_root = std::move(ds_root);
  texts.dns_name = rt::Trim(options.domain_dns_name);
  texts.home_drive = options.home_drive_letter + ":";
  texts.logon_script = rt::Trim(options.logon_script);
  if (options.sets_profile_path) texts.profile_path = rt::Trim(options.profile_path);
  texts.password_never_expires = options.password_never_expires;
  texts.must_change_password = options.must_change_password;
  texts.school_ou = options.school_ou;
  texts.students_ou = options.students_ou;
  texts.leaving_year_ous = options.leaving_year_ous;
  return texts;
}

CreateEnd WriteEverything(const Options& options, const StartupState& startup,
                          const Services& services) {
  rt::Files& files = services.files;
  const auto components = DomainComponents(options.domain_dns_name);
  const std::string ds_root = DsRoot(components);
  const std::string ldap_binding = LdapBindingText(components);

  services.progress.Show();
  if (options.todays_tools) {
    // The Excel scripts of an earlier classic run would only mislead: nothing calls them now.
    DeleteIfThere(files, kAddUsersScriptPath);
    DeleteIfThere(files, kOuScriptPath);
  } else {
    WriteAddUsersScript(files, options);
  }
  // The workbook of the previous run would be archived again by step 4, and holds passwords.
  DeleteIfThere(files, school::kWorkbookPath);
  WriteStep4(files, Step4Lines(options, ArchiveName(services.clock.Now()), startup.ExistingCount));

  const OutputFiles out = OpenHeadedOutputFiles(files, options, ds_root, ldap_binding);
  RunState run;
  // With the Students unit the current year always has its unit and its year folder, even when
  // nobody leaves this year.
  if (options.students_ou) AddLeavingYear(options, startup.CurrentYear, files, out, run);

  ProcessStudents(options, startup, files, out, run, services.random, services.progress);

  PrintLines(files, out.Step6, Step6CleanUpLines());
  if (options.leaving_year_ous && out.OuVbs != 0)
    PrintLines(files, out.OuVbs, CalendarYearLines(options, run.LeavingYearList));
  WriteLdifFile(files, LdifTextsOf(options, ds_root), run.LeavingYearList, run.AccountRows);
  if (options.delete_leavers) {
    WriteObsoleteAccountsReport(files, out.Step5, startup.ExistingAccounts, run.Logins, run.Stems,
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

CreateOutcome RunCreate(const Options& options, const StartupState& startup,
                        const Services& services) {
  if (const auto failure = CheckForm(options)) {
    services.dialogs.ShowMessage(failure->text, failure->title, failure->icon);
    return {CreateEnd::kRefused, failure->field, 0, {}};
  }

  try {
    return {WriteEverything(options, startup, services), Field::kNone, 0, {}};
  } catch (const rt::RuntimeError& error) {
    services.progress.Hide();
    CloseAfterFailure(services.files);
    return {CreateEnd::kFailed, Field::kNone, error.number(), error.description()};
  }
}

}  // namespace acctgen
