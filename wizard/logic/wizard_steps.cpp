#include "wizard/logic/wizard_steps.h"

#include <stdexcept>

#include "runtime/concat.h"
#include "runtime/text.h"
#include "school/saved_settings.h"

namespace wizard {

namespace {

constexpr std::string_view kServerPrompt = "Please enter the name of your Server - eg. ";
constexpr std::string_view kServerTitle = "Server Name?";
constexpr std::string_view kExportHead = "a:\\csvde -f c:\\exportad.csv -s ";
constexpr std::string_view kExportOptions =
    " -c CN=  , -r \"(&(objectCategory=person)(objectClass=user))\" -l "
    "sn,givenName,sAMAccountName,description,userAccountControl,homeDirectory";

constexpr std::string_view kAccountRowsRefusal =
    "There doesn't appear to be a valid ADDUSERS.CSV file on the diskette.  Did you run Step 2 "
    "successfully?";

constexpr BatchStep kClassicBatchSteps[] = {
    {school::kWorkbookPath,
     "A batch file is about to run which will create all the specified OUs and user accounts in "
     "the Active Directory.  When it is complete, continue to Step 5.",
     "A:\\STEP4.BAT",
     "There doesn't appear to be a valid ADDUSERS.XLS file on the diskette.  Did you run Step 3 "
     "successfully?"},
    {"A:\\step5.bat",
     "A batch file is about to run which will create all the specified user home folders on the "
     "server.  When it is complete, continue to Step 6.",
     "A:\\STEP5.BAT",
     "There doesn't appear to be a valid STEP5.BAT file on the diskette.  Did you run Step 2 "
     "successfully?"},
    {"A:\\step6.bat",
     "A batch file is about to run which will set all the specified permissions to each user's "
     "home folder on the server.  When it is complete, you should be done!",
     "A:\\STEP6.BAT",
     "There doesn't appear to be a valid STEP6.BAT file on the diskette.  Did you run Step 2 "
     "successfully?"},
};

constexpr BatchStep kTodaysBatchSteps[] = {
    {school::kLdifPath,
     "A batch file is about to run which will import c:\\addusers.ldf into the Active Directory "
     "with ldifde, creating all the specified OUs and user accounts.  When it is complete, "
     "continue to Step 5.",
     "A:\\STEP4.BAT",
     "There doesn't appear to be a valid ADDUSERS.LDF file on drive C:.  Did you run Step 2 "
     "successfully?"},
    {"A:\\step5.bat",
     "A batch file is about to run which will share the home-folder root with net share and "
     "create all the specified user home folders on the server with md.  When it is complete, "
     "continue to Step 6.",
     "A:\\STEP5.BAT", kClassicBatchSteps[1].refusal},
    {"A:\\step6.bat",
     "A batch file is about to run which will set all the specified permissions to each user's "
     "home folder on the server with icacls.  When it is complete, you should be done!",
     "A:\\STEP6.BAT", kClassicBatchSteps[2].refusal},
};

// Closes the box that asks before accounts are disabled or deleted.
std::string RemovalQuestion(std::int64_t deleted) {
  return rt::Concat(
      {deleted > 0 ? "A deleted account cannot be brought back with its rights.  " : "",
       "Read A:\\deleted.txt before you answer.\r\n\r\nRun the batch file now?"});
}

}  // namespace

BatchNote LdifImportNote(std::string_view note, const AccountChanges& changes) {
  const bool only_adds = changes == AccountChanges{.added = changes.added};
  std::string text = rt::Concat({note, "\r\n\r\nWhat c:\\addusers.ldf will do:\r\nAccounts added: ",
                                 rt::NumberText(changes.added)});
  if (!only_adds) {
    text += rt::Concat(
        {"\r\nAccounts disabled and moved to Leavers: ", rt::NumberText(changes.disabled),
         "\r\nAccounts deleted after their year in Leavers: ", rt::NumberText(changes.deleted),
         "\r\nReturning students moved back and enabled: ", rt::NumberText(changes.returning)});
  }
  if (!changes.Removes()) return {text, false};
  return {rt::Concat({text, "\r\n\r\n", RemovalQuestion(changes.deleted)}), true};
}

BatchNote AccountDeletesNote(std::string_view note, std::int64_t deletes) {
  if (deletes <= 0) return {std::string(note), false};
  constexpr std::string_view kDeletes =
      "\r\n\r\nA:\\step5.bat also deletes accounts from the directory with NET USER /delete."
      "\r\nAccounts deleted: ";
  return {
      rt::Concat({note, kDeletes, rt::NumberText(deletes), "\r\n\r\n", RemovalQuestion(deletes)}),
      true};
}

std::string ExportCommandLine(std::string_view server) {
  std::string line(kExportHead);
  line += server;
  line += kExportOptions;
  return line;
}

std::string ExcelNoteText() {
  const std::string lf_cr = "\n\r";
  return "When you click the OK button below, Excel will start (assuming it's installed on this "
         "computer - if not, you must run Step 3 on another computer).  You must do the "
         "following:" +
         lf_cr + lf_cr + "(1) Choose File...Save As" + lf_cr +
         "(2) Change 'Save as Type' to 'Excel 97-2003 Workbook (*.xls)'" + lf_cr +
         "(3) Click the Save button" + lf_cr + "(4) Close Excel" + lf_cr +
         "(5) Run Step 4 on the Wizard." + lf_cr;
}

void ShellOpenDocument(rt::Shell& shell, std::string_view file) {
  // The shell opens it with the "open" verb, owned by the desktop window, with no parameters
  // and no working directory, in a normal window.
  constexpr long kNoAssociation = 31;
  if (shell.OpenDocument(file) == kNoAssociation) {
    shell.Start(std::string(kOpenWithCommand) + std::string(file), rt::WindowStyle::kNormalFocus);
  }
}

const BatchStep& BatchStepOf(Step step, bool todays_tools) {
  const BatchStep* steps = todays_tools ? kTodaysBatchSteps : kClassicBatchSteps;
  switch (step) {
    case Step::k4:
      return steps[0];
    case Step::k5:
      return steps[1];
    case Step::k6:
      return steps[2];
    default:
      throw std::invalid_argument("not a batch step");
  }
}

void WizardSteps::Press(Step step) {
  switch (step) {
    case Step::k1:
      ExportAccounts();
      break;
    case Step::k2:
      StartGenerator();
      break;
    case Step::k3:
      OpenAccountRows();
      break;
    case Step::k4:
    case Step::k5:
    case Step::k6:
      RunBatch(step);
      break;
    case Step::kExit:
      Exit();
      break;
  }
}

void WizardSteps::ExportAccounts() {
  const std::string server =
      dialogs_.AskText(std::string(kServerPrompt) + std::string(kExampleServer), kServerTitle,
                       kExampleServer, kServerBoxPosition);
  if (server.empty()) return;
  // The placeholder stays when the export does not run; csvde overwrites it when it does.
  const rt::FileNumber file = files_.OpenOutput(school::kDirectoryExportPath);
  files_.PrintLine(file, kExportPlaceholder);
  files_.Close(file);
  shell_.Start(ExportCommandLine(server), rt::WindowStyle::kNormalFocus);
  // The instructions open while the export may still be running.
  ShellOpenDocument(shell_, kInstructionsDocument);
}

void WizardSteps::StartGenerator() {
  shell_.Start(kGeneratorCommand, rt::WindowStyle::kNormalFocus);
}

bool WizardSteps::Probe(std::string_view path) {
  const rt::FileNumber file = files_.OpenProbe(path);
  if (files_.Length(file) < kMinimumProbeLength) return false;
  files_.CloseAll();
  return true;
}

void WizardSteps::OpenAccountRows() {
  if (TodaysToolsChosen()) {
    dialogs_.ShowMessage(kNoWorkbookNeededNote, kNoteTitle, rt::MessageIcon::kInformation);
    return;
  }
  if (Probe(school::kAccountRowsPath)) {
    dialogs_.ShowMessage(ExcelNoteText(), kNoteTitle, rt::MessageIcon::kInformation);
    ShellOpenDocument(shell_, school::kAccountRowsPath);
  } else {
    dialogs_.ShowMessage(kAccountRowsRefusal, kRefusalTitle, rt::MessageIcon::kWarning);
  }
  files_.CloseAll();
}

BatchNote WizardSteps::NoteOf(Step step, bool todays_tools, const BatchStep& batch) {
  if (step == Step::k4 && todays_tools) {
    return LdifImportNote(batch.note, CountLdifChanges(files_, batch.probed_file));
  }
  // Whichever tools made it, a step 5 file that deletes accounts asks first.
  if (step == Step::k5) {
    return AccountDeletesNote(batch.note, CountAccountDeletes(files_, batch.probed_file));
  }
  return {std::string(batch.note), false};
}

void WizardSteps::RunBatch(Step step) {
  const bool todays_tools = TodaysToolsChosen();
  const BatchStep& batch = BatchStepOf(step, todays_tools);
  if (!Probe(batch.probed_file)) {
    dialogs_.ShowMessage(batch.refusal, kRefusalTitle, rt::MessageIcon::kWarning);
    files_.CloseAll();
    return;
  }
  const BatchNote note = NoteOf(step, todays_tools, batch);
  if (note.asks) {
    // No, the default, starts nothing.
    if (!dialogs_.AskYesNo(note.text, kNoteTitle, rt::MessageIcon::kWarning)) return;
  } else {
    dialogs_.ShowMessage(note.text, kNoteTitle, rt::MessageIcon::kInformation);
  }
  shell_.Start(batch.batch_file, rt::WindowStyle::kNormalFocus);
  files_.CloseAll();
}

void WizardSteps::Exit() { files_.CloseAll(); }

bool WizardSteps::TodaysToolsChosen() { return school::TodaysToolsChosen(files_); }

}  // namespace wizard
