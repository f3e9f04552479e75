#pragma once
// Today's tool set, which every supported Windows has: ldifde imports the accounts (step4.bat),
// md makes each home folder (step5.bat) and icacls sets its rights and owner (step6.bat). They
// give the same accounts, folders and rights as the classic lines. Every folder and account
// name is quoted, so a blank or one of & ( ) ^ cannot split the command.

#include <string>
#include <string_view>

#include "acctgen/logic/batch_files/toolset.h"

namespace acctgen {

// Imports the run's LDIF file into the domain of this computer: -k goes on past an entry the
// directory refuses, -h encrypts the connection, which the directory asks for before it takes
// a password.
std::string LdifImportLine();

// Makes the folder, and any folder above it, unless it is there already.
std::string MakeFolderLine(std::string_view folder);

// Replaces the folder's rights with the student's access (full control, or modify), named with
// the domain, and full control for the Administrators group and the system, named by their
// well-known identifiers, which no renamed account or other language of Windows changes; all
// passed down to what the folder holds. Inherited entries go, as xcacls /g replaced them.
std::string HomeFolderGrantLine(std::string_view folder, std::string_view domain,
                                std::string_view login, bool full);

// Gives a folder above the students' own only its own rights: full control for the
// Administrators group and the system, passed down; signed-in users may list it and pass
// through it, and create nothing in it, so no student can make or rename a folder there.
std::string UpperFolderRightsLine(std::string_view folder);

// Makes the student, in the NetBIOS domain, the owner of the folder and of everything in it.
std::string HomeFolderOwnerLine(std::string_view folder, std::string_view domain,
                                std::string_view login);

class TodaysTools final : public Toolset {
 public:
  explicit TodaysTools(const Options& options);

  // Each student is named with the domain.
  std::optional<FormCheckFailure> CheckOptions(const Options& options) const override;
  // The Excel scripts of an earlier classic run would only mislead: nothing calls them now.
  void WriteOrRemoveScripts(rt::Files& files, const Options& options) const override;
  bool WritesOuScript() const override { return false; }
  bool ImportsLeavers() const override { return true; }
  void WriteUndoFile(rt::Files& files, const LdifFile& ldif,
                     const LeaverChanges& changes) const override;
  std::vector<std::string> Step4Lines(std::string_view archive_name,
                                      std::int64_t existing_count) const override;
  std::vector<std::string> UpperFolderLines(std::string_view folder) const override;
  void WriteHomeFolderLines(rt::Files& files, const OutputFiles& out,
                            const HomeFolder& folder) const override;

 private:
  std::string domain_;  // the NetBIOS domain, trimmed
  bool full_access_;
  bool student_owns_folder_;
};

}  // namespace acctgen
