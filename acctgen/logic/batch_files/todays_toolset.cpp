#include "acctgen/logic/batch_files/todays_toolset.h"

#include "acctgen/logic/account_files/addusers_script.h"
#include "acctgen/logic/account_files/ou_script.h"
#include "acctgen/logic/account_files/undo_file.h"
#include "runtime/concat.h"
#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

std::string LdifImportLine() { return "ldifde -i -k -h -f " + std::string(school::kLdifPath); }

std::string MakeFolderLine(std::string_view folder) {
  // The trailing backslash makes the test look for a folder, not a file of that name.
  return "If Not Exist " + rt::QuotedField(std::string(folder) + "\\") + " md " +
         rt::QuotedField(folder);
}

namespace {

// Full control for the Administrators group and the system, passed down to what a folder holds.
constexpr std::string_view kAdministratorsAndSystem =
    " \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\"";

}  // namespace

std::string HomeFolderGrantLine(std::string_view folder, std::string_view domain,
                                std::string_view login, bool full) {
  return "icacls " + rt::QuotedField(folder) + " /inheritance:r /grant:r " +
         rt::QuotedField(rt::Concat({domain, "\\", login, full ? ":(OI)(CI)F" : ":(OI)(CI)M"})) +
         std::string(kAdministratorsAndSystem) + " /c /q";
}

std::string UpperFolderRightsLine(std::string_view folder) {
  // Authenticated Users (S-1-5-11) read and pass through this folder only: nothing is passed
  // down, and creating a folder is not among the rights.
  return "icacls " + rt::QuotedField(folder) + " /inheritance:r /grant:r" +
         std::string(kAdministratorsAndSystem) + " \"*S-1-5-11:(RX)\" /c /q";
}

std::string HomeFolderOwnerLine(std::string_view folder, std::string_view domain,
                                std::string_view login) {
  return "icacls " + rt::QuotedField(folder) + " /setowner " +
         rt::QuotedField(std::string(domain) + "\\" + std::string(login)) + " /t /c /q";
}

TodaysTools::TodaysTools(const Options& options)
    : domain_(rt::Trim(options.netbios_domain)),
      full_access_(options.full_home_folder_access),
      student_owns_folder_(options.student_owns_home_folder) {}

void TodaysTools::WriteOrRemoveScripts(rt::Files& files, const Options&) const {
  files.DeleteIfPresent(kAddUsersScriptPath);
  files.DeleteIfPresent(kOuScriptPath);
}

std::vector<std::string> TodaysTools::Step4Lines(std::string_view, std::int64_t) const {
  // The LDIF file holds the units too: no workbook to archive, no first-run script.
  return {LdifImportLine()};
}

void TodaysTools::WriteUndoFile(rt::Files& files, const LdifFile& ldif,
                                const LeaverChanges& changes) const {
  acctgen::WriteUndoFile(files, ldif, changes);
}

std::optional<FormCheckFailure> TodaysTools::CheckOptions(const Options&) const {
  if (!domain_.empty()) return std::nullopt;
  return FormCheckFailure{kNetbiosDomainText, kNetbiosDomainTitle, rt::MessageIcon::kWarning,
                          Field::kNetbiosDomain};
}

std::vector<std::string> TodaysTools::UpperFolderLines(std::string_view folder) const {
  return {MakeFolderLine(folder), UpperFolderRightsLine(folder)};
}

void TodaysTools::WriteHomeFolderLines(rt::Files& files, const OutputFiles& out,
                                       const HomeFolder& folder) const {
  files.PrintLine(out.Step5, acctgen::MakeFolderLine(folder.server_path));
  files.PrintLine(out.Step6,
                  HomeFolderGrantLine(folder.server_path, domain_, folder.login, full_access_));
  if (student_owns_folder_) {
    files.PrintLine(out.Step6, HomeFolderOwnerLine(folder.server_path, domain_, folder.login));
  }
}

}  // namespace acctgen
