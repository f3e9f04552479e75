#include "acctgen/logic/batch_files/classic_toolset.h"

#include "acctgen/logic/account_files/addusers_script.h"
#include "acctgen/logic/account_files/undo_file.h"
#include "runtime/concat.h"
#include "runtime/text.h"

namespace acctgen {

std::string HomeFolderAccess(const Options& options) {
  if (options.full_home_folder_access) return "F ";
  return "RC ";
}

std::vector<std::string> ClassicStep4Lines(std::string_view archive_name,
                                           std::int64_t existing_count) {
  std::vector<std::string> lines = {
      "If Not Exist C:\\Accounts\\*.* md c:\\Accounts",
      std::string("Copy c:\\addusers.xls c:\\Accounts\\").append(archive_name),
  };
  if (existing_count < 2) lines.emplace_back("cscript a:\\OU.vbs");
  lines.emplace_back("cscript a:\\addusers.vbs c:\\addusers.xls");
  return lines;
}

ClassicTools::ClassicTools(const Options& options)
    : share_(rt::Trim(options.home_share)),
      server_(rt::Trim(options.server_name)),
      domain_(rt::Trim(options.netbios_domain)),
      access_(HomeFolderAccess(options)),
      student_owns_folder_(options.student_owns_home_folder) {}

void ClassicTools::WriteOrRemoveScripts(rt::Files& files, const Options& options) const {
  WriteAddUsersScript(files, options);
}

std::vector<std::string> ClassicTools::Step4Lines(std::string_view archive_name,
                                                  std::int64_t existing_count) const {
  return ClassicStep4Lines(archive_name, existing_count);
}

// The Excel workbook is imported by a script that keeps no record of what it made; an undo file
// of an earlier run with today's tools would take back that run, not this one.
void ClassicTools::WriteUndoFile(rt::Files& files, const LdifFile&, const LeaverChanges&) const {
  files.DeleteIfPresent(kUndoPath);
}

std::vector<std::string> ClassicTools::UpperFolderLines(std::string_view folder) const {
  return {"cscript a:\\makfldr.vbs " + rt::BatchArgument(folder)};
}

void ClassicTools::WriteHomeFolderLines(rt::Files& files, const OutputFiles& out,
                                        const HomeFolder& folder) const {
  const std::string path = rt::BatchArgument(folder.server_path);
  files.PrintLine(out.Step5, {"cscript a:\\makfldr.vbs ", path});
  files.PrintLine(out.Step6,
                  {"xcacls ", path, " /g ", folder.login, ":", access_, "administrator:F /Y"});
  if (student_owns_folder_) {
    const std::string share_path =
        rt::Concat({"\\\\", server_, "\\", share_, "\\", folder.below_share});
    files.PrintLine(out.Step6, {"subinacl /subdirectories ", rt::BatchArgument(share_path),
                                " /setowner=", domain_, "\\", folder.login});
  }
}

}  // namespace acctgen
