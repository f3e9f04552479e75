#pragma once
// The lines of the Create run's batch files and account rows that depend on no student: step 4
// whole, the heads of step 5 and of the account rows, and the clean-up lines of step 6.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/options.h"
#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kStep4Path = "a:\\step4.bat";
inline constexpr std::string_view kErrorLogPath = "a:\\errorlog.txt";
inline constexpr std::string_view kStep5Path = "a:\\step5.bat";
inline constexpr std::string_view kStep6Path = "a:\\step6.bat";

// Step 4 archives the workbook, creates the OUs on a first run (fewer than two existing
// accounts) and runs the user-creation script on the workbook.
std::vector<std::string> Step4Lines(std::string_view archive_name, std::int64_t existing_count);
// With today's tools, step 4 only imports the LDIF file, which holds the OUs too: no workbook.
std::vector<std::string> Step4Lines(const Options& options, std::string_view archive_name,
                                    std::int64_t existing_count);
// Creates or truncates "a:\step4.bat", writes it whole and closes it.
void WriteStep4(rt::Files& files, const std::vector<std::string>& lines);

// Step 5 starts by making (with makfldr.vbs, or md for today's tools) and sharing the home-folder
// root. The drive letter is used as typed.
std::vector<std::string> Step5HeadLines(const Options& options);

// The column header (with or without the profile path) and the quoted DS root that the
// user-creation script reads from cell A2.
std::vector<std::string> AccountRowsHeadLines(const Options& options, std::string_view ds_root);

// Step 6 ends by deleting the directory export and its sorted copies.
std::vector<std::string> Step6CleanUpLines();

// Writes each line with CR LF.
void PrintLines(rt::Files& files, rt::FileNumber file, const std::vector<std::string>& lines);

}  // namespace acctgen
