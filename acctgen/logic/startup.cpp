#include "acctgen/logic/startup.h"

#include <optional>

#include "acctgen/logic/existing_accounts.h"
#include "acctgen/logic/support_message.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

namespace {

// Where a pass stands; a trapped error resumes at one of these.
enum class Step { kReadDirectoryExport, kOpenStudentExport, kLoadAccounts, kRestoreSettings };

// Which file is being read, so the trap can tell a truncated export from a short settings file.
enum class Reading { kNothing, kDirectoryExport, kSortedExport, kSettings };

class Startup {
 public:
  Startup(const StartupServices& services, StartupState& state)
      : services_(services), files_(services.files), state_(state) {}

  StartupOutcome Run() {
    services_.progress.ShowItem(kPleaseWait);
    // The random source draws from the operating system's generator: there is nothing to seed.
    state_.CurrentYear = rt::NumberText(services_.clock.Now().year);

    Step step = Step::kReadDirectoryExport;
    for (;;) {
      try {
        if (step == Step::kReadDirectoryExport) {
          ReadDirectoryExport();
          step = Step::kOpenStudentExport;
        }
        if (step == Step::kOpenStudentExport) {
          if (!OpenStudentExport()) return Severe(school::kStudentExportTooShort, 0);
          step = Step::kLoadAccounts;
        }
        if (step == Step::kLoadAccounts) {
          LoadExistingAccounts();
          step = Step::kRestoreSettings;
        }
        RestoreSavedSettings();
        return outcome_;
      } catch (const rt::RuntimeError& error) {
        const int number = error.number();
        const Reading reading = reading_;
        reading_ = Reading::kNothing;
        switch (number) {
          case rt::kFileNotFound:
            if (stage_ == 2) return Severe(kStepOneNotRun, number);
            // No directory export yet: a first run, with no existing accounts.
            state_.MissingExport = true;
            CloseQuietly(export_);
            CloseQuietly(intermediate_);
            step = Step::kOpenStudentExport;
            break;
          case rt::kDiskNotReady:
            services_.dialogs.ShowMessage(school::kInsertFloppy, school::kFloppyTitle,
                                          rt::MessageIcon::kCritical);
            CloseAllQuietly();
            step = Step::kReadDirectoryExport;
            break;
          case rt::kDeviceIoError:
            return Severe(school::kBadSectors, number);
          case rt::kInputPastEndOfFile:
            // A truncated export would leave the existing accounts half loaded.
            if (reading == Reading::kDirectoryExport || reading == Reading::kSortedExport) {
              return Severe(kExportIncomplete, number);
            }
            // A short settings file: what was restored stays, the form is shown.
            CloseQuietly(settings_);
            return outcome_;
          default:
            return Severe(GenericSupportMessage(number), number);
        }
      }
    }
  }

 private:
  // Steps 5 to 7: the directory export into the intermediate file.
  void ReadDirectoryExport() {
    ++outcome_.passes;
    state_.ExistingCount = 0;
    state_.ExistingAccounts.clear();
    // Each pass decides afresh whether the export exists: it may have appeared while the
    // administrator looked for the floppy disk.
    state_.MissingExport = false;
    stage_ = 1;
    export_ = files_.OpenInput(school::kDirectoryExportPath);
    intermediate_ = files_.OpenOutput(kIntermediatePath);
    reading_ = Reading::kDirectoryExport;
    for (int i = 0; i < 4; ++i) files_.InputField(*export_);  // the header record
    while (!files_.AtEnd(*export_)) {
      const std::string field1 = files_.InputField(*export_);
      const std::string field2 = files_.InputField(*export_);
      const std::string field3 = files_.InputField(*export_);
      const std::string field4 = files_.InputField(*export_);
      ++state_.ExistingCount;
      files_.PrintLine(*intermediate_, IntermediateLine(field2, field3, field4, OuClass(field1)));
    }
    reading_ = Reading::kNothing;
    Close(intermediate_);
    Close(export_);
  }

  // Step 8; false when the student export is too short to be a real export.
  bool OpenStudentExport() {
    stage_ = 2;
    state_.StudentExport = files_.OpenInput(school::kStudentExportPath);
    return files_.Length(*state_.StudentExport) >= school::kMinimumStudentExportBytes;
  }

  // Step 9: sort the intermediate file and load the account names in the sorted order.
  void LoadExistingAccounts() {
    if (state_.MissingExport) return;
    services_.sorter.SortFile(kSortArguments);
    sorted_ = files_.OpenInput(kSortedExportPath);
    reading_ = Reading::kSortedExport;
    state_.ExistingAccounts.reserve(static_cast<std::size_t>(state_.ExistingCount));
    for (std::int64_t i = 0; i < state_.ExistingCount; ++i) {
      files_.InputField(*sorted_);
      files_.InputField(*sorted_);
      std::string name = rt::Trim(files_.InputField(*sorted_));
      files_.InputField(*sorted_);
      state_.ExistingAccounts.push_back(std::move(name));
    }
    reading_ = Reading::kNothing;
    Close(sorted_);
  }

  // Step 10: a settings file that is missing is created empty and restores nothing.
  void RestoreSavedSettings() {
    const rt::FileNumber probe = files_.OpenProbe(kSettingsPath);
    const std::uint64_t length = files_.Length(probe);
    files_.Close(probe);
    if (length == 0) return;
    settings_ = files_.OpenInput(kSettingsPath);
    reading_ = Reading::kSettings;
    RestoreSettings(files_, *settings_, services_.form);
    reading_ = Reading::kNothing;
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
  int stage_ = 1;
  Reading reading_ = Reading::kNothing;
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
