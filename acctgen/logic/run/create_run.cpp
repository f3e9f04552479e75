#include "acctgen/logic/run/create_run.h"

#include "acctgen/logic/account_files/ds_root.h"
#include "acctgen/logic/account_files/handout_sheet.h"
#include "acctgen/logic/account_files/ldif_file.h"
#include "acctgen/logic/account_files/ou_script.h"
#include "acctgen/logic/batch_files/archive_name.h"
#include "acctgen/logic/batch_files/batch_heads.h"
#include "acctgen/logic/batch_files/toolset.h"
#include "acctgen/logic/form/form_checks.h"
#include "acctgen/logic/form/settings_file.h"
#include "acctgen/logic/run/completion.h"
#include "acctgen/logic/run/leavers.h"
#include "acctgen/logic/run/obsolete_accounts.h"
#include "acctgen/logic/students/leaving_years.h"
#include "acctgen/logic/students/student_pass.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

namespace {

// Opens the files that stay open through the student pass, with their heads.
OutputFiles OpenHeadedOutputFiles(rt::Files& files, const Options& options, const Toolset& tools,
                                  std::string_view ds_root, std::string_view ldap_binding) {
  const OutputFiles out =
      OpenOutputFiles(files, Step5HeadLines(options, tools), tools.WritesOuScript());
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

CreateEnd WriteEverything(const Options& options, const Toolset& tools, const StartupState& startup,
                          const Services& services) {
  rt::Files& files = services.files;
  const auto components = DomainComponents(options.domain_dns_name);
  const std::string ds_root = DsRoot(components);
  const std::string ldap_binding = LdapBindingText(components);

  services.progress.Show();
  tools.WriteOrRemoveScripts(files, options);
  // The workbook of the previous run would be archived again by step 4, and holds passwords.
  files.DeleteIfPresent(school::kWorkbookPath);
  WriteStep4(files, tools.Step4Lines(ArchiveName(services.clock.Now()), startup.ExistingCount));

  const OutputFiles out = OpenHeadedOutputFiles(files, options, tools, ds_root, ldap_binding);
  RunState run;
  run.Ldif = LdifFile(LdifTextsOf(options, ds_root));
  // With the Students unit the current year always has its unit and its year folder, even when
  // nobody leaves this year.
  if (options.students_ou) AddLeavingYear(options, tools, startup.CurrentYear, files, out, run);

  ProcessStudents(options, tools, startup, files, out, run, services.random, services.progress);

  PrintLines(files, out.Step6, Step6CleanUpLines());
  if (options.leaving_year_ous && out.OuVbs != 0)
    PrintLines(files, out.OuVbs, CalendarYearLines(options, run.LeavingYearList));
  const LeaverChanges changes =
      tools.ImportsLeavers()
          ? FindLeaverChanges(options, startup, run, run.Ldif.run(), services.progress)
          : LeaverChanges{};
  const rt::FileNumber ldif = files.OpenOutput(kLdifPath);
  run.Ldif.WriteInto(files, ldif, run.LeavingYearList);
  WriteLeaverEntries(files, ldif, changes);
  files.Close(ldif);
  tools.WriteUndoFile(files, run.Ldif, changes);
  if (options.delete_leavers) {
    if (tools.ImportsLeavers()) {
      WriteLeaversReport(files, options, changes, services.shell);
    } else {
      WriteObsoleteAccountsReport(files, out.Step5, startup.ExistingAccounts, run.Logins, run.Stems,
                                  services.progress, services.shell);
    }
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
  const std::unique_ptr<const Toolset> tools = ChooseToolset(options);
  auto failure = CheckForm(options);
  if (!failure) failure = tools->CheckOptions(options);
  if (failure) {
    services.dialogs.ShowMessage(failure->text, failure->title, failure->icon);
    return {CreateEnd::kRefused, failure->field, 0, {}};
  }

  try {
    return {WriteEverything(options, *tools, startup, services), Field::kNone, 0, {}};
  } catch (const rt::RuntimeError& error) {
    services.progress.Hide();
    CloseAfterFailure(services.files);
    return {CreateEnd::kFailed, Field::kNone, error.number(), error.description()};
  }
}

}  // namespace acctgen
