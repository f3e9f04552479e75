#include "school/login_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "school/transliteration.h"

namespace school {
namespace {

std::string Login(std::string_view surname, std::string_view preferred, LoginFormat format) {
  LoginNumbering numbering;
  return DeriveLogin(surname, preferred, format, numbering).value().Login;
}

TEST(LoginFormatTest, EachFormatJoinsThePreparedNames) {
  EXPECT_EQ(Login("Varga", "Tomas", LoginFormat::kFirstnameDotSurname), "tomas.varga");
  EXPECT_EQ(Login("Varga", "Tomas", LoginFormat::kSurnameDotFirstname), "varga.tomas");
  EXPECT_EQ(Login("Varga", "Tomas", LoginFormat::kSurnameInitial), "vargat");
  EXPECT_EQ(Login("Varga", "Tomas", LoginFormat::kFirstnameSurname), "tomasvarga");
  EXPECT_EQ(Login("Varga", "Tomas", LoginFormat::kSurnameFirstname), "vargatomas");
  // Inner spaces go, apostrophes and hyphens stay.
  EXPECT_EQ(Login("Van Der Berg", "Mary Anne", LoginFormat::kFirstnameDotSurname),
            "maryanne.vanderberg");
  EXPECT_EQ(Login("O'Brien-Smith", "Tomas", LoginFormat::kSurnameDotFirstname),
            "o'brien-smith.tomas");
  // The initial is taken after the spaces went.
  EXPECT_EQ(BaseLogin("Varga", " Ana", LoginFormat::kSurnameInitial), "vargaa");
  EXPECT_EQ(BaseLogin("Varga", "", LoginFormat::kSurnameInitial), "varga");
}

TEST(TransliterationTest, AccentedLettersBecomeTheirAsciiSpelling) {
  EXPECT_EQ(
      TransliterateToAscii("\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"),
      "aaaaaaaeceeeeiiii");
  EXPECT_EQ(TransliterateToAscii("\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF"),
            "dnoooooouuuuythy");
  EXPECT_EQ(TransliterateToAscii("\xC0\xC5\xC6\xC7\xC8\xCC\xD0\xD1\xD2\xD8\xD9\xDD\xDE\xDF"),
            "AAAECEIDNOOUYTHss");
  EXPECT_EQ(TransliterateToAscii("\x8A\x9A\x8E\x9E\x8C\x9C\x9F"), "SsZzOEoeY");
  // Other bytes stay: the multiplication and division signs, the euro sign, ASCII.
  EXPECT_EQ(TransliterateToAscii("\xD7\xF7\x80 a-Z"), "\xD7\xF7\x80 a-Z");
  EXPECT_EQ(Login("\xD8sterg\xE5rd", "Bj\xF6rn", LoginFormat::kFirstnameDotSurname),
            "bjorn.ostergard");
  EXPECT_EQ(Login("Stra\xDF"
                  "e",
                  "\xC6lfgifu", LoginFormat::kSurnameDotFirstname),
            "strasse.aelfgifu");
}

TEST(UsableInLoginTest, OnlyLettersDigitsAndFourMarksAreUsable) {
  EXPECT_TRUE(UsableInLogin("O'Brien-Smith_2 Jr."));
  EXPECT_TRUE(UsableInLogin("Fran\xE7ois"));
  EXPECT_TRUE(UsableInLogin(""));
  for (std::string bad :
       {",", "\"", "/", "\\", "[", "]", ":",  ";",    "|",    "=",    "+", "*", "?",
        "<", ">",  "@", "&",  "^", "%", "\t", "\xD7", "\x80", "\x01", "!", "(", "~"}) {
    EXPECT_FALSE(UsableInLogin("Var" + bad + "ga")) << bad;
  }
  LoginNumbering numbering;
  EXPECT_FALSE(DeriveLogin("Smith, Jr", "Tom", LoginFormat::kFirstnameDotSurname, numbering));
  EXPECT_FALSE(DeriveLogin("Smith", "To&m", LoginFormat::kFirstnameDotSurname, numbering));
  EXPECT_EQ(numbering.size(), 0u);
}

TEST(LoginLimitTest, LongLoginsAreCutAndLoseAFinalDot) {
  EXPECT_EQ(LimitLogin("abcdefghijklmnopqrstuv"), "abcdefghijklmnopqrst");
  EXPECT_EQ(LimitLogin("abcdefghijklmnopqrs.uv"), "abcdefghijklmnopqrs");
  EXPECT_EQ(LimitLogin("abcdefghijklmnopqrs."), "abcdefghijklmnopqrs");
  EXPECT_EQ(LimitLogin("abc."), "abc.");
  EXPECT_EQ(Login("Abcdefghijklmnop", "Tom", LoginFormat::kSurnameDotFirstname),
            "abcdefghijklmnop.tom");
  EXPECT_EQ(Login("Abcdefghijklmnopqrs", "Tom", LoginFormat::kSurnameDotFirstname),
            "abcdefghijklmnopqrs");
}

std::vector<std::string> LoginsOf(const std::vector<std::pair<std::string, std::string>>& students,
                                  std::vector<std::string>* last_names = nullptr) {
  LoginNumbering numbering;
  std::vector<std::string> logins;
  for (const auto& [surname, preferred] : students) {
    const auto derived =
        DeriveLogin(surname, preferred, LoginFormat::kFirstnameDotSurname, numbering);
    logins.push_back(derived.value().Login);
    if (last_names) last_names->push_back(derived->LastName);
  }
  return logins;
}

TEST(LoginNumberingTest, NamesakesAreNumberedWhereverTheyStand) {
  std::vector<std::string> last_names;
  EXPECT_EQ(LoginsOf({{"Varga", "Tomas"},
                      {"Varga", "Tomas"},
                      {"Varga", "Tomas"},
                      {"Kim", "Ana"},
                      {"Varga", "Tomas"},
                      {"Kim", "Ana"}},
                     &last_names),
            (std::vector<std::string>{"tomas.varga", "tomas.varga2", "tomas.varga3", "ana.kim",
                                      "tomas.varga4", "ana.kim2"}));
  EXPECT_EQ(last_names,
            (std::vector<std::string>{"Varga", "Varga2", "Varga3", "Kim", "Varga4", "Kim2"}));
  // Case and spacing of the names do not make another login.
  EXPECT_EQ(LoginsOf({{"Van Der Berg", "Ana"}, {"VANDERBERG", "ana"}}),
            (std::vector<std::string>{"ana.vanderberg", "ana.vanderberg2"}));
}

TEST(LoginNumberingTest, NumbersStayWithinTwentyCharactersAndNeverRepeatALogin) {
  // A repeated login of 20 characters gives way to its number.
  EXPECT_EQ(LoginsOf({{"Abcdefghijklmn", "Tomas"}, {"Abcdefghijklmn", "Tomas"}}),
            (std::vector<std::string>{"tomas.abcdefghijklmn", "tomas.abcdefghijklm2"}));
  EXPECT_EQ(LoginsOf({{"Abcdefghijklmnopqrs", "X"}, {"Abcdefghijklmnopqrs", "X"}}),
            (std::vector<std::string>{"x.abcdefghijklmnopqr", "x.abcdefghijklmnopq2"}));
  // The cut base loses a dot that then ends it: never "abcdefghijklmnopqr.2".
  EXPECT_EQ(LoginsOf({{"X", "Abcdefghijklmnopqr"}, {"X", "Abcdefghijklmnopqr"}}),
            (std::vector<std::string>{"abcdefghijklmnopqr.x", "abcdefghijklmnopqr2"}));
  std::vector<std::pair<std::string, std::string>> many(12, {"Abcdefghijklmnopq", "Ab"});
  const std::vector<std::string> logins = LoginsOf(many);
  EXPECT_EQ(logins[0], "ab.abcdefghijklmnopq");
  EXPECT_EQ(logins[9], "ab.abcdefghijklmno10");
  EXPECT_EQ(logins[9].size(), kMaxLoginLength);
  EXPECT_EQ(logins[11], "ab.abcdefghijklmno12");
  // A name that itself ends in a digit cannot take a numbered login away from its namesake.
  EXPECT_EQ(LoginsOf({{"Varga", "Tomas"}, {"Varga2", "Tomas"}, {"Varga", "Tomas"}}),
            (std::vector<std::string>{"tomas.varga", "tomas.varga2", "tomas.varga3"}));
  EXPECT_EQ(LoginsOf({{"Varga", "Tomas"}, {"Varga", "Tomas"}, {"Varga2", "Tomas"}}),
            (std::vector<std::string>{"tomas.varga", "tomas.varga2", "tomas.varga22"}));
  // The numbered login is the one the numbering hands out.
  EXPECT_EQ(NumberedLogin("x.abcdefghijklmnopqr", 2), "x.abcdefghijklmnopq2");
  EXPECT_EQ(NumberedLogin("abcdefghijklmnopqr.x", 2), "abcdefghijklmnopqr2");
  EXPECT_EQ(NumberedLogin("tomas.varga", 12), "tomas.varga12");
}

// A login held for an account that is someone's already is never handed out.
TEST(LoginNumberingTest, AHeldLoginIsPassedOver) {
  LoginNumbering numbering;
  numbering.Hold("tomas.varga");
  numbering.Hold("tomas.varga3");
  EXPECT_TRUE(numbering.Taken("tomas.varga"));
  EXPECT_EQ(numbering.Take("tomas.varga"), (std::pair<std::string, int>{"tomas.varga2", 2}));
  EXPECT_EQ(numbering.Take("tomas.varga"), (std::pair<std::string, int>{"tomas.varga4", 4}));
}

}  // namespace
}  // namespace school
