#pragma once
// What each of the wizard's buttons does: probe the file the previous step should have made,
// tell the administrator what is about to happen, start the tool. Nothing is kept between
// clicks and nothing started is waited for. Errors are not caught here: a failing operation
// reaches the program's failure boundary, which reports it and ends the program.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/dialogs.h"
#include "runtime/files.h"
#include "runtime/shell.h"
#include "runtime/twips.h"
#include "school/procedure_files.h"
#include "wizard/logic/account_changes.h"

namespace wizard {

enum class Step { k1 = 1, k2, k3, k4, k5, k6, kExit };

// The example server name shown in step 1's prompt and offered as the answer.
inline constexpr std::string_view kExampleServer = "SERVER1";
inline constexpr rt::TwipsPoint kServerBoxPosition = {6000, 1500};

inline constexpr std::string_view kExportPlaceholder = "Fred,Fred,Fred,Fred";
inline constexpr std::string_view kInstructionsDocument = "a:\\koru.txt";
inline constexpr std::string_view kGeneratorCommand = "A:\\acctgen.exe";
inline constexpr std::string_view kOpenWithCommand = "rundll32.exe shell32.dll,OpenAs_RunDLL ";

// A prerequisite file is taken when it holds at least this many bytes.
inline constexpr std::uint64_t kMinimumProbeLength = 100;

inline constexpr std::string_view kNoteTitle = "Please Note";
inline constexpr std::string_view kRefusalTitle = "Sorry";

// "a:\csvde -f c:\exportad.csv -s " + server + the fixed options: every user account (not
// contacts, not computers) with its names, login and description, so the generator knows the
// logins that staff hold. "-c CN=  ," (two spaces) turns each "CN=" into a comma.
std::string ExportCommandLine(std::string_view server);

// The note of step 3, whose line breaks are LF CR pairs.
std::string ExcelNoteText();

// Step 3's note when the last run chose today's tools: there is no workbook to save.
inline constexpr std::string_view kNoWorkbookNeededNote =
    "Step 3 is not needed: the last run of the account generator chose today's Windows tools, so "
    "Step 4 imports c:\\addusers.ldf with ldifde and needs neither Excel nor c:\\addusers.xls.  "
    "Continue to Step 4.";

// Opens a document in the program associated with it; when none is (shell result 31), shows
// the system's Open With dialog for it instead. Any other failure of the shell is ignored.
void ShellOpenDocument(rt::Shell& shell, std::string_view file);

struct BatchStep {
  std::string_view probed_file;
  std::string_view note;
  std::string_view batch_file;
  std::string_view refusal;
};

// Steps 4 to 6 for the tools the last run chose. With the classic tools step 4 probes the
// workbook saved at step 3, not the batch file it starts; with today's tools it probes the LDIF
// file that the batch file hands to ldifde.
const BatchStep& BatchStepOf(Step step, bool todays_tools);

// The box before a batch step: the step's note followed by what the file will do to accounts.
// Where anything is disabled or deleted the box asks Yes or No (No the default) and shows the
// warning icon; otherwise it is the note with an OK button, as before.
struct BatchNote {
  std::string text;
  bool asks = false;
  bool operator==(const BatchNote&) const = default;
};

// Step 4 with today's tools: the figures of c:\addusers.ldf.
BatchNote LdifImportNote(std::string_view note, const AccountChanges& changes);
// Step 5: the accounts the batch file deletes; with none, the note alone.
BatchNote AccountDeletesNote(std::string_view note, std::int64_t deletes);

class WizardSteps {
 public:
  WizardSteps(rt::Files& files, rt::Dialogs& dialogs, rt::Shell& shell)
      : files_(files), dialogs_(dialogs), shell_(shell) {}

  // Runs the button's reaction. Exit closes every file; ending the program is the window's.
  void Press(Step step);

  void ExportAccounts();     // step 1
  void StartGenerator();     // step 2
  void OpenAccountRows();    // step 3
  void RunBatch(Step step);  // steps 4 to 6
  void Exit();

  // Whether the last run of the generator chose today's tools, read afresh each time.
  bool TodaysToolsChosen();

 private:
  // Opens the file for shared record access (creating it empty when missing) and tells whether
  // it is long enough. On acceptance every file is closed before the caller shows its note.
  bool Probe(std::string_view path);
  // The step's note with the figures counted from the probed file.
  BatchNote NoteOf(Step step, bool todays_tools, const BatchStep& batch);

  rt::Files& files_;
  rt::Dialogs& dialogs_;
  rt::Shell& shell_;
};

}  // namespace wizard
