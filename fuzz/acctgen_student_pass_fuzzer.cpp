// Arbitrary bytes as school.txt, the first two bytes choosing the form's options: the line
// parser and the whole student pass must neither crash nor break their promises (every login
// unique, plain ASCII and at most 20 characters, never an account that is not a student's; no
// command character in a batch line).

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "acctgen/logic/students/leaving_years.h"
#include "acctgen/logic/students/student_pass.h"
#include "acctgen/logic/batch_files/toolset.h"
#include "acctgen/testing/sample_forms.h"
#include "acctgen/testing/student_accounts.h"
#include "runtime/files.h"
#include "runtime/testing/memory_file_system.h"
#include "school/student_line.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

class FixedRandom : public rt::RandomSource {
 public:
  double Next() override {
    value_ = value_ > 0.9 ? 0.05 : value_ + 0.13;
    return value_;
  }

 private:
  double value_ = 0.0;
};

acctgen::Options FormFrom(std::uint8_t a, std::uint8_t b) {
  acctgen::Options form = acctgen::testing::ExampleForm();
  form.domain_dns_name.clear();
  const int format = a % 5;
  constexpr school::LoginFormat kFormats[] = {
      school::LoginFormat::kFirstnameDotSurname, school::LoginFormat::kSurnameDotFirstname,
      school::LoginFormat::kSurnameInitial, school::LoginFormat::kFirstnameSurname,
      school::LoginFormat::kSurnameFirstname};
  form.login_format = kFormats[format];
  form.school_ou = a & 0x08;
  form.students_ou = a & 0x10;
  form.leaving_year_ous = a & 0x20;
  form.unique_passwords = a & 0x40;
  form.sets_profile_path = a & 0x80;
  form.student_owns_home_folder = b & 0x01;
  form.full_home_folder_access = b & 0x02;
  const int type = (b >> 2) % 6;
  form.school_type =
      type < 5 ? std::optional(static_cast<acctgen::SchoolType>(type)) : std::nullopt;
  for (int year = 0; year <= 12; ++year) form.years[year] = ((b >> 5) + year) % 4 != 0;
  return form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const acctgen::Options form = FormFrom(data[0], data[1]);
  const std::string student_export(reinterpret_cast<const char*>(data + 2), size - 2);

  // The parser alone, on the whole input as one line.
  const school::StudentLine whole = school::ParseStudentLine(student_export);
  Require(whole.Record.RollClass.size() <= 30);

  rt::testing::MemoryFileSystem file_system;
  file_system.files["a:\\school.txt"] = student_export;
  rt::Files files(file_system);
  acctgen::StartupState startup;
  startup.CurrentYear = "2026";
  startup.ExistingAccounts = acctgen::testing::StudentAccounts(
      {"tomas.varga", "a.b", "ab", "a.b2"}, {"2030", "2027", "Students", "2031"});
  startup.OtherAccounts = {"b.a", "a.b3", "ba"};
  startup.StudentExport = files.OpenInput("A:\\school.txt");
  const auto tools = acctgen::ChooseToolset(form);
  const acctgen::OutputFiles out = acctgen::OpenOutputFiles(files);
  acctgen::RunState run;
  if (form.students_ou) acctgen::AddLeavingYear(form, *tools, startup.CurrentYear, files, out, run);
  FixedRandom random;
  acctgen::SilentProgress progress;
  acctgen::ProcessStudents(form, *tools, startup, files, out, run, random, progress);
  files.CloseAll();

  std::unordered_set<std::string> logins;
  for (const std::string& login : run.CurrentLogins) {
    Require(!login.empty() && login.size() <= school::kMaxLoginLength);
    Require(school::UsableInLogin(login) && login.find(' ') == std::string::npos);
    for (char c : login) Require(static_cast<unsigned char>(c) < 128);
    Require(logins.insert(login).second);
    for (const std::string& other : startup.OtherAccounts) Require(login != other);
  }
  for (const char* batch : {"a:\\step5.bat", "a:\\step6.bat"}) {
    Require(file_system.files[batch].find_first_of("&|<>^%\"") == std::string::npos);
  }
  return 0;
}
