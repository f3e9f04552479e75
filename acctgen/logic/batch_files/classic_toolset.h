#pragma once
// The classic tool set: step 4 archives the Excel workbook and runs the VBScript programs on it,
// makfldr.vbs makes each folder, xcacls grants the student's rights and subinacl makes the
// student the owner.

#include <string>

#include "acctgen/logic/batch_files/toolset.h"

namespace acctgen {

// The access code of the student's grant: "F " for Full, "RC " for Modify. With neither option
// set (a damaged settings file) the grant would lose its access and read as the next entry,
// so it falls back to Modify, the form's default.
std::string HomeFolderAccess(const Options& options);

// Step 4 archives the workbook, creates the OUs on a first run (fewer than two existing
// accounts) and runs the user-creation script on the workbook.
std::vector<std::string> ClassicStep4Lines(std::string_view archive_name,
                                           std::int64_t existing_count);

class ClassicTools final : public Toolset {
 public:
  explicit ClassicTools(const Options& options);

  std::optional<FormCheckFailure> CheckOptions(const Options&) const override {
    return std::nullopt;
  }
  void WriteOrRemoveScripts(rt::Files& files, const Options& options) const override;
  bool WritesOuScript() const override { return true; }
  bool ImportsLeavers() const override { return false; }
  void WriteUndoFile(rt::Files& files, const LdifFile& ldif,
                     const LeaverChanges& changes) const override;
  std::vector<std::string> Step4Lines(std::string_view archive_name,
                                      std::int64_t existing_count) const override;
  std::vector<std::string> UpperFolderLines(std::string_view folder) const override;
  void WriteHomeFolderLines(rt::Files& files, const OutputFiles& out,
                            const HomeFolder& folder) const override;

 private:
  // The same for every student of a run, worked out once.
  std::string share_;   // the home share, trimmed
  std::string server_;  // the server name, trimmed
  std::string domain_;  // the NetBIOS domain, trimmed
  std::string access_;  // HomeFolderAccess
  bool student_owns_folder_;
};

}  // namespace acctgen
