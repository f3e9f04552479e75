#include "acctgen/logic/batch_files/output_files.h"

#include "acctgen/logic/account_files/ou_script.h"
#include "acctgen/logic/batch_files/batch_heads.h"
#include "school/procedure_files.h"

namespace acctgen {

OutputFiles OpenOutputFiles(rt::Files& files, const std::vector<std::string>& step5_head,
                            bool with_ou_script) {
  OutputFiles out;
  out.ErrorLog = files.OpenOutput(kErrorLogPath);
  out.AddUsersCsv = files.OpenOutput(school::kAccountRowsPath);
  out.Step5 = files.OpenOutput(kStep5Path);
  PrintLines(files, out.Step5, step5_head);
  out.Step6 = files.OpenOutput(kStep6Path);
  if (with_ou_script) out.OuVbs = files.OpenOutput(kOuScriptPath);
  return out;
}

}  // namespace acctgen
