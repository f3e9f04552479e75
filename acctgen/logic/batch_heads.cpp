#include "acctgen/logic/batch_heads.h"

#include "acctgen/logic/todays_tools_lines.h"
#include "runtime/text.h"

namespace acctgen {

std::vector<std::string> Step4Lines(std::string_view archive_name, std::int64_t existing_count) {
  std::vector<std::string> lines = {
      "If Not Exist C:\\Accounts\\*.* md c:\\Accounts",
      std::string("Copy c:\\addusers.xls c:\\Accounts\\").append(archive_name),
  };
  if (existing_count < 2) lines.emplace_back("cscript a:\\OU.vbs");
  lines.emplace_back("cscript a:\\addusers.vbs c:\\addusers.xls");
  return lines;
}

std::vector<std::string> Step4Lines(const Options& options, std::string_view archive_name,
                                    std::int64_t existing_count) {
  if (options.todays_tools) return {LdifImportLine()};
  return Step4Lines(archive_name, existing_count);
}

void WriteStep4(rt::Files& files, const std::vector<std::string>& lines) {
  const rt::FileNumber file = files.OpenOutput(kStep4Path);
  PrintLines(files, file, lines);
  files.Close(file);
}

std::vector<std::string> Step5HeadLines(const Options& options) {
  const std::string folder = rt::Trim(options.home_share);
  const std::string root = options.server_drive_letter + ":\\" + folder;
  return {
      options.todays_tools ? MakeFolderLine(root) : "cscript a:\\makfldr.vbs " + root,
      // Share access is left to everyone so that each folder's own rights decide who may
      // write: without /GRANT a share gives everyone read access only.
      "net share " + folder + "=" + root + " /GRANT:Everyone,FULL",
  };
}

std::vector<std::string> AccountRowsHeadLines(const Options& options, std::string_view ds_root) {
  std::string header =
      "DS Root,First Name, Last Name, Display Name, Description, SAM Account, Password, Home "
      "Drive, Home Path, Logon Script";
  if (options.sets_profile_path) header += ", Profile Path";
  return {header, std::string("\"").append(ds_root).append("\"")};
}

std::vector<std::string> Step6CleanUpLines() {
  return {"Del c:\\exportad.*", "Del c:\\exprtad2.csv"};
}

void PrintLines(rt::Files& files, rt::FileNumber file, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) files.PrintLine(file, line);
}

}  // namespace acctgen
