#pragma once
// The run's list of distinct leaving years. Each year that enters it gets its year folder under
// the home-folder share, one line in step5.bat, written before the folders of the students who
// leave in that year. The Create run seeds the list with the current year when the Students OU
// is chosen; the student pass adds each newly met leaving year.

#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/batch_files/toolset.h"
#include "acctgen/logic/form/options.h"
#include "acctgen/logic/students/run_state.h"
#include "runtime/files.h"

namespace acctgen {

// Makes the folder server drive letter as typed + ":\\" + home share trimmed + "\\" + year with
// the run's tools.
std::vector<std::string> YearFolderLines(const Options& options, const Toolset& tools,
                                         std::string_view year);

// Appends `year` to run.LeavingYearList unless it is already listed, and writes its year-folder
// line to out.Step5 when the list holds an entry that has no line yet.
void AddLeavingYear(const Options& options, const Toolset& tools, std::string_view year,
                    rt::Files& files, const OutputFiles& out, RunState& run);

}  // namespace acctgen
