#pragma once
// The tools a run's batch files call: the classic ones (Excel and VBScript for the accounts,
// makfldr.vbs for the folders, xcacls and subinacl for their rights) or today's Windows tools
// (ldifde, md, icacls). A run chooses its tool set once, from its options; every line that
// differs by tool set comes from it, and the lines that do not (the share, the clean-up, the
// account rows) stay with the files that hold them.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/account_files/ldif_file.h"
#include "acctgen/logic/account_files/leaver_entries.h"
#include "acctgen/logic/batch_files/output_files.h"
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

  // Before step 4 is written: the scripts its tools run are written, and those no step calls
  // are removed, so that nothing stale misleads the administrator.
  virtual void WriteOrRemoveScripts(rt::Files& files, const Options& options) const = 0;
  // Whether the run writes the OU-creation script a:\ou.vbs beside the LDIF file.
  virtual bool WritesOuScript() const = 0;
  // Whether step 4's import changes the accounts that exist already: a leaver is disabled and
  // moved into a Leavers unit, deleted by the first run of a later year, and brought back when
  // the student is; otherwise step 5 deletes a leaver at once.
  virtual bool ImportsLeavers() const = 0;
  // After the LDIF file: the file that takes its import back, or, with tools that import
  // nothing, the removal of one an earlier run left.
  virtual void WriteUndoFile(rt::Files& files, const LdifRunTexts& run,
                             const std::vector<LdifAccount>& added,
                             const LeaverChanges& changes) const = 0;
  // Step 4 whole: the import of the run's accounts and units.
  virtual std::vector<std::string> Step4Lines(std::string_view archive_name,
                                              std::int64_t existing_count) const = 0;
  // Makes a folder on the server: the home root and each leaving year's folder.
  virtual std::string MakeFolderLine(std::string_view folder) const = 0;
  // The student's folder in step 5; the student's rights on it, and ownership when the form
  // asks for it, in step 6.
  virtual void WriteHomeFolderLines(rt::Files& files, const OutputFiles& out,
                                    const HomeFolder& folder) const = 0;
};

std::unique_ptr<const Toolset> ChooseToolset(const Options& options);

}  // namespace acctgen
