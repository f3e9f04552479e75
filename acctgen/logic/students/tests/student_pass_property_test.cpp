// Generated schools, names full of awkward characters: whatever the export holds, every line
// the pass writes must be one its consumer (Excel and the user-creation script, the command
// interpreter) reads as meant.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <sstream>

#include "acctgen/logic/students/student_pass.h"
#include "acctgen/testing/student_pass_fixture.h"

namespace acctgen {
namespace {

using testing::ExampleForm;
using testing::StudentPassRun;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "unterminated line";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The columns of a row whose first column is quoted.
std::vector<std::string> ColumnsOf(const std::string& row) {
  std::vector<std::string> columns;
  const std::size_t close = row.find('"', 1);
  EXPECT_TRUE(row.starts_with("\"") && close != std::string::npos) << row;
  if (close == std::string::npos) return columns;
  columns.push_back(row.substr(0, close + 1));
  std::string rest = row.substr(close + 1);
  EXPECT_TRUE(rest.starts_with(",")) << row;
  std::stringstream stream(rest.substr(1));
  std::string column;
  while (std::getline(stream, column, ',')) columns.push_back(column);
  if (rest.ends_with(",")) columns.push_back("");
  return columns;
}

bool HasCommandCharacter(std::string_view text) {
  return text.find_first_of("&|<>^%\"") != std::string_view::npos;
}

bool HasHighByte(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) > 127) return true;
  }
  return false;
}

class SchoolGenerator {
 public:
  explicit SchoolGenerator(unsigned seed) : random_(seed) {}

  std::string Name() {
    static const std::string kAlphabet =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-'_"
        "\xE0\xE9\xF6\xF8\xDF\xC6\xDE\x8A\x9C\x9F\xD7\xF7\x80"
        ",\"&|<>^/\\[]:;=+*?@\t!";
    std::string name;
    const int length = Pick(0, 14);
    for (int i = 0; i < length; ++i) {
      // Mostly plain letters, so that namesakes and long names occur.
      name += Pick(0, 9) < 8 ? kAlphabet[Pick(0, 25)] : kAlphabet[Pick(0, kAlphabet.size() - 1)];
    }
    return name;
  }

  std::string Line() {
    static const char* kYears[] = {"K", "1", "7", "9", "12", "13", "07", "P", "", " 8 "};
    switch (Pick(0, 19)) {
      case 0:
        return "";
      case 1:
        return "Student list " + Name();
      case 2:
        return Name() + "#" + Name() + "@" + Name() + "%" + Name();
      default:
        break;
    }
    // A small pool of surnames and given names, so namesakes come in runs and apart.
    const std::string surname = Pick(0, 2) == 0 ? Name() : kSurnames[Pick(0, 3)];
    const std::string given = Pick(0, 2) == 0 ? Name() : kGiven[Pick(0, 3)];
    return " " + surname + "@" + given + "#" + kYears[Pick(0, 9)] + "%" + Name() + " ";
  }

  Options Form() {
    Options form = ExampleForm();
    const int format = Pick(0, 4);
    constexpr school::LoginFormat kFormats[] = {
        school::LoginFormat::kFirstnameDotSurname, school::LoginFormat::kSurnameDotFirstname,
        school::LoginFormat::kSurnameInitial, school::LoginFormat::kFirstnameSurname,
        school::LoginFormat::kSurnameFirstname};
    form.login_format = kFormats[format];
    form.school_ou = Pick(0, 1);
    form.students_ou = Pick(0, 1);
    form.leaving_year_ous = Pick(0, 1);
    form.unique_passwords = Pick(0, 1);
    form.sets_profile_path = Pick(0, 1);
    form.student_owns_home_folder = Pick(0, 1);
    form.full_home_folder_access = Pick(0, 1);
    for (int year = 0; year <= 12; ++year) form.years[year] = Pick(0, 3) != 0;
    return form;
  }

  int Pick(std::size_t low, std::size_t high) {
    return static_cast<int>(std::uniform_int_distribution<std::size_t>(low, high)(random_));
  }

 private:
  std::mt19937 random_;
  const char* kSurnames[4] = {"Varga", "Van Der Berg", "Abcdefghijklmnopqr", "O'Neil"};
  const char* kGiven[4] = {"Tomas", "Ana", "Mary Anne", "Zo\xEB"};
};

TEST(StudentPassPropertyTest, EveryWrittenLineSuitsItsConsumer) {
  // The generated schools must reach every branch: rows, refused names, numbered namesakes.
  std::size_t rows = 0, refused = 0, numbered = 0, long_logins = 0;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SchoolGenerator generate(seed);
    const Options form = generate.Form();
    std::string school;
    const int students = generate.Pick(0, 150);
    for (int i = 0; i < students; ++i) school += generate.Line() + "\r\n";
    std::vector<std::string> existing = {"tomas.varga", "ana.vanderberg2", "vargat"};

    StudentPassRun pass;
    pass.random = rt::testing::SequenceRandom({0.3, 0.9, 0.81, 0.05, 0.5, 0.77});
    const auto out = pass.Run(form, school, existing, "2026");
    SCOPED_TRACE("seed " + std::to_string(seed));

    // Logins: plain ASCII login characters, at most 20, no final dot at 20, never twice.
    std::set<std::string> distinct;
    for (const std::string& login : out.logins) {
      EXPECT_FALSE(login.empty());
      EXPECT_LE(login.size(), school::kMaxLoginLength) << login;
      EXPECT_FALSE(login.size() == school::kMaxLoginLength && login.back() == '.') << login;
      EXPECT_TRUE(school::UsableInLogin(login) && login.find(' ') == std::string::npos) << login;
      EXPECT_FALSE(HasHighByte(login)) << login;
      EXPECT_TRUE(distinct.insert(login).second) << login;
    }

    const std::size_t columns = form.sets_profile_path ? 11 : 10;
    std::vector<std::string> row_logins;
    for (const std::string& row : LinesOf(out.rows)) {
      const std::vector<std::string> cells = ColumnsOf(row);
      ASSERT_EQ(cells.size(), columns) << row;
      for (std::size_t i = 1; i < cells.size(); ++i) {
        EXPECT_FALSE(HasCommandCharacter(cells[i])) << row;
      }
      EXPECT_FALSE(HasHighByte(cells[5])) << row;
      row_logins.push_back(cells[5]);
      EXPECT_EQ(std::count(existing.begin(), existing.end(), cells[5]), 0) << row;
    }

    // Every batch line is free of command characters and names only ASCII folders and users;
    // the students' folder lines follow the rows one for one.
    std::vector<std::string> folder_logins;
    for (const std::string& line : LinesOf(out.step5)) {
      EXPECT_FALSE(HasCommandCharacter(line) || HasHighByte(line)) << line;
      const std::string folder = line.substr(line.rfind('\\') + 1);
      if (std::find(out.years.begin(), out.years.end(), folder) == out.years.end()) {
        folder_logins.push_back(folder);
      }
    }
    EXPECT_EQ(folder_logins, row_logins);
    std::size_t grants = 0;
    for (const std::string& line : LinesOf(out.step6)) {
      EXPECT_FALSE(HasCommandCharacter(line) || HasHighByte(line)) << line;
      if (line.starts_with("xcacls ")) {
        ASSERT_LT(grants, row_logins.size());
        EXPECT_NE(line.find(" /g " + row_logins[grants] + ":"), std::string::npos) << line;
        ++grants;
      }
    }
    EXPECT_EQ(grants, row_logins.size());
    rows += row_logins.size();
    std::size_t at = 0;
    while ((at = out.errors.find("cannot be used in a login", at + 1)) != std::string::npos) {
      ++refused;
    }
    for (const std::string& login : out.logins) {
      if (login.back() >= '2' && login.back() <= '9') ++numbered;
      if (login.size() >= school::kMaxLoginLength - 1) ++long_logins;
    }
  }
  EXPECT_GT(rows, 1000u);
  EXPECT_GT(refused, 100u);
  EXPECT_GT(numbered, 100u);
  EXPECT_GT(long_logins, 50u);
  std::printf("%zu rows, %zu names refused, %zu numbered logins, %zu of 19 or 20 characters\n",
              rows, refused, numbered, long_logins);
}

}  // namespace
}  // namespace acctgen
