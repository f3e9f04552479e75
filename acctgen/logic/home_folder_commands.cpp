#include "acctgen/logic/home_folder_commands.h"

#include "runtime/text.h"

namespace acctgen {

std::string HomeFolderAccess(const FormValues& form) {
  if (form.Option9) return "F ";
  return "RC ";
}

std::string OwnerPath(const FormValues& form, std::string_view login,
                      std::string_view leaving_year) {
  std::string path;
  if (form.Check3) {
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
  const std::string folder = form.Text7 + ":\\" + rt::Trim(form.Text3) + "\\" + owner_path;
  files.PrintLine(out.Step5, "cscript a:\\makfldr.vbs " + folder);
  std::string grant = "xcacls " + folder + " /g ";
  grant += login;
  grant += ":" + HomeFolderAccess(form) + "administrator:F /Y";
  files.PrintLine(out.Step6, grant);
  if (form.Check20) {
    std::string owner = "subinacl /subdirectories \\\\" + rt::Trim(form.Text2) + "\\" +
                        rt::Trim(form.Text3) + "\\" + owner_path +
                        " /setowner=" + rt::Trim(form.Text9) + "\\";
    owner += login;
    files.PrintLine(out.Step6, owner);
  }
}

}  // namespace acctgen
