#include "grantor/logic/rights_run.h"

#include <unordered_map>
#include <vector>

#include "grantor/logic/shortcut_file.h"
#include "runtime/text.h"

namespace grantor {

namespace {

constexpr char kProblemTitle[] = "Problem";
constexpr char kProblemText[] = "Your Ondrel Path is not correct...";

// Table entries found by year folder and display name, both ignoring case, in table order.
class StudentIndex {
 public:
  explicit StudentIndex(const std::vector<StudentEntry>& table) {
    for (const StudentEntry& entry : table) {
      // A line that was skipped, or a name that makes no login, has no account to give rights.
      if (entry.Login.empty()) continue;
      index_[Key(entry.YearFolder, entry.DisplayName)].push_back(&entry);
    }
  }

  static inline const std::vector<const StudentEntry*> kNone;

  const std::vector<const StudentEntry*>& Find(const ShortcutRecord& record) const {
    auto it = index_.find(Key(record.YearFolder, record.Name));
    return it == index_.end() ? kNone : it->second;
  }

 private:
  // No export line holds a line end, so a record cannot forge the separator of a key.
  static std::string Key(std::string_view year_folder, std::string_view display_name) {
    return rt::ToLower1252(year_folder) + '\n' + rt::ToLower1252(display_name);
  }

  std::unordered_map<std::string, std::vector<const StudentEntry*>> index_;
};

bool ShortcutFileLooksRight(rt::Files& files, const std::string& path) {
  const rt::FileNumber probe = files.OpenProbe(path);
  const bool long_enough = files.Length(probe) >= kMinimumShortcutBytes;
  files.Close(probe);
  return long_enough;
}

std::string ReadStudentRoot(rt::Files& files, const std::string& path) {
  const rt::FileNumber settings = files.OpenInput(path);
  files.InputField(settings);  // the first value is not ours
  std::string root = rt::Trim(files.InputField(settings));
  files.Close(settings);
  return root;
}

}  // namespace

PackageFiles::PackageFiles(std::string_view package_path)
    : Shortcuts(std::string(package_path) + "\\odshrtct.dat"),
      Settings(std::string(package_path) + "\\odshrtct.ini"),
      Rewritten(std::string(package_path) + "\\odshrtct.new"),
      Backup(std::string(package_path) + "\\odshrtct.org"),
      RightsBatch(std::string(package_path) + "\\odrights.bat") {}

RunOutcome RunSetRights(rt::Files& files, rt::Dialogs& dialogs, rt::Shell& shell,
                        std::string_view package_path, rt::FileNumber student_export,
                        const LoginMaker& make_login) {
  const PackageFiles package(package_path);
  if (!ShortcutFileLooksRight(files, package.Shortcuts)) {
    dialogs.ShowMessage(kProblemText, kProblemTitle, rt::MessageIcon::kWarning);
    return RunOutcome::kWrongPath;
  }

  const std::vector<StudentEntry> table = ReadStudentTable(files, student_export, make_login);
  files.Close(student_export);
  const StudentIndex students(table);
  const std::string student_root = ReadStudentRoot(files, package.Settings);

  const rt::FileNumber shortcuts = files.OpenInput(package.Shortcuts);
  const rt::FileNumber rewritten = files.OpenOutput(package.Rewritten);
  const rt::FileNumber batch = files.OpenOutput(package.RightsBatch);
  files.PrintLine(batch, ResetRightsLine(package_path));
  while (!files.AtEnd(shortcuts)) {
    const ShortcutRecord record = ReadShortcutRecord(files, shortcuts);
    // A record whose folders would break out of the xcacls command gives no one rights.
    const auto& matches =
        FoldersSafeInBatch(student_root, record) ? students.Find(record) : StudentIndex::kNone;
    for (const StudentEntry* student : matches) {
      files.PrintLine(batch, StudentRightsLine(package_path, student_root, record, student->Login));
      files.PrintLine(rewritten, ShortcutLine(student->Login, record));
    }
    if (matches.empty()) files.PrintLine(rewritten, ShortcutLine(record.Name, record));
  }
  files.CloseAll();

  // Only now, with every line written, does the shortcut file change its name.
  files.Rename(package.Shortcuts, package.Backup);
  files.Rename(package.Rewritten, package.Shortcuts);
  shell.Start(package.RightsBatch, rt::WindowStyle::kMaximizedFocus);
  return RunOutcome::kFinished;
}

}  // namespace grantor
