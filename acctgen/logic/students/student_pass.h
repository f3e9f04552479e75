#pragma once
// The pass over the student export in a Create run: for every student of a ticked year with a
// complete record, the account row in addusers.csv and the home-folder commands in step5.bat
// and step6.bat; a faulty record gets one line in errorlog.txt instead.

#include <string>
#include <string_view>

#include "acctgen/logic/batch_files/toolset.h"
#include "acctgen/logic/form/options.h"
#include "acctgen/logic/startup/progress_sink.h"
#include "acctgen/logic/startup/startup_state.h"
#include "acctgen/logic/students/run_state.h"
#include "runtime/files.h"
#include "runtime/random_source.h"
#include "school/login_names.h"
#include "school/student_line.h"

namespace acctgen {

// Whether the scholastic year is one of "K", "1" ... "12" whose year box is unticked.
bool YearUnticked(const Options& options, std::string_view scholastic_year);

// The error-log line of a record that cannot become an account, or "" when it can: the first
// of a missing preferred name, scholastic year or roll class, or a name character that cannot
// be used in a login.
std::string DataError(const school::StudentLine& line);

// Reads startup.StudentExport from where it stands to its end and writes each student's
// lines into the open output files; run.CurrentLogins gets the login of every student that got
// one, existing accounts included.
void ProcessStudents(const Options& options, const Toolset& tools, const StartupState& startup,
                     rt::Files& files, const OutputFiles& out, RunState& run,
                     rt::RandomSource& random, ProgressSink& progress);

}  // namespace acctgen
