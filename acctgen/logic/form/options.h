#pragma once
// The account generator's options: every choice of a Create run, named by what it means. The
// generation logic reads the main form only through this record; the field table
// (form_fields.h) binds each option to its control and to its place in the settings file.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "school/login_names.h"

namespace acctgen {

// The school types the administrator chooses from, each with the scholastic years it teaches.
enum class SchoolType { kK2, kK6, kK12, kYears7To10, kYears7To12 };

// The years a school type teaches, "K" being year 0: the years its choice ticks, and the last
// one, from which a student's leaving year is reckoned.
struct YearSpan {
  int first_year;
  int last_year;
};
constexpr YearSpan YearsOf(SchoolType type) {
  switch (type) {
    case SchoolType::kK2:
      return {0, 2};
    case SchoolType::kK6:
      return {0, 6};
    case SchoolType::kK12:
      return {0, 12};
    case SchoolType::kYears7To10:
      return {7, 10};
    case SchoolType::kYears7To12:
      return {7, 12};
  }
  return {0, 0};
}

inline constexpr int kYearCount = 13;  // "K" and "1" to "12"

struct Options {
  // The domain and the home folders, as typed.
  std::string domain_dns_name;
  std::string netbios_domain;
  std::string server_name;
  std::string home_share;           // share and folder name under which home folders are made
  std::string server_drive_letter;  // of the home-folder share on the server
  std::string home_drive_letter;    // the student's home folder is mapped to
  std::string logon_script;

  // Groups of options that a hand-made settings file may leave with none selected: the form
  // and the file keep that state; the run reads it as the option named in each comment.
  std::optional<school::LoginFormat> login_format =  // none: SurnameFirstName
      school::LoginFormat::kFirstnameDotSurname;
  std::optional<SchoolType> school_type = SchoolType::kYears7To12;  // none: no leaving years
  bool all_years = true;                 // the year boxes locked; else "Selected Years"
  bool full_home_folder_access = false;  // full control; else change (modify) access
  // Neither "All Years" nor "Selected Years", neither "Full" nor "Modify" selected.
  bool no_years_mode = false;
  bool no_home_folder_access = false;

  // The scholastic years whose students get accounts: years[0] is "K", years[1] to years[12]
  // the years "1" to "12".
  std::array<bool, kYearCount> years = {false, false, false, false, false, false, false,
                                        true,  true,  true,  true,  true,  true};
  bool YearTicked(int year) const { return year >= 0 && year < kYearCount && years[year]; }

  // Where accounts are put: under "School", under "Students", in an OU per leaving year.
  bool school_ou = true;
  bool students_ou = true;
  bool leaving_year_ous = true;

  // Passwords: a random one per student, or the common one for all.
  bool unique_passwords = true;
  // Unique passwords that a default Windows domain password policy accepts.
  bool policy_passwords = false;
  std::string common_password = "LANTERNS";  // as typed
  // The expiry pair: both false only when a settings file selected neither.
  bool password_never_expires = true;
  bool must_change_password = false;

  bool sets_profile_path = true;
  std::string profile_path;  // UNC path, the same for every account

  bool delete_leavers = false;            // report and delete accounts of students that left
  bool student_owns_home_folder = false;  // instead of the administrator
  // Write the run's commands for today's Windows tools (ldifde, md, icacls) instead of Excel,
  // VBScript and xcacls.
  bool todays_tools = false;
};

// The last scholastic year of the selected school type; 0 when none is selected.
inline int FinalYear(const Options& options) {
  return options.school_type ? YearsOf(*options.school_type).last_year : 0;
}

// The login format the run derives logins in.
inline school::LoginFormat LoginFormatOf(const Options& options) {
  return options.login_format.value_or(school::LoginFormat::kSurnameFirstname);
}

}  // namespace acctgen
