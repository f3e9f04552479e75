#include "acctgen/logic/home_folder_commands.h"

#include "acctgen/logic/todays_tools_lines.h"
#include "runtime/concat.h"
#include "runtime/text.h"

namespace acctgen {

std::string HomeFolderAccess(const Options& options) {
  if (options.full_home_folder_access) return "F ";
  return "RC ";
}

HomeFolderTexts::HomeFolderTexts(const Options& options)
    : share(rt::Trim(options.home_share)),
      server(rt::Trim(options.server_name)),
      domain(rt::Trim(options.netbios_domain)),
      access(HomeFolderAccess(options)) {}

void WriteHomeFolderCommands(const Options& options, const HomeFolderTexts& texts,
                             std::string_view login, std::string_view leaving_year,
                             rt::Files& files, const OutputFiles& out) {
  // The folder below the share, as pieces: the year and its backslash are empty without year
  // folders.
  const std::string_view year = options.leaving_year_ous ? leaving_year : "";
  const std::string_view year_end = options.leaving_year_ous ? "\\" : "";
  if (options.todays_tools) {
    const std::string folder =
        rt::Concat({options.server_drive_letter, ":\\", texts.share, "\\", year, year_end, login});
    files.PrintLine(out.Step5, MakeFolderLine(folder));
    files.PrintLine(out.Step6, HomeFolderGrantLine(folder, login, options.full_home_folder_access));
    if (options.student_owns_home_folder) {
      files.PrintLine(out.Step6, HomeFolderOwnerLine(folder, texts.domain, login));
    }
    return;
  }
  files.PrintLine(out.Step5, {"cscript a:\\makfldr.vbs ", options.server_drive_letter, ":\\",
                              texts.share, "\\", year, year_end, login});
  files.PrintLine(out.Step6,
                  {"xcacls ", options.server_drive_letter, ":\\", texts.share, "\\", year, year_end,
                   login, " /g ", login, ":", texts.access, "administrator:F /Y"});
  if (options.student_owns_home_folder) {
    files.PrintLine(out.Step6,
                    {"subinacl /subdirectories \\\\", texts.server, "\\", texts.share, "\\", year,
                     year_end, login, " /setowner=", texts.domain, "\\", login});
  }
}

}  // namespace acctgen
