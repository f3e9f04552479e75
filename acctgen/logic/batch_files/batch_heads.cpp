#include "acctgen/logic/batch_files/batch_heads.h"

#include "runtime/text.h"

namespace acctgen {

void WriteStep4(rt::Files& files, const std::vector<std::string>& lines) {
  const rt::FileNumber file = files.OpenOutput(kStep4Path);
  PrintLines(files, file, lines);
  files.Close(file);
}

std::vector<std::string> Step5HeadLines(const Options& options, const Toolset& tools) {
  const std::string folder = rt::Trim(options.home_share);
  const std::string root = options.server_drive_letter + ":\\" + folder;
  std::vector<std::string> lines = tools.UpperFolderLines(root);
  // Share access is left to everyone so that each folder's own rights decide who may write:
  // without /GRANT a share gives everyone read access only.
  lines.push_back("net share " + rt::BatchArgument(folder) + "=" + rt::BatchArgument(root) +
                  " /GRANT:Everyone,FULL");
  return lines;
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
