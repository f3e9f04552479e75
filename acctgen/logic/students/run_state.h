#pragma once
// What a Create run keeps from one student to the next.

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "acctgen/logic/account_files/handout_sheet.h"
#include "acctgen/logic/account_files/ldif_file.h"
#include "acctgen/logic/batch_files/output_files.h"
#include "acctgen/logic/students/student_login_stems.h"
#include "school/login_names.h"

namespace acctgen {

// The run state of one Create run; it lives until the program ends. The student pass adds what
// its login numbering and leaving-year upkeep need.
struct RunState {
  // Every login derived in this run, in the order of school.txt.
  std::vector<std::string> CurrentLogins;
  // The distinct leaving years of the run as digit texts, in the order they entered.
  std::vector<std::string> LeavingYearList;
  // The same years, for a quick test whether a year is listed already.
  std::unordered_set<std::string> LeavingYearSet;
  // How many entries of LeavingYearList have their year-folder line in step5.bat.
  std::size_t YearFolderLinesWritten = 0;
  // The logins that every student line of school.txt may hold, skipped lines included.
  StudentLoginStems Stems;
  // Every login handed out in this run, so that each student's login is unique.
  school::LoginNumbering Logins;
  // Every student who got an account row, for the password hand-out sheet.
  std::vector<HandoutEntry> NewAccounts;
  // The LDIF file, whose account entries grow with the pass; it is written after it.
  LdifFile Ldif;
  // The students whose accounts come back out of a Leavers unit: the account's position among
  // the existing accounts, and the unit it returns to as the DS Root column names it.
  struct ReturningAccount {
    std::size_t existing = 0;
    std::string ou_path;  // "OU=2031,OU=Students,OU=School"; empty: the domain's Users
  };
  std::vector<ReturningAccount> Returning;
};

}  // namespace acctgen
