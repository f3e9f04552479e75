#pragma once
// The user-creation script "A:\addusers.vbs": fixed VBScript that reads the account rows from the
// saved workbook and creates one directory user per row through ADSI. Three form settings switch
// single lines in or out: the profile path, "never expires" and "must change at first logon".

#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/form/options.h"
#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kAddUsersScriptPath = "A:\\addusers.vbs";

// The script's lines, without line ends: 120 with all three switches on.
std::vector<std::string> AddUsersScriptLines(const Options& options);

// Creates or truncates the script, writes it whole and closes it.
void WriteAddUsersScript(rt::Files& files, const Options& options);

}  // namespace acctgen
