#include "acctgen/logic/home_folder_commands.h"

#include "runtime/text.h"

namespace acctgen {

std::string HomeFolderAccess(const FormValues& form) {
  if (form.FullHomeFolderAccess()) return "F ";
  return "RC ";
}

std::string OwnerPath(const FormValues& form, std::string_view login,
                      std::string_view leaving_year) {
  std::string path;
  if (form.LeavingYearOus()) {
    path += leaving_year;
    path += "\\";
  }
  path += login;
  return path;
}

void WriteHomeFolderCommands(const FormValues& form, std::string_view login,
                             std::string_view leaving_year, rt::Files& files,
                             const OutputFiles& out) {
  const std::string owner_path = OwnerPath(form, login, leaving_year);
  const std::string share = rt::Trim(form.HomeShare());
  files.PrintLine(out.Step5, {"cscript a:\\makfldr.vbs ", form.ServerDriveLetter(), ":\\", share,
                              "\\", owner_path});
  files.PrintLine(out.Step6, {"xcacls ", form.ServerDriveLetter(), ":\\", share, "\\", owner_path,
                              " /g ", login, ":", HomeFolderAccess(form), "administrator:F /Y"});
  if (form.StudentOwnsHomeFolder()) {
    files.PrintLine(
        out.Step6, {"subinacl /subdirectories \\\\", rt::Trim(form.ServerName()), "\\", share, "\\",
                    owner_path, " /setowner=", rt::Trim(form.NetBiosDomain()), "\\", login});
  }
}

}  // namespace acctgen
