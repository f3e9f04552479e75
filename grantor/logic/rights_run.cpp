#include "grantor/logic/rights_run.h"

#include <unordered_map>
#include <vector>

#include "grantor/logic/icacls_lines.h"
#include "grantor/logic/shortcut_file.h"
#include "runtime/text.h"

namespace grantor {

namespace {

constexpr char kProblemTitle[] = "Problem";
constexpr char kProblemText[] = "Your Ondrel Path is not correct...";
constexpr char kNoDomainText[] =
    "Please type the NetBIOS Domain Name of the students' accounts, for example HILLCREST: "
    "today's icacls names each student as DOMAIN\\login.";
constexpr char kUnusableDomainText[] =
    "A NetBIOS Domain Name cannot hold any of \\ / : * ? \" < > | %.  Please type the short "
    "name of the students' domain, for example HILLCREST.";

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

  const std::vector<const StudentEntry*>& Find(const ShortcutRecord& record) const {
    static const std::vector<const StudentEntry*> kNone;
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

constexpr std::string_view kReportHead[] = {
    "Set Rights left these shortcut records as they were and gave no student rights on their",
    "folders. Set each one by hand: give the right student's login read and change (modify)",
    "rights on the folder, and put the login in place of the name in odshrtct.dat.",
    "",
};

// One report line: the record as the shortcut file holds it, why it was left, and its folder.
std::string ReportLine(const ShortcutRecord& record, std::string_view reason,
                       std::string_view folder) {
  return ShortcutLine(record.Name, record) + "  -  " + std::string(reason) + "  -  " +
         std::string(folder);
}

std::string NamesakesReason(const std::vector<const StudentEntry*>& matches) {
  std::string reason = std::to_string(matches.size()) + " students of the export match it:";
  for (const StudentEntry* student : matches) reason += " " + student->Login;
  return reason;
}

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
      RightsBatch(std::string(package_path) + "\\odrights.bat"),
      Report(std::string(package_path) + "\\odrights.txt") {}

RunOutcome RunSetRights(rt::Files& files, rt::Dialogs& dialogs, rt::Shell& shell,
                        std::string_view package_path, rt::FileNumber student_export,
                        const LoginMaker& make_login, const RightsBatch& choice) {
  const bool icacls = choice.Tool == RightsTool::kIcacls;
  const std::string domain = rt::Trim(choice.Domain);
  if (icacls && !NetbiosNameUsable(domain)) {
    dialogs.ShowMessage(domain.empty() ? kNoDomainText : kUnusableDomainText, kProblemTitle,
                        rt::MessageIcon::kWarning);
    return RunOutcome::kNoDomain;
  }
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
  if (icacls) {
    for (const std::string& line : IcaclsResetLines(package_path)) files.PrintLine(batch, line);
  } else {
    files.PrintLine(batch, ResetRightsLine(package_path));
  }
  std::vector<std::string> left_by_hand;
  while (!files.AtEnd(shortcuts)) {
    const ShortcutRecord record = ReadShortcutRecord(files, shortcuts);
    const auto& matches = students.Find(record);
    const std::string folder = StudentFolder(package_path, student_root, record);
    if (matches.size() > 1) {
      left_by_hand.push_back(ReportLine(record, NamesakesReason(matches), folder));
    } else if (matches.size() == 1 && !FoldersSafeInBatch(student_root, record)) {
      // Its folders would break out of the batch command: no one gets rights by it.
      left_by_hand.push_back(ReportLine(
          record, "its folders hold a character that cannot stand in a batch line", folder));
    } else if (matches.size() == 1 && icacls && !rt::SafeInQuotes(matches[0]->Login)) {
      left_by_hand.push_back(ReportLine(
          record, "the login " + matches[0]->Login + " cannot stand in a batch line", folder));
    } else if (matches.size() == 1) {
      const std::string& login = matches[0]->Login;
      files.PrintLine(batch,
                      icacls ? IcaclsStudentLine(package_path, student_root, record, domain, login)
                             : StudentRightsLine(package_path, student_root, record, login));
      files.PrintLine(rewritten, ShortcutLine(login, record));
      continue;
    }
    files.PrintLine(rewritten, ShortcutLine(record.Name, record));
  }
  if (!left_by_hand.empty()) {
    const rt::FileNumber report = files.OpenOutput(package.Report);
    for (std::string_view line : kReportHead) files.PrintLine(report, line);
    for (const std::string& line : left_by_hand) files.PrintLine(report, line);
  } else if (files.Exists(package.Report)) {
    files.Delete(package.Report);  // an earlier run's list no longer holds
  }
  files.CloseAll();

  // Only now, with every line written, does the shortcut file change its name.
  files.Rename(package.Shortcuts, package.Backup);
  files.Rename(package.Rewritten, package.Shortcuts);
  shell.Start(package.RightsBatch, rt::WindowStyle::kMaximizedFocus);
  if (!left_by_hand.empty()) {
    shell.Start("Notepad \"" + package.Report + "\"", rt::WindowStyle::kNormalFocus);
  }
  return RunOutcome::kFinished;
}

}  // namespace grantor
