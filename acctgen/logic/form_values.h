#pragma once
// The account generator's input record: one field per input control of the main form, named
// after the control. The generation logic reads the form only through this record.

#include <string>

namespace acctgen {

struct FormValues {
  // Text boxes, as typed.
  std::string Text1;  // full DNS name of the school's domain
  std::string Text2;  // server name
  std::string Text3;  // folder name for home folders
  std::string Text4;  // logon script file name
  std::string Text5;  // drive letter of the student's home folder
  std::string Text6;  // common password
  std::string Text7;  // server drive letter for home folders
  std::string Text8;  // profile UNC path
  std::string Text9;  // NetBIOS domain name

  // Login name format.
  bool Option1 = true;    // FirstName.Surname
  bool Option2 = false;   // Surname.FirstName
  bool Option3 = false;   // SurnameInitial
  bool Option15 = false;  // FirstNameSurname
  bool Option16 = false;  // SurnameFirstName

  // School type.
  bool Option4 = false;  // K-2
  bool Option5 = false;  // K-6
  bool Option6 = false;  // K-12
  bool Option7 = false;  // 7-10
  bool Option8 = true;   // 7-12

  // Years mode.
  bool Option11 = true;   // All Years
  bool Option12 = false;  // Selected Years

  // Years "K", "1" ... "12".
  bool Check5 = false;
  bool Check6 = false;
  bool Check7 = false;
  bool Check8 = false;
  bool Check9 = false;
  bool Check10 = false;
  bool Check11 = false;
  bool Check12 = true;
  bool Check13 = true;
  bool Check14 = true;
  bool Check15 = true;
  bool Check16 = true;
  bool Check17 = true;

  // OU allocation.
  bool Check1 = true;  // School
  bool Check2 = true;  // Students
  bool Check3 = true;  // an OU for each leaving year

  // Home folder access.
  bool Option9 = false;  // Full
  bool Option10 = true;  // Modify

  // Password.
  bool Check4 = true;     // unique passwords
  bool Option13 = true;   // never expires
  bool Option14 = false;  // must change at first logon

  bool Check19 = true;            // set a profile location
  bool Check18 = false;           // delete accounts of students that have left
  bool Check20 = false;           // student owns the home folder
  bool PolicyPasswords_ = false;  // unique passwords that a default domain policy accepts

  // What the controls mean, for the generation logic. The login format and the school type,
  // chosen by groups of options, are read by LoginFormatOf and FinalYear.
  const std::string& DomainDnsName() const { return Text1; }
  const std::string& ServerName() const { return Text2; }
  const std::string& HomeShare() const { return Text3; }
  const std::string& LogonScript() const { return Text4; }
  const std::string& HomeDriveLetter() const { return Text5; }
  const std::string& TypedCommonPassword() const { return Text6; }
  const std::string& ServerDriveLetter() const { return Text7; }
  const std::string& ProfilePath() const { return Text8; }
  const std::string& NetBiosDomain() const { return Text9; }
  bool SchoolOu() const { return Check1; }
  bool StudentsOu() const { return Check2; }
  bool LeavingYearOus() const { return Check3; }
  bool UniquePasswords() const { return Check4; }
  bool PolicyPasswords() const { return PolicyPasswords_; }
  bool DeleteLeavers() const { return Check18; }
  bool SetsProfilePath() const { return Check19; }
  bool StudentOwnsHomeFolder() const { return Check20; }
  bool FullHomeFolderAccess() const { return Option9; }
  bool PasswordNeverExpires() const { return Option13; }
  bool MustChangePassword() const { return Option14; }

  // The year box of a scholastic year: 0 is "K", 1 to 12 the years; nullptr for any other.
  bool* YearBox(int year);
  const bool* YearBox(int year) const;
};

inline bool* FormValues::YearBox(int year) {
  bool* boxes[] = {&Check5,  &Check6,  &Check7,  &Check8,  &Check9,  &Check10, &Check11,
                   &Check12, &Check13, &Check14, &Check15, &Check16, &Check17};
  return year >= 0 && year <= 12 ? boxes[year] : nullptr;
}

inline const bool* FormValues::YearBox(int year) const {
  return const_cast<FormValues*>(this)->YearBox(year);
}

}  // namespace acctgen
