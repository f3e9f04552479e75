#pragma once
// The lines of the Create run's batch files and account rows that depend on no student: step 4
// whole, the heads of step 5 and of the account rows, and the clean-up lines of step 6.

#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/batch_files/toolset.h"
#include "acctgen/logic/form/options.h"
#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kStep4Path = "a:\\step4.bat";
inline constexpr std::string_view kErrorLogPath = "a:\\errorlog.txt";
inline constexpr std::string_view kStep5Path = "a:\\step5.bat";
inline constexpr std::string_view kStep6Path = "a:\\step6.bat";

// Creates or truncates "a:\step4.bat", writes it whole and closes it.
void WriteStep4(rt::Files& files, const std::vector<std::string>& lines);

// Step 5 starts by making the home-folder root with the run's tools and sharing it. The drive
// letter is used as typed.
std::vector<std::string> Step5HeadLines(const Options& options, const Toolset& tools);

// The column header (with or without the profile path) and the quoted DS root that the
// user-creation script reads from cell A2.
std::vector<std::string> AccountRowsHeadLines(const Options& options, std::string_view ds_root);

// Step 6 ends by deleting the directory export and its sorted copies.
std::vector<std::string> Step6CleanUpLines();

// Writes each line with CR LF.
void PrintLines(rt::Files& files, rt::FileNumber file, const std::vector<std::string>& lines);

}  // namespace acctgen
