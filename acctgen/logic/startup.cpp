#include "acctgen/logic/startup.h"

#include <array>
#include <optional>

#include "acctgen/logic/existing_accounts.h"
#include "runtime/error.h"
#include "runtime/support_texts.h"
#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

namespace {

// What start-up is doing, as far as its error trap must know. A missing file means a first run
// only while the directory export is being opened; running out of input means a truncated
// export only while an export's records are being read. Anywhere else a missing file means the
// procedure was not followed, and a short settings file is simply done with.
enum class Phase {
  kDirectoryExport,         // opening and closing the directory export and its unsorted copy
  kDirectoryExportRecords,  // copying the directory export's records
  kStudentFiles,            // the student export, the sort and the settings file
  kSortedExportRecords,     // loading the sorted export's records
};

class Startup {
 public:
  Startup(const StartupServices& services, StartupState& state)
      : services_(services), files_(services.files), state_(state) {}

  // One pass over the files, repeated while the error trap asks for it: after the floppy disk
  // was put in, from the start; after the directory export was found missing, from the student
  // export on, as a first run.
  StartupOutcome Run() {
    services_.progress.ShowItem(kPleaseWait);
    // The random source draws from the operating system's generator: there is nothing to seed.
    state_.CurrentYear = rt::NumberText(services_.clock.Now().year);
    state_.MissingExport = false;
    for (;;) {
      try {
        return Pass();
      } catch (const rt::RuntimeError& error) {
        if (std::optional<StartupOutcome> end = Trap(error.number())) return *end;
      }
    }
  }

 private:
  StartupOutcome Pass() {
    if (!state_.MissingExport) CopyDirectoryExport();
    if (!OpenStudentExport()) return Severe(school::kStudentExportTooShort, 0);
    LoadExistingAccounts();
    RestoreSavedSettings();
    return outcome_;
  }

  // The outcome when the error ends start-up; nothing when the pass is to run again.
  std::optional<StartupOutcome> Trap(int number) {
    switch (number) {
      case rt::kFileNotFound:
        if (phase_ != Phase::kDirectoryExport) return Severe(kStepOneNotRun, number);
        // No directory export yet: a first run, with no existing accounts.
        state_.MissingExport = true;
        CloseQuietly(export_);
        CloseQuietly(intermediate_);
        return std::nullopt;
      case rt::kDiskNotReady:
        services_.dialogs.ShowMessage(school::kInsertFloppy, school::kFloppyTitle,
                                      rt::MessageIcon::kCritical);
        CloseAllQuietly();
        // The export may have appeared while the administrator looked for the disk.
        state_.MissingExport = false;
        return std::nullopt;
      case rt::kDeviceIoError:
        return Severe(school::kBadSectors, number);
      case rt::kInputPastEndOfFile:
        // A truncated export would leave the existing accounts half loaded.
        if (phase_ == Phase::kDirectoryExportRecords || phase_ == Phase::kSortedExportRecords) {
          return Severe(kExportIncomplete, number);
        }
        // A short settings file: what was restored stays, the form is shown.
        CloseQuietly(settings_);
        return outcome_;
      default:
        return Severe(rt::GenericSupportMessage(number), number);
    }
  }

  // The directory export into the unsorted intermediate file, ready for the sort.
  void CopyDirectoryExport() {
    phase_ = Phase::kDirectoryExport;
    ++outcome_.passes;
    state_.ExistingCount = 0;
    state_.ExistingAccounts.clear();
    state_.ExistingOuClasses.clear();
    export_ = files_.OpenInput(school::kDirectoryExportPath);
    intermediate_ = files_.OpenOutput(kIntermediatePath);
    phase_ = Phase::kDirectoryExportRecords;
    std::array<std::string, 4> fields;
    for (std::string& field : fields) field = files_.InputField(*export_);  // the header record
    const ExportColumns columns = ExportColumnsOf(fields);
    while (!files_.AtEnd(*export_)) {
      for (std::string& field : fields) field = files_.InputField(*export_);
      ++state_.ExistingCount;
      files_.PrintLine(*intermediate_,
                       IntermediateLine(fields[columns.given_name], fields[columns.login],
                                        fields[columns.surname], OuClass(fields[0])));
    }
    phase_ = Phase::kDirectoryExport;
    Close(intermediate_);
    Close(export_);
  }

  // False when the student export is too short to be a real export.
  bool OpenStudentExport() {
    phase_ = Phase::kStudentFiles;
    state_.StudentExport = files_.OpenInput(school::kStudentExportPath);
    return files_.Length(*state_.StudentExport) >= school::kMinimumStudentExportBytes;
  }

  // Sorts the intermediate file and loads the account names in the sorted order.
  void LoadExistingAccounts() {
    if (state_.MissingExport) return;
    services_.sorter.SortFile(kSortArguments);
    sorted_ = files_.OpenInput(kSortedExportPath);
    phase_ = Phase::kSortedExportRecords;
    state_.ExistingAccounts.reserve(static_cast<std::size_t>(state_.ExistingCount));
    for (std::int64_t i = 0; i < state_.ExistingCount; ++i) {
      files_.InputField(*sorted_);
      files_.InputField(*sorted_);
      std::string name = rt::Trim(files_.InputField(*sorted_));
      state_.ExistingOuClasses.push_back(files_.InputField(*sorted_));
      state_.ExistingAccounts.push_back(std::move(name));
    }
    phase_ = Phase::kStudentFiles;
    Close(sorted_);
  }

  // A settings file that is missing is created empty and restores nothing.
  void RestoreSavedSettings() {
    const rt::FileNumber probe = files_.OpenProbe(kSettingsPath);
    const std::uint64_t length = files_.Length(probe);
    files_.Close(probe);
    if (length == 0) return;
    settings_ = files_.OpenInput(kSettingsPath);
    RestoreSettings(files_, *settings_, services_.form);
    Close(settings_);
  }

  StartupOutcome Severe(std::string_view message, int number) {
    services_.dialogs.ShowMessage(message, school::kSevereProblemTitle, rt::MessageIcon::kCritical);
    CloseAllQuietly();
    outcome_.end = StartupEnd::kEndProgram;
    outcome_.error = number;
    outcome_.message = std::string(message);
    return outcome_;
  }

  void Close(std::optional<rt::FileNumber>& file) {
    if (!file) return;
    const rt::FileNumber number = *file;
    file.reset();
    files_.Close(number);
  }

  void CloseQuietly(std::optional<rt::FileNumber>& file) {
    try {
      Close(file);
    } catch (const rt::RuntimeError&) {  // the file is released either way
    }
  }

  void CloseAllQuietly() {
    try {
      files_.CloseAll();
    } catch (const rt::RuntimeError&) {  // every file is released either way
    }
    export_.reset();
    intermediate_.reset();
    sorted_.reset();
    settings_.reset();
    state_.StudentExport.reset();
  }

  const StartupServices& services_;
  rt::Files& files_;
  StartupState& state_;
  StartupOutcome outcome_;
  Phase phase_ = Phase::kDirectoryExport;
  std::optional<rt::FileNumber> export_;
  std::optional<rt::FileNumber> intermediate_;
  std::optional<rt::FileNumber> sorted_;
  std::optional<rt::FileNumber> settings_;
};

}  // namespace

StartupOutcome RunStartup(const StartupServices& services, StartupState& state) {
  return Startup(services, state).Run();
}

}  // namespace acctgen
