#include "acctgen/logic/home_folder_commands.h"

#include "runtime/text.h"

namespace acctgen {

std::string HomeFolderAccess(const FormValues& form) {
  if (form.FullHomeFolderAccess()) return "F ";
  return "RC ";
}

HomeFolderTexts::HomeFolderTexts(const FormValues& form)
    : share(rt::Trim(form.HomeShare())),
      server(rt::Trim(form.ServerName())),
      domain(rt::Trim(form.NetBiosDomain())),
      access(HomeFolderAccess(form)) {}

void WriteHomeFolderCommands(const FormValues& form, const HomeFolderTexts& texts,
                             std::string_view login, std::string_view leaving_year,
                             rt::Files& files, const OutputFiles& out) {
  // The folder below the share, as pieces: the year and its backslash are empty without year
  // folders.
  const std::string_view year = form.LeavingYearOus() ? leaving_year : "";
  const std::string_view year_end = form.LeavingYearOus() ? "\\" : "";
  files.PrintLine(out.Step5, {"cscript a:\\makfldr.vbs ", form.ServerDriveLetter(), ":\\",
                              texts.share, "\\", year, year_end, login});
  files.PrintLine(out.Step6,
                  {"xcacls ", form.ServerDriveLetter(), ":\\", texts.share, "\\", year, year_end,
                   login, " /g ", login, ":", texts.access, "administrator:F /Y"});
  if (form.StudentOwnsHomeFolder()) {
    files.PrintLine(out.Step6,
                    {"subinacl /subdirectories \\\\", texts.server, "\\", texts.share, "\\", year,
                     year_end, login, " /setowner=", texts.domain, "\\", login});
  }
}

}  // namespace acctgen
