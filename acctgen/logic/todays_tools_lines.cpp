#include "acctgen/logic/todays_tools_lines.h"

#include "runtime/text.h"
#include "school/procedure_files.h"

namespace acctgen {

std::string LdifImportLine() { return "ldifde -i -k -h -f " + std::string(school::kLdifPath); }

std::string MakeFolderLine(std::string_view folder) {
  // The trailing backslash makes the test look for a folder, not a file of that name.
  return "If Not Exist " + rt::QuotedField(std::string(folder) + "\\") + " md " +
         rt::QuotedField(folder);
}

std::string HomeFolderGrantLine(std::string_view folder, std::string_view login, bool full) {
  return "icacls " + rt::QuotedField(folder) + " /inheritance:r /grant:r " +
         rt::QuotedField(std::string(login) + (full ? ":(OI)(CI)F" : ":(OI)(CI)M")) +
         " \"administrator:(OI)(CI)F\" /c /q";
}

std::string HomeFolderOwnerLine(std::string_view folder, std::string_view domain,
                                std::string_view login) {
  return "icacls " + rt::QuotedField(folder) + " /setowner " +
         rt::QuotedField(std::string(domain) + "\\" + std::string(login)) + " /t /c /q";
}

}  // namespace acctgen
