#pragma once
// The tools a run's batch files call: the classic ones (Excel and VBScript for the accounts,
// makfldr.vbs for the folders, xcacls and subinacl for their rights) or today's Windows tools
// (ldifde, md, icacls). A run chooses its tool set once, from its options; every line that
// differs by tool set comes from it, and the lines that do not (the share, the clean-up, the
// account rows) stay with the files that hold them.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/account_files/ldif_file.h"
#include "acctgen/logic/account_files/leaver_entries.h"
#include "acctgen/logic/batch_files/output_files.h"
#include "acctgen/logic/form/form_checks.h"
#include "acctgen/logic/form/options.h"
#include "runtime/files.h"

namespace acctgen {

// A student's home folder, as the server sees it and below the share.
struct HomeFolder {
  std::string_view server_path;  // "D:\s_home\2031\tomas.varga"
  std::string_view below_share;  // "2031\tomas.varga"
  std::string_view login;
};

class Toolset {
 public:
  virtual ~Toolset() = default;

  // What the form must hold for these tools' lines, checked after the form's own checks.
  virtual std::optional<FormCheckFailure> CheckOptions(const Options& options) const = 0;

  // Before step 4 is written: the scripts its tools run are written, and those no step calls
  // are removed, so that nothing stale misleads the administrator.
  virtual void WriteOrRemoveScripts(rt::Files& files, const Options& options) const = 0;
  // Whether the run writes the OU-creation script a:\ou.vbs beside the LDIF file.
  virtual bool WritesOuScript() const = 0;
  // Whether step 4's import changes the accounts that exist already: a leaver is disabled and
  // moved into a Leavers unit, deleted by the first run of a later year, and brought back when
  // the student is; otherwise step 5 deletes a leaver at once.
  virtual bool ImportsLeavers() const = 0;
  // After the LDIF file: c:\undo.ldf, which takes step 4's import back; the classic tools'
  // import leaves no such record, and their run removes an undo file an earlier run left.
  virtual void WriteUndoFile(rt::Files& files, const LdifFile& ldif,
                             const LeaverChanges& changes) const = 0;
  // Step 4 whole: the import of the run's accounts and units.
  virtual std::vector<std::string> Step4Lines(std::string_view archive_name,
                                              std::int64_t existing_count) const = 0;
  // Makes a folder on the server above the students' own (the home root, each leaving year's
  // folder), with the rights such a folder keeps where the tools can set them.
  virtual std::vector<std::string> UpperFolderLines(std::string_view folder) const = 0;
  // The student's folder in step 5; the student's rights on it, and ownership when the form
  // asks for it, in step 6.
  virtual void WriteHomeFolderLines(rt::Files& files, const OutputFiles& out,
                                    const HomeFolder& folder) const = 0;
};

std::unique_ptr<const Toolset> ChooseToolset(const Options& options);

}  // namespace acctgen
