#include "acctgen/logic/startup/startup.h"

#include <array>
#include <optional>
#include <vector>

#include "acctgen/logic/startup/existing_accounts.h"
#include "runtime/error.h"
#include "runtime/support_texts.h"
#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

namespace {

// What start-up does after a step.
enum class Then {
  kGoOn,        // the next step
  kStartAgain,  // the whole pass again, from the directory export
  kStop,        // start-up is over; its outcome is final
};

class Startup {
 public:
  Startup(const Services& services, SettingsTarget& form, StartupState& state)
      : services_(services), files_(services.files), form_(form), state_(state) {}

  StartupOutcome Run() {
    services_.progress.ShowItem(kPleaseWait);
    // The random source draws from the operating system's generator: there is nothing to seed.
    state_.CurrentYear = rt::NumberText(services_.clock.Now().year);
    while (Pass() == Then::kStartAgain) {
    }
    return outcome_;
  }

 private:
  Then Pass() {
    state_.MissingExport = false;
    for (Then (Startup::*step)() :
         {&Startup::CopyDirectoryExport, &Startup::OpenStudentExport,
          &Startup::LoadExistingAccounts, &Startup::RestoreSavedSettings}) {
      const Then then = (this->*step)();
      if (then != Then::kGoOn) return then;
    }
    return Then::kStop;
  }

  // The directory export into the unsorted intermediate file, ready for the sort. Without an
  // export this is a first run, with no existing accounts.
  Then CopyDirectoryExport() {
    ++outcome_.passes;
    state_.ExistingCount = 0;
    state_.ExistingAccounts.clear();
    state_.OtherAccounts.clear();
    records_.clear();
    try {
      export_ = files_.OpenInput(school::kDirectoryExportPath);
      intermediate_ = files_.OpenOutput(kIntermediatePath);
    } catch (const rt::RuntimeError& error) {
      return FirstRunOr(error);
    }
    try {
      // The header names the columns and says how many fields every record has.
      const ExportColumns columns = ExportColumnsOf(HeaderFields(files_.LineInput(*export_)));
      // Fewer than a name and three attributes: a header cut short.
      if (columns.count < 4) throw rt::RuntimeError(rt::kInputPastEndOfFile);
      std::vector<std::string> fields(static_cast<std::size_t>(columns.count));
      while (!files_.AtEnd(*export_)) {
        for (std::string& field : fields) field = files_.InputField(*export_);
        const bool student =
            columns.description < 0 || IsStudentDescription(fields[columns.description]);
        if (student) ++state_.ExistingCount;
        files_.PrintLine(
            *intermediate_,
            IntermediateLine(fields[columns.given_name], fields[columns.login],
                             fields[columns.surname], OuClass(fields[0]), records_.size()));
        const auto column = [&fields](int index) {
          return index < 0 ? std::string() : std::move(fields[index]);
        };
        records_.push_back({student, std::move(fields[0]), column(columns.account_control),
                            column(columns.home_directory)});
      }
    } catch (const rt::RuntimeError& error) {
      return WhileReadingAnExport(error);
    }
    try {
      Close(intermediate_);
      Close(export_);
    } catch (const rt::RuntimeError& error) {
      return FirstRunOr(error);
    }
    return Then::kGoOn;
  }

  Then FirstRunOr(const rt::RuntimeError& error) {
    if (error.number() != rt::kFileNotFound) return Failed(error);
    state_.MissingExport = true;
    CloseQuietly(export_);
    CloseQuietly(intermediate_);
    return Then::kGoOn;
  }

  // Stops when the student export is too short to be a real export.
  Then OpenStudentExport() {
    try {
      state_.StudentExport = files_.OpenInput(school::kStudentExportPath);
      if (files_.Length(*state_.StudentExport) >= school::kMinimumStudentExportBytes) {
        return Then::kGoOn;
      }
    } catch (const rt::RuntimeError& error) {
      return Failed(error);
    }
    return Severe(school::kStudentExportTooShort, 0);
  }

  // Sorts the intermediate file and loads the account names in the sorted order.
  Then LoadExistingAccounts() {
    if (state_.MissingExport) return Then::kGoOn;
    try {
      services_.sorter.SortFile(kSortArguments);
      sorted_ = files_.OpenInput(kSortedExportPath);
    } catch (const rt::RuntimeError& error) {
      return Failed(error);
    }
    try {
      state_.ExistingAccounts.reserve(static_cast<std::size_t>(state_.ExistingCount));
      std::array<std::string, kIntermediateFields> fields;
      for (std::size_t i = 0; i < records_.size(); ++i) {
        for (std::string& field : fields) field = files_.InputField(*sorted_);
        std::string name = rt::Trim(fields[2]);
        // The sorted file holds the lines start-up wrote, so the number is one of the records';
        // a line that is not is taken as a student's account, as an export without descriptions.
        const std::int64_t number = rt::NumericPrefix(fields[4]);
        ExportRecord unknown;
        ExportRecord& record = number >= 0 && static_cast<std::size_t>(number) < records_.size()
                                   ? records_[static_cast<std::size_t>(number)]
                                   : unknown;
        if (!record.student) {
          state_.OtherAccounts.push_back(std::move(name));
          continue;
        }
        state_.ExistingAccounts.push_back(
            {std::move(name), std::move(fields[3]), std::move(record.distinguished_name),
             std::move(record.account_control), std::move(record.home_directory)});
      }
      records_.clear();
    } catch (const rt::RuntimeError& error) {
      return WhileReadingAnExport(error);
    }
    try {
      Close(sorted_);
    } catch (const rt::RuntimeError& error) {
      return Failed(error);
    }
    return Then::kGoOn;
  }

  // A settings file that is missing is created empty and restores nothing; one that ends early
  // keeps what it restored.
  Then RestoreSavedSettings() {
    try {
      const rt::FileNumber probe = files_.OpenProbe(kSettingsPath);
      const std::uint64_t length = files_.Length(probe);
      files_.Close(probe);
      if (length == 0) return Then::kStop;
      settings_ = files_.OpenInput(kSettingsPath);
      RestoreSettings(files_, *settings_, form_);
      Close(settings_);
    } catch (const rt::RuntimeError& error) {
      return Failed(error);
    }
    return Then::kStop;
  }

  // A truncated export would leave the existing accounts half loaded.
  Then WhileReadingAnExport(const rt::RuntimeError& error) {
    if (error.number() == rt::kInputPastEndOfFile) {
      return Severe(kExportIncomplete, error.number());
    }
    return Failed(error);
  }

  // The errors every step shares. A missing file means the procedure was not followed; a file
  // that ends early outside an export's records leaves what was read, and the form is shown.
  Then Failed(const rt::RuntimeError& error) {
    switch (error.number()) {
      case rt::kFileNotFound:
        return Severe(kStepOneNotRun, error.number());
      case rt::kDiskNotReady:
        services_.dialogs.ShowMessage(school::kInsertFloppy, school::kFloppyTitle,
                                      rt::MessageIcon::kCritical);
        CloseAllQuietly();
        // The export may have appeared while the administrator looked for the disk.
        return Then::kStartAgain;
      case rt::kDeviceIoError:
        return Severe(school::kBadSectors, error.number());
      case rt::kInputPastEndOfFile:
        CloseQuietly(settings_);
        return Then::kStop;
      default:
        return Severe(rt::GenericSupportMessage(error.number()), error.number());
    }
  }

  Then Severe(std::string_view message, int number) {
    services_.dialogs.ShowMessage(message, school::kSevereProblemTitle, rt::MessageIcon::kCritical);
    CloseAllQuietly();
    outcome_.end = StartupEnd::kEndProgram;
    outcome_.error = number;
    outcome_.message = std::string(message);
    return Then::kStop;
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

  const Services& services_;
  rt::Files& files_;
  SettingsTarget& form_;
  StartupState& state_;
  StartupOutcome outcome_;
  std::optional<rt::FileNumber> export_;
  std::optional<rt::FileNumber> intermediate_;
  std::optional<rt::FileNumber> sorted_;
  std::optional<rt::FileNumber> settings_;
  // What each record of the directory export says beyond the intermediate line, in the order
  // of the export, until the sorted accounts are loaded.
  struct ExportRecord {
    bool student = true;
    std::string distinguished_name;
    std::string account_control;
    std::string home_directory;
  };
  std::vector<ExportRecord> records_;
};

}  // namespace

StartupOutcome RunStartup(const Services& services, SettingsTarget& form, StartupState& state) {
  return Startup(services, form, state).Run();
}

}  // namespace acctgen
