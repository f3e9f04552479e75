#pragma once
// The files a Create run keeps open through the student pass.

#include <string>
#include <vector>

#include "runtime/files.h"

namespace acctgen {

// The output files of a Create run, opened and headed before the student pass.
struct OutputFiles {
  rt::FileNumber ErrorLog = 0;     // a:\errorlog.txt
  rt::FileNumber AddUsersCsv = 0;  // c:\addusers.csv
  rt::FileNumber Step5 = 0;        // a:\step5.bat
  rt::FileNumber Step6 = 0;        // a:\step6.bat
  rt::FileNumber OuVbs = 0;        // a:\ou.vbs; 0 when the run writes none
};

// Creates the files that stay open through the student pass, in their order; step5.bat gets
// its head lines as soon as it is open. A run with today's tools writes no ou.vbs.
OutputFiles OpenOutputFiles(rt::Files& files, const std::vector<std::string>& step5_head = {},
                            bool with_ou_script = true);

}  // namespace acctgen
